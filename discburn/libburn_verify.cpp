// The libburn engine reads back what it wrote. A drive gives back the written blocks, which are
// compared with the tally kept while libburn took them; an image file is also read as a file
// system and compared with the folder it was laid out from.
#include "discburn/libburn_engine.h"

#include "discburn/burning_stack.h"
#include "discburn/image_tree_check.h"
#include "discburn/readback_check.h"
#include "discburn/tallying_stream.h"
#include "discburn/verify_job.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace discora {

using namespace burn;

namespace {

constexpr std::uint64_t SectorBytes = 2048;

// Drive roles of libburn: 1 a real drive, 2 a file or block device that can also be read.
constexpr int RealDriveRole = 1;
constexpr int ReadableFileRole = 2;

BlockReader driveReader(burn_drive* drive) {
    return [drive](std::uint64_t address, char* data, std::size_t size) {
        off_t count = 0;
        constexpr int quietOnReadError = 2;
        return burn_read_data(drive, static_cast<off_t>(address), data, static_cast<off_t>(size), &count,
                              quietOnReadError) == 1 &&
               count == static_cast<off_t>(size);
    };
}

// An open file, closed with its last reader.
struct OpenFile {
    explicit OpenFile(const std::string& path) : fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~OpenFile() {
        if (fd >= 0)
            ::close(fd);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd;
};

BlockReader fileReader(const std::string& path) {
    auto file = std::make_shared<OpenFile>(path);
    return [file](std::uint64_t address, char* data, std::size_t size) {
        std::size_t done = 0;
        while (file->fd >= 0 && done < size) {
            const ssize_t count = ::pread(file->fd, data + done, size - done, static_cast<off_t>(address + done));
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0)
                return false;
            done += static_cast<std::size_t>(count);
        }
        return done == size;
    };
}

bool isRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string addressOf(burn_drive* drive) {
    char adr[BURN_DRIVE_ADR_LEN] = {};
    burn_drive_d_get_adr(drive, adr);
    return adr;
}

} // namespace

// Where the track will begin: known only before the write, from the drive's next writable address.
void LibburnEngine::recordStartByte() {
    Operation& op = operation_;
    int lba = 0;
    int nwa = 0;
    op.startByte = 0;
    if (burn_disc_track_lba_nwa(op.drive, op.options, 0, &lba, &nwa) == 1 && nwa > 0)
        op.startByte = static_cast<std::uint64_t>(nwa) * SectorBytes;
}

// Starts reading back a write that went well; false when the target cannot be read back (a
// write-only file or pipe), so the write is complete without a verify.
bool LibburnEngine::startVerify(std::vector<BurnEvent>& events) {
    Operation& op = operation_;
    const BlockTally written = op.tally ? op.tally->snapshot() : BlockTally();
    if (written.bytes() == 0)
        return false;
    std::string imageFile; // an image that can also be read as a file system
    std::string writtenAt;
    BlockReader reader;
    const std::uint64_t startByte = op.startByte;
    if (op.job == Job::SaveIso) {
        imageFile = writtenAt = op.isoTemp;
        reader = fileReader(op.isoTemp);
    } else {
        if (!current_.drive)
            return false;
        const int role = burn_drive_get_drive_role(current_.drive);
        if (role != RealDriveRole && role != ReadableFileRole)
            return false;
        writtenAt = role == ReadableFileRole ? addressOf(current_.drive) : current_.address;
        if (role == ReadableFileRole && startByte == 0 && isRegularFile(writtenAt))
            imageFile = writtenAt;
        reader = driveReader(current_.drive);
    }
    if (options_.beforeVerify)
        options_.beforeVerify(writtenAt);

    const std::uint64_t expected = written.bytes() * (imageFile.empty() ? 1 : 2);
    op.verify = std::make_unique<VerifyJob>(
        expected, [imageFile, layout = layout_.entries(), written, startByte, reader](VerifyControl& control) {
            if (!imageFile.empty()) {
                VerifyOutcome tree = checkImageTree(imageFile, layout, control);
                if (!tree.matches())
                    return tree;
            }
            return checkReadBack(written, startByte, reader, control);
        });
    op.lastProgress = 0;
    events.push_back(WriteStatusEvent{write_status::Verifying, 0});
    return true;
}

void LibburnEngine::pollVerify(std::vector<BurnEvent>& events) {
    Operation& op = operation_;
    if (!op.verify->finished()) {
        const int percent = op.verify->control().percent();
        if (percent != op.lastProgress)
            events.push_back(WriteStatusEvent{write_status::Verifying, percent});
        op.lastProgress = percent;
        return;
    }
    const VerifyOutcome outcome = op.verify->outcome();
    drainImageMessages(); // the notes of reading the image back are no news of the write
    drainBurnMessages();
    const bool saving = op.job == Job::SaveIso;
    if (op.cancelRequested || outcome.result == VerifyOutcome::Result::Stopped) {
        if (saving)
            ::unlink(op.isoTemp.c_str());
        events.push_back(WriteStatusEvent{write_status::Cancelled, 0});
    } else if (!outcome.matches()) {
        if (saving)
            ::unlink(op.isoTemp.c_str());
        events.push_back(WriteErrorEvent{error_kind::Verify, 0, outcome.problem, {}});
        events.push_back(WriteStatusEvent{write_status::Failed, 0});
    } else {
        verified_ = true;
        events.push_back(WriteStatusEvent{write_status::Verifying, 100});
        completeWrite(events);
    }
    freeOperation();
}

} // namespace discora
