// The libburn engine's long operations (write, save ISO file, quick erase) and the events that
// polling the drive gives.
#include "discburn/libburn_engine.h"

#include "discburn/burning_stack.h"
#include "discburn/libburn_session.h"
#include "discburn/tallying_stream.h"
#include "discburn/verify_job.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace discora {

using namespace burn;
namespace fs = std::filesystem;

namespace {

// libburn's message "A drive operation is still going on".
constexpr int DriveStillBusyCode = 0x20102;
constexpr int StartPatienceSeconds = 15;

const StackMessage* mostSevere(const std::vector<StackMessage>& messages) {
    const StackMessage* worst = nullptr;
    for (const StackMessage& message : messages)
        if (!worst || message.rank > worst->rank)
            worst = &message;
    return worst;
}

} // namespace

bool LibburnEngine::beginWrite(burn_drive* drive, int speedValue, Job job) {
    queueStackMessages();
    const int role = burn_drive_get_drive_role(drive);
    if ((role == 2 || role == 3) && !targetFileUsable(drive, true))
        return false;
    // Older news is dropped now: once the stream is open, its producer reports on this run.
    drainBurnMessages();
    drainImageMessages();
    ::burn_source* stream = layout_.openStream(false);
    if (!stream)
        return false;
    verified_ = false;
    auto tally = std::make_shared<SharedTally>();
    ::burn_source* tallied = tallyingStream(stream, tally);

    burn_disc* disc = burn_disc_create();
    burn_session* session = burn_session_create();
    burn_track* track = burn_track_create();
    burn_disc_add_session(disc, session, BURN_POS_END);
    burn_track_define_data(track, 0, 0, 1, BURN_MODE1);
    const bool sourced = burn_track_set_source(track, streamForBurn(tallied)) == BURN_SOURCE_OK;
    burn_session_add_track(session, track, BURN_POS_END);
    operation_.stream = stream; // kept to stop the image producer if the write ends early
    operation_.tallied = tallied;
    operation_.tally = std::move(tally);
    operation_.disc = disc;
    operation_.session = session;
    operation_.track = track;

    burn_write_opts* options = burn_write_opts_new(drive);
    char reasons[BURN_REASONS_LEN] = {};
    bool writable = sourced && options;
    if (writable) {
        burn_write_opts_set_perform_opc(options, 0);
        burn_write_opts_set_multi(options, 0);
        burn_write_opts_set_underrun_proof(options, 1);
        writable = burn_write_opts_auto_write_type(options, disc, reasons, 0) != BURN_WRITE_NONE;
    }
    if (!writable) {
        if (options)
            burn_write_opts_free(options);
        freeOperation();
        drainBurnMessages();
        drainImageMessages();
        return false;
    }
    burn_drive_set_speed(drive, 0, speedValue);
    operation_.job = job;
    operation_.drive = drive;
    operation_.options = options;
    operation_.startDeadline = std::chrono::steady_clock::now() + std::chrono::seconds(StartPatienceSeconds);
    pending_.push_back(WriteStatusEvent{write_status::Preparing, 0});
    tryToStart();
    return true;
}

// After a cancelled or failed write libburn's thread takes a moment to wind down, and until it
// has, libburn turns new work on that drive away (and would report the previous run's result
// as this one's). So the start is repeated on the following polls until libburn takes it.
void LibburnEngine::tryToStart() {
    Operation& op = operation_;
    drainBurnMessages(); // the previous run's last words are not this run's
    if (op.job == Job::Erase) {
        burn_disc_erase(op.drive, 1);
    } else {
        recordStartByte();
        drainBurnMessages(); // a drive that cannot tell is no failure of the write
        burn_disc_write(op.options, op.disc);
    }
    bool turnedAway = false;
    for (StackMessage& message : drainBurnMessages()) {
        if (message.code == DriveStillBusyCode)
            turnedAway = true;
        else if (message.rank >= RankSorry)
            op.failures.push_back(std::move(message));
    }
    op.startPending = turnedAway;
    if (turnedAway) {
        op.failures.clear();
    } else if (op.options) {
        burn_write_opts_free(op.options);
        op.options = nullptr;
    }
}

bool LibburnEngine::startWrite(int speedValue) {
    if (busy() || !current_.drive)
        return false;
    return beginWrite(current_.drive, speedValue, Job::WriteDisc);
}

bool LibburnEngine::startIsoFile(const std::string& path) {
    if (busy() || !initialized_ || path.empty())
        return false;
    const fs::path target(path);
    std::error_code error;
    if (fs::is_directory(target, error))
        return false;
    // Written beside the target and renamed over it only when complete, so a failed or
    // cancelled save leaves any earlier file of that name untouched.
    std::string pattern = (target.parent_path().empty() ? fs::path(".") : target.parent_path()) /
                          ("." + target.filename().string() + ".XXXXXX");
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return false;
    ::fchmod(fd, 0644);
    ::close(fd);
    Operation& op = operation_;
    if (!grab(op.isoDrive, "stdio:" + pattern, false) ||
        !beginWrite(op.isoDrive.drive, 0, Job::SaveIso)) {
        release(op.isoDrive, false);
        ::unlink(pattern.c_str());
        drainBurnMessages();
        return false;
    }
    op.isoTemp = pattern;
    op.isoTarget = path;
    return true;
}

bool LibburnEngine::startQuickErase() {
    if (busy() || !current_.drive || !canQuickErase(refreshMedia()))
        return false;
    drainBurnMessages();
    operation_.job = Job::Erase;
    operation_.drive = current_.drive;
    operation_.startDeadline = std::chrono::steady_clock::now() + std::chrono::seconds(StartPatienceSeconds);
    pending_.push_back(EraseStatusEvent{erase_status::Started, 0});
    tryToStart();
    return true;
}

void LibburnEngine::abort() {
    if (operation_.job != Job::WriteDisc && operation_.job != Job::SaveIso)
        return;
    if (!operation_.cancelRequested) {
        operation_.cancelRequested = true;
        operation_.cancelTime = std::chrono::steady_clock::now();
    }
    if (operation_.verify)
        operation_.verify->control().requestStop();
    else if (!operation_.startPending && operation_.drive)
        burn_drive_cancel(operation_.drive);
}

// libisofs fills its buffer from a thread of its own, which waits forever for a reader that
// has gone unless the stream is cancelled.
void LibburnEngine::stopImageProducer() {
    burn::burn_source* stream = streamForBurn(operation_.stream);
    if (stream && stream->version >= 1 && stream->cancel)
        stream->cancel(stream);
}

// ---- events ----

std::vector<BurnEvent> LibburnEngine::poll() {
    std::vector<BurnEvent> events(pending_.begin(), pending_.end());
    pending_.clear();
    if (!busy()) {
        if (initialized_) {
            drainBurnMessages();
            drainImageMessages();
        }
        return events;
    }
    if (operation_.verify) {
        pollVerify(events);
        return events;
    }
    if (operation_.startPending) {
        if (operation_.cancelRequested) {
            events.push_back(WriteStatusEvent{write_status::Cancelled, 0});
            abandonOperation();
        } else if (std::chrono::steady_clock::now() > operation_.startDeadline) {
            const std::string text = "The drive is still busy with a previous operation.";
            if (operation_.job == Job::Erase) {
                events.push_back(EraseErrorEvent{{0, text, currentName_, "SORRY"}});
                events.push_back(EraseStatusEvent{erase_status::Failed, 0});
            } else {
                events.push_back(WriteErrorEvent{error_kind::System, 0, text, {}});
                events.push_back(WriteStatusEvent{write_status::Failed, 0});
            }
            abandonOperation();
        } else {
            tryToStart();
        }
        return events;
    }
    collectMessages(events);
    // A cancel that arrives while libburn is still spawning its thread goes unheard: repeat it.
    if (operation_.cancelRequested)
        burn_drive_cancel(operation_.drive);
    burn_progress progress{};
    const burn_drive_status status = burn_drive_get_status(operation_.drive, &progress);
    if (status == BURN_DRIVE_IDLE) {
        finishOperation(events);
        return events;
    }
    reportProgress(status, progress.sector, progress.sectors, events);
    if (operation_.cancelRequested && std::chrono::steady_clock::now() - operation_.cancelTime >
                                          std::chrono::seconds(options_.cancelPatienceSeconds))
        tearDownStuckWrite(events);
    return events;
}

// Keeps failures for the closing report; warnings about source files are passed on at once
// (they do not stop the write).
void LibburnEngine::collectMessages(std::vector<BurnEvent>& events) {
    for (StackMessage& message : drainImageMessages()) {
        if (message.rank >= RankMishap)
            operation_.failures.push_back(std::move(message));
        else if (message.rank >= RankWarning && operation_.job != Job::Erase) {
            // libisofs names the file in quotes within its text.
            std::string fileName;
            const std::size_t open = message.text.find_first_of("\"'");
            const std::size_t close = open == std::string::npos ? open : message.text.find(message.text[open], open + 1);
            if (close != std::string::npos)
                fileName = message.text.substr(open + 1, close - open - 1);
            events.push_back(TrackFileWarningEvent{message.code, message.text, fileName});
        }
    }
    for (StackMessage& message : drainBurnMessages())
        if (message.rank >= RankSorry)
            operation_.failures.push_back(std::move(message));
}

void LibburnEngine::reportProgress(int driveStatus, int sector, int sectors, std::vector<BurnEvent>& events) {
    Operation& op = operation_;
    if (op.job == Job::Erase) {
        if (driveStatus != BURN_DRIVE_ERASING)
            return;
        const int percent = sectors > 0 ? static_cast<int>(100LL * sector / sectors) : 0;
        if (percent != op.lastProgress)
            events.push_back(EraseStatusEvent{erase_status::Progress, percent});
        op.lastProgress = percent;
        return;
    }
    int status = -1;
    switch (driveStatus) {
    case BURN_DRIVE_WRITING_PREGAP: status = write_status::WritingFirst; break;
    case BURN_DRIVE_WRITING:
    case BURN_DRIVE_WRITING_SYNC: status = write_status::Writing; break;
    case BURN_DRIVE_CLOSING_TRACK: status = write_status::ClosingTrack; break;
    case BURN_DRIVE_WRITING_LEADIN: status = write_status::WritingLeadIn; break;
    case BURN_DRIVE_WRITING_LEADOUT: status = write_status::WritingLeadOut; break;
    case BURN_DRIVE_CLOSING_SESSION: status = write_status::UpdatingVolume; break;
    default: return;
    }
    const bool carriesProgress = status >= write_status::WritingFirst && status <= write_status::WritingLast;
    const int percent = carriesProgress && sectors > 0 ? static_cast<int>(std::min(100LL, 100LL * sector / sectors)) : 0;
    if (carriesProgress ? percent != op.lastProgress : status != op.lastStatus)
        events.push_back(WriteStatusEvent{status, percent});
    op.lastStatus = status;
    if (carriesProgress)
        op.lastProgress = percent;
}

void LibburnEngine::finishOperation(std::vector<BurnEvent>& events) {
    const bool wroteWell = burn_drive_wrote_well(operation_.drive) == 1;
    collectMessages(events);
    if (operation_.job == Job::Erase)
        finishErase(wroteWell, events);
    else
        finishWrite(wroteWell, events);
    if (operation_.verify)
        releaseWriteObjects(); // the write is over; the operation goes on with the read-back
    else
        freeOperation();
}

DriveError LibburnEngine::driveErrorFrom(const StackMessage* message) const {
    DriveError error;
    error.first = currentName_;
    if (!message) {
        error.description = "The drive did not complete the operation.";
        error.second = "FAILURE";
        return error;
    }
    error.code = message->osErrno != 0 ? message->osErrno : message->code;
    error.description = message->text;
    error.second = message->severity;
    return error;
}

void LibburnEngine::finishWrite(bool wroteWell, std::vector<BurnEvent>& events) {
    Operation& op = operation_;
    const bool saving = op.job == Job::SaveIso;
    const int role = burn_drive_get_drive_role(op.drive);
    const bool fileTarget = role == 2 || role == 3;
    // A source file that could not be read explains the rest; otherwise the worst complaint.
    const auto imageFailure = std::find_if(op.failures.begin(), op.failures.end(),
                                           [](const StackMessage& m) { return m.fromImage; });
    const StackMessage* worst = imageFailure != op.failures.end() ? &*imageFailure : mostSevere(op.failures);
    const bool imageFailed = worst && worst->fromImage;
    const bool driveFailed = worst && !worst->fromImage;
    const bool failed = !wroteWell || imageFailed || driveFailed;

    if (saving)
        release(op.isoDrive, false);
    else
        regrabCurrent();
    op.drive = nullptr; // released above; not to be touched again

    if (op.cancelRequested) {
        if (saving)
            ::unlink(op.isoTemp.c_str());
        else if (fileTarget && current_.drive)
            targetFileUsable(current_.drive, true); // a file standing in for a disc is left blank
        events.push_back(WriteStatusEvent{write_status::Cancelled, 0});
        return;
    }
    WriteErrorEvent error;
    if (worst) {
        error.code = worst->osErrno != 0 ? worst->osErrno : worst->code;
        error.text = worst->text;
    } else {
        error.text = "The data was not written completely.";
    }
    if (!failed) {
        if (!startVerify(events))
            completeWrite(events);
        return;
    }
    if (saving)
        ::unlink(op.isoTemp.c_str());
    if (imageFailed)
        error.kind = error_kind::SourceFile;
    else if (saving || fileTarget)
        error.kind = error_kind::OutputFile;
    else {
        error.kind = error_kind::Drive;
        error.drive = driveErrorFrom(worst);
    }
    events.push_back(error);
    events.push_back(WriteStatusEvent{write_status::Failed, 0});
}

// The write went well (and was verified where it could be): a saved image takes its name.
void LibburnEngine::completeWrite(std::vector<BurnEvent>& events) {
    Operation& op = operation_;
    if (op.job == Job::SaveIso && ::rename(op.isoTemp.c_str(), op.isoTarget.c_str()) != 0) {
        const int code = errno;
        ::unlink(op.isoTemp.c_str());
        verified_ = false;
        events.push_back(WriteErrorEvent{error_kind::OutputFile, code, std::strerror(code), {}});
        events.push_back(WriteStatusEvent{write_status::Failed, 0});
        return;
    }
    events.push_back(WriteStatusEvent{write_status::WritingLast, 100});
    events.push_back(WriteStatusEvent{write_status::Completed, 100});
}

void LibburnEngine::finishErase(bool wroteWell, std::vector<BurnEvent>& events) {
    const StackMessage* worst = mostSevere(operation_.failures);
    if (wroteWell && !worst) {
        events.push_back(EraseStatusEvent{erase_status::Progress, 100});
        events.push_back(EraseStatusEvent{erase_status::Completed, 100});
        return;
    }
    events.push_back(EraseErrorEvent{driveErrorFrom(worst)});
    events.push_back(EraseStatusEvent{erase_status::Failed, 0});
}

// A write blocked inside the operating system never sees burn_drive_cancel. burn_abort waits a
// little, then shuts the library down; it is started again so the program stays usable.
void LibburnEngine::tearDownStuckWrite(std::vector<BurnEvent>& events) {
    Operation& op = operation_;
    burn_abort(1, nullptr, nullptr);
    LibburnSession::forgetStarted();
    // The drives went down with the library: forget them without touching them.
    op.isoDrive = Grab{};
    current_ = Grab{};
    if (op.job == Job::SaveIso)
        ::unlink(op.isoTemp.c_str());
    op.disc = nullptr;
    op.session = nullptr;
    op.track = nullptr;
    operation_ = Operation{};
    initialized_ = false;
    initialize();
    events.push_back(WriteErrorEvent{error_kind::System, 0, "The drive did not respond to the cancel request.", {}});
    events.push_back(WriteStatusEvent{write_status::Cancelled, 0});
}

// Ends an operation whose write never started.
void LibburnEngine::abandonOperation() {
    if (operation_.job == Job::SaveIso)
        ::unlink(operation_.isoTemp.c_str());
    freeOperation();
}

void LibburnEngine::freeOperation() {
    releaseWriteObjects();
    operation_ = Operation{}; // a read-back still running is stopped and waited for
}

void LibburnEngine::releaseWriteObjects() {
    Operation& op = operation_;
    if (op.options)
        burn_write_opts_free(op.options);
    stopImageProducer();
    freeStream(op.stream);
    freeStream(op.tallied);
    if (op.track)
        burn_track_free(op.track);
    if (op.session)
        burn_session_free(op.session);
    if (op.disc)
        burn_disc_free(op.disc);
    release(op.isoDrive, false);
    op.options = nullptr;
    op.stream = nullptr;
    op.tallied = nullptr;
    op.track = nullptr;
    op.session = nullptr;
    op.disc = nullptr;
}

} // namespace discora
