// The libburn engine: setting up, the image layout, drives and media. The long operations and
// their events are in libburn_operations.cpp.
#include "discburn/libburn_engine.h"

#include "discburn/burning_stack.h"
#include "discburn/libburn_session.h"
#include "discburn/verify_job.h"

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

} // namespace

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
    if (operation_.verify)
        abandonOperation(); // stops the read-back; the write itself is over
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
        burn_drive_clear_whitelist(); // grabbing by address leaves one behind that would hide drives
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
    if (!current_.drive || busy())
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

} // namespace discora
