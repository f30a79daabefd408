#include "discburn/libburn_engine.h"

#include "discburn/burning_stack.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace discora {

using namespace burn;
namespace fs = std::filesystem;

namespace {

constexpr int StdioProfile = 0xffff;
// libburn's message "A drive operation is still going on".
constexpr int DriveStillBusyCode = 0x20102;
constexpr int StartPatienceSeconds = 15;

std::string trimmed(const char* text) {
    std::string s(text);
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

// Media that is written in place, so data already on it does not keep it from being written.
bool overwritesInPlace(int profile) {
    return profile == 0x12 || profile == 0x13 || profile == 0x1a || profile == 0x43 ||
           profile == StdioProfile;
}

// Kilobytes per second of speed factor 1 for the media family of a profile.
double oneTimesSpeed(int profile) {
    if (profile >= 0x40 && profile <= 0x43)
        return 4495.5;
    if (profile >= 0x10 && profile <= 0x2b)
        return 1385.0;
    return 176.4;
}

const StackMessage* mostSevere(const std::vector<StackMessage>& messages) {
    const StackMessage* worst = nullptr;
    for (const StackMessage& message : messages)
        if (!worst || message.rank > worst->rank)
            worst = &message;
    return worst;
}

} // namespace

// libburn is started once per process and finished when the process ends. Starting it afresh for
// every engine would be cheap, but a write thread of the previous run may still be winding down
// and would then be mistaken for a running operation on the new run's drive.
class LibburnSession {
public:
    static bool start() {
        if (instance().started_)
            return true;
        instance().started_ = burn_initialize() != 0;
        return instance().started_;
    }
    // After burn_abort, which finishes the library itself.
    static void forgetStarted() { instance().started_ = false; }

private:
    ~LibburnSession() {
        if (started_)
            burn_finish();
    }
    static LibburnSession& instance() {
        static LibburnSession session;
        return session;
    }
    bool started_ = false;
};

LibburnEngine::Options LibburnEngine::optionsFromEnvironment() {
    Options options;
    if (const char* list = std::getenv("DISCORA_DRIVES")) {
        options.scanDrives = false;
        std::string text(list);
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find(';', start), text.size());
            if (end > start)
                options.extraDrives.push_back(text.substr(start, end - start));
            start = end + 1;
        }
    }
    return options;
}

LibburnEngine::LibburnEngine(Options options) : options_(std::move(options)) {
    layout_.setFixedTime(options_.fixedTime);
}

LibburnEngine::~LibburnEngine() {
    if (!initialized_)
        return;
    if (busy() && operation_.startPending)
        abandonOperation();
    if (busy()) {
        abort();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (busy() && burn_drive_get_status(operation_.drive, nullptr) != BURN_DRIVE_IDLE &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (burn_drive_get_status(operation_.drive, nullptr) != BURN_DRIVE_IDLE) {
            // The drive ignores us; burn_abort tears the library down without waiting forever.
            burn_abort(2, nullptr, nullptr);
            LibburnSession::forgetStarted();
            return;
        }
        std::vector<BurnEvent> ignored;
        finishOperation(ignored);
    }
    release(current_, false);
    drainBurnMessages();
}

bool LibburnEngine::initialize() {
    if (initialized_)
        return true;
    if (!LibburnSession::start())
        return false;
    queueStackMessages();
    if (options_.driveRoles != 0)
        burn_allow_drive_role_4(options_.driveRoles);
    initialized_ = true;
    return layout_.reset();
}

// ---- layout ----

void LibburnEngine::resetLayout() { layout_.reset(); }

bool LibburnEngine::addFolder(const std::string& sourceFolder, const std::string& targetName) {
    return !busy() && layout_.addFolder(sourceFolder, targetName);
}

bool LibburnEngine::addFile(const std::string& sourceFile, const std::string& targetName) {
    return !busy() && layout_.addFile(sourceFile, targetName);
}

void LibburnEngine::setVolumeLabel(const std::string& label) { layout_.setVolumeLabel(label); }

std::uint64_t LibburnEngine::imageSize() {
    if (busy())
        return 0;
    const std::uint64_t bytes = layout_.size();
    drainImageMessages();
    return bytes;
}

// ---- drives ----

bool LibburnEngine::grab(Grab& grab, const std::string& address, bool loadTray) {
    release(grab, false);
    std::vector<char> adr(address.begin(), address.end());
    adr.push_back('\0');
    if (address.size() >= BURN_DRIVE_ADR_LEN)
        return false;
    burn_drive_info* infos = nullptr;
    if (burn_drive_scan_and_grab(&infos, adr.data(), loadTray ? 1 : 0) != 1) {
        if (infos)
            burn_drive_info_free(infos);
        return false;
    }
    grab.infos = infos;
    grab.drive = infos[0].drive;
    grab.address = address;
    return true;
}

void LibburnEngine::release(Grab& grab, bool ejectTray) {
    if (!grab.drive)
        return;
    burn_drive_release(grab.drive, ejectTray ? 1 : 0);
    burn_drive_info_free(grab.infos);
    grab = Grab{};
}

std::vector<DriveEntry> LibburnEngine::drives() {
    std::vector<DriveEntry> entries;
    if (!initialized_ || busy())
        return entries;
    release(current_, false); // a scan refuses to run while a drive is held
    known_.clear();
    if (options_.scanDrives) {
        burn_drive_info* infos = nullptr;
        unsigned count = 0;
        int scanned = 0;
        for (int attempt = 0; attempt < 100 && (scanned = burn_drive_scan(&infos, &count)) == 0; ++attempt)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (scanned > 0) {
            for (unsigned i = 0; i < count; ++i) {
                char adr[BURN_DRIVE_ADR_LEN] = {};
                if (burn_drive_get_adr(&infos[i], adr) <= 0)
                    continue;
                const burn_drive_info& info = infos[i];
                const bool writes = info.write_cdr || info.write_cdrw || info.write_dvdr || info.write_dvdram;
                known_.push_back({adr, trimmed(info.vendor) + " " + trimmed(info.product) + " (" + adr + ")", writes});
            }
            burn_drive_info_free(infos);
        }
    }
    for (const std::string& address : options_.extraDrives)
        known_.push_back({address, address, true});
    drainBurnMessages();
    for (const KnownDrive& drive : known_)
        entries.push_back({drive.name, drive.compatible});
    return entries;
}

bool LibburnEngine::selectDrive(int index) {
    if (busy() || index < 0 || index >= static_cast<int>(known_.size()))
        return false;
    const bool grabbed = grab(current_, known_[static_cast<std::size_t>(index)].address, false);
    currentName_ = known_[static_cast<std::size_t>(index)].name;
    drainBurnMessages();
    return grabbed;
}

std::vector<SpeedEntry> LibburnEngine::speeds() {
    std::vector<SpeedEntry> result;
    if (!current_.drive)
        return result;
    burn_speed_descriptor* list = nullptr;
    if (burn_drive_get_speedlist(current_.drive, &list) <= 0 || !list)
        return result;
    int profile = 0;
    char profileName[80] = {};
    burn_disc_get_profile(current_.drive, &profile, profileName);
    for (burn_speed_descriptor* item = list; item; item = item->next) {
        if (item->write_speed <= 0)
            continue;
        const bool seen = std::any_of(result.begin(), result.end(),
                                      [&](const SpeedEntry& s) { return s.value == item->write_speed; });
        if (seen)
            continue;
        const int unitProfile = item->profile_loaded > 0 ? item->profile_loaded : profile;
        result.push_back({item->write_speed / oneTimesSpeed(unitProfile), item->write_speed});
    }
    burn_drive_free_speedlist(&list);
    std::sort(result.begin(), result.end(), [](const SpeedEntry& a, const SpeedEntry& b) { return a.value > b.value; });
    return result;
}

// A file standing in for a disc must be writable; grabbing it succeeds either way.
bool LibburnEngine::targetFileUsable(burn_drive* drive, bool truncate) {
    char adr[BURN_DRIVE_ADR_LEN] = {};
    burn_drive_d_get_adr(drive, adr);
    std::string path = adr;
    if (path.empty())
        return false;
    struct stat info {};
    const bool exists = ::stat(path.c_str(), &info) == 0;
    // Without O_NONBLOCK a named pipe nobody reads would hold the window here for good.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK, 0644);
    if (fd < 0)
        return false;
    bool usable = true;
    if (truncate && (!exists || S_ISREG(info.st_mode)))
        usable = ::ftruncate(fd, 0) == 0;
    ::close(fd);
    if (!exists && !truncate)
        ::unlink(path.c_str());
    return usable;
}

MediaInfo LibburnEngine::refreshMedia() {
    MediaInfo media;
    if (!current_.drive || busy())
        return media;
    burn_drive* drive = current_.drive;
    const int role = burn_drive_get_drive_role(drive);
    if (role == 1)
        burn_drive_re_assess(drive, 0);
    const burn_disc_status status = burn_disc_get_status(drive);
    char profileName[80] = {};
    burn_disc_get_profile(drive, &media.type, profileName);
    media.present = status != BURN_DISC_EMPTY && status != BURN_DISC_UNREADY;
    const bool accepts = status == BURN_DISC_BLANK ||
                         (overwritesInPlace(media.type) && media.present && status != BURN_DISC_UNSUITABLE);
    media.writable = media.present && accepts && role != 4;
    if (media.writable && (role == 2 || role == 3))
        media.writable = targetFileUsable(drive, false);
    // libburn can blank a write-only file drive (role 5) that holds data, though it does not
    // call that media erasable.
    const bool holdsData = status == BURN_DISC_APPENDABLE || status == BURN_DISC_FULL;
    media.rewritable = burn_disc_erasable(drive) != 0 || (role == 5 && holdsData);
    drainBurnMessages();
    return media;
}

bool LibburnEngine::canQuickErase(const MediaInfo& media) {
    if (!current_.drive || !media.rewritable)
        return false;
    const int role = burn_drive_get_drive_role(current_.drive);
    return role == 1 || role == 5;
}

std::uint64_t LibburnEngine::freeBytes() {
    if (!current_.drive || busy())
        return 0;
    const off_t bytes = burn_disc_available_space(current_.drive, nullptr);
    return bytes > 0 ? static_cast<std::uint64_t>(bytes) : 0;
}

// After a write libburn's view of the media is stale: it is learnt anew by grabbing again.
void LibburnEngine::regrabCurrent() {
    if (!current_.drive)
        return;
    const std::string address = current_.address;
    release(current_, false);
    grab(current_, address, false);
}

void LibburnEngine::eject() {
    if (!current_.drive || busy())
        return;
    const std::string address = current_.address;
    release(current_, true);
    grab(current_, address, false);
    drainBurnMessages();
}

void LibburnEngine::closeTray() {
    if (!current_.drive || busy())
        return;
    const std::string address = current_.address;
    release(current_, false);
    grab(current_, address, true);
    drainBurnMessages();
}

// ---- long operations ----

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

    burn_disc* disc = burn_disc_create();
    burn_session* session = burn_session_create();
    burn_track* track = burn_track_create();
    burn_disc_add_session(disc, session, BURN_POS_END);
    burn_track_define_data(track, 0, 0, 1, BURN_MODE1);
    const bool sourced = burn_track_set_source(track, streamForBurn(stream)) == BURN_SOURCE_OK;
    burn_session_add_track(session, track, BURN_POS_END);
    operation_.stream = stream; // kept to stop the image producer if the write ends early
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
    if (op.job == Job::Erase)
        burn_disc_erase(op.drive, 1);
    else
        burn_disc_write(op.options, op.disc);
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
    if (!operation_.startPending)
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
    bool failed = !wroteWell || imageFailed || driveFailed;

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
    if (failed && worst) {
        error.code = worst->osErrno != 0 ? worst->osErrno : worst->code;
        error.text = worst->text;
    } else if (failed) {
        error.text = "The data was not written completely.";
    }
    if (!failed && saving && ::rename(op.isoTemp.c_str(), op.isoTarget.c_str()) != 0) {
        failed = true;
        error.code = errno;
        error.text = std::strerror(errno);
        worst = nullptr;
    }
    if (!failed) {
        events.push_back(WriteStatusEvent{write_status::WritingLast, 100});
        events.push_back(WriteStatusEvent{write_status::Completed, 100});
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
    Operation& op = operation_;
    if (op.options)
        burn_write_opts_free(op.options);
    stopImageProducer();
    freeStream(op.stream);
    if (op.track)
        burn_track_free(op.track);
    if (op.session)
        burn_session_free(op.session);
    if (op.disc)
        burn_disc_free(op.disc);
    release(op.isoDrive, false);
    op = Operation{};
}

} // namespace discora
