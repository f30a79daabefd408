#pragma once
// The burning engine on libburn (drives, media, writing, erasing) and libisofs (the image).
// libburn's own threads do the long work; poll() looks at the drive and turns what it sees into
// the engine's events.

#include "discburn/burn_engine.h"
#include "discburn/iso_layout.h"

#include <chrono>
#include <ctime>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct burn_source;

namespace burn {
struct burn_drive;
struct burn_drive_info;
struct burn_disc;
struct burn_session;
struct burn_track;
struct burn_write_opts;
} // namespace burn

namespace discora {

struct StackMessage;
class SharedTally;
class VerifyJob;

class LibburnEngine final : public BurnEngine {
public:
    struct Options {
        bool scanDrives = true;               // look for the machine's optical drives
        std::vector<std::string> extraDrives; // further addresses, e.g. "stdio:/tmp/disc.iso"
        std::time_t fixedTime = 0;            // stamp the image with this time (0 = now)
        int cancelPatienceSeconds = 10;       // then a write that ignores the cancel is torn down
        int driveRoles = 0;                   // passed to burn_allow_drive_role_4 when non-zero
        // Called just before written data is read back, with the written image file (or the
        // drive's address); tests damage the image here.
        std::function<void(const std::string& written)> beforeVerify;
    };

    // DISCORA_DRIVES, when set, lists the drive addresses to offer (separated by ";") instead
    // of scanning the machine; an empty value offers none.
    static Options optionsFromEnvironment();

    explicit LibburnEngine(Options options);
    ~LibburnEngine() override;

    bool initialize() override;

    void resetLayout() override;
    bool addFolder(const std::string& sourceFolder, const std::string& targetName) override;
    bool addFile(const std::string& sourceFile, const std::string& targetName) override;
    void setVolumeLabel(const std::string& label) override;
    std::uint64_t imageSize() override;

    std::vector<DriveEntry> drives() override;
    bool selectDrive(int index) override;
    std::vector<SpeedEntry> speeds() override;
    MediaInfo refreshMedia() override;
    bool canQuickErase(const MediaInfo& media) override;
    std::uint64_t freeBytes() override;

    bool startWrite(int speedValue) override;
    bool startIsoFile(const std::string& path) override;
    bool startQuickErase() override;
    void abort() override;
    bool wasVerified() override { return verified_; }
    bool busy() const override { return operation_.job != Job::None; }

    void eject() override;
    void closeTray() override;

    std::vector<BurnEvent> poll() override;

private:
    struct KnownDrive {
        std::string address;
        std::string name;
        bool compatible = true;
    };
    // A drive held by this program.
    struct Grab {
        burn::burn_drive_info* infos = nullptr;
        burn::burn_drive* drive = nullptr;
        std::string address;
    };
    enum class Job { None, WriteDisc, SaveIso, Erase };
    struct Operation {
        Job job = Job::None;
        burn::burn_drive* drive = nullptr;
        burn::burn_disc* disc = nullptr;
        burn::burn_session* session = nullptr;
        burn::burn_track* track = nullptr;
        ::burn_source* stream = nullptr;
        ::burn_source* tallied = nullptr;    // the stream as libburn takes it, summed on the way
        std::shared_ptr<SharedTally> tally;   // what libburn took for the disc
        std::uint64_t startByte = 0;          // where on the media the track begins
        std::unique_ptr<VerifyJob> verify;    // reading the written data back, once written
        burn::burn_write_opts* options = nullptr; // until libburn has taken the write
        bool startPending = false;
        std::chrono::steady_clock::time_point startDeadline;
        int lastStatus = -1;
        int lastProgress = -1;
        bool cancelRequested = false;
        std::chrono::steady_clock::time_point cancelTime;
        std::vector<StackMessage> failures;
        Grab isoDrive;           // the file drive of Save ISO File
        std::string isoTemp;     // written first, renamed over isoTarget on success
        std::string isoTarget;
    };

    bool grab(Grab& grab, const std::string& address, bool loadTray);
    void release(Grab& grab, bool ejectTray);
    bool targetFileUsable(burn::burn_drive* drive, bool truncate);
    bool beginWrite(burn::burn_drive* drive, int speedValue, Job job);
    void collectMessages(std::vector<BurnEvent>& events);
    void reportProgress(int driveStatus, int sector, int sectors, std::vector<BurnEvent>& events);
    void finishOperation(std::vector<BurnEvent>& events);
    void finishWrite(bool wroteWell, std::vector<BurnEvent>& events);
    void completeWrite(std::vector<BurnEvent>& events);
    void recordStartByte();
    bool startVerify(std::vector<BurnEvent>& events);
    void pollVerify(std::vector<BurnEvent>& events);
    void finishErase(bool wroteWell, std::vector<BurnEvent>& events);
    void tearDownStuckWrite(std::vector<BurnEvent>& events);
    void tryToStart();
    void abandonOperation();
    void freeOperation();
    void releaseWriteObjects();
    void stopImageProducer();
    void regrabCurrent();
    DriveError driveErrorFrom(const StackMessage* message) const;

    Options options_;
    IsoLayout layout_;
    bool initialized_ = false;
    std::vector<KnownDrive> known_;
    Grab current_;
    std::string currentName_;
    Operation operation_;
    std::deque<BurnEvent> pending_;
    bool verified_ = false;
};

} // namespace discora
