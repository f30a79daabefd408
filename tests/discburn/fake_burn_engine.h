#pragma once
// A burning engine for tests: it answers from its public fields, records what it was asked, and
// hands out the events a test queues.

#include "discburn/burn_engine.h"

#include <deque>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace discora::test {

class FakeBurnEngine final : public BurnEngine {
public:
    // Answers.
    bool initializes = true;
    std::vector<DriveEntry> driveList{{"Fake Writer", true}};
    std::vector<SpeedEntry> speedList;
    MediaInfo media{true, true, false, 0};
    bool quickEraseSupported = true;
    std::uint64_t imageBytes = 1024 * 1024;
    std::uint64_t freeSpace = 700ull * 1024 * 1024;
    bool writeStarts = true;
    bool isoStarts = true;
    bool eraseStarts = true;
    bool verified = false;
    std::set<std::string> failingTargets; // target names whose adding fails

    // Record.
    int initializeCalls = 0;
    int resetCalls = 0;
    std::vector<std::pair<std::string, std::string>> folders; // (source, target)
    std::vector<std::pair<std::string, std::string>> files;
    std::string label;
    int selected = -1;
    int writeSpeed = -1;
    std::string isoPath;
    int ejects = 0;
    int trayCloses = 0;
    int aborts = 0;
    int erases = 0;

    // Events for the next poll; `running` is what busy() says.
    std::deque<BurnEvent> queued;
    bool running = false;

    bool initialize() override;
    void resetLayout() override;
    bool addFolder(const std::string& sourceFolder, const std::string& targetName) override;
    bool addFile(const std::string& sourceFile, const std::string& targetName) override;
    void setVolumeLabel(const std::string& text) override { label = text; }
    std::uint64_t imageSize() override { return imageBytes; }
    std::vector<DriveEntry> drives() override { return driveList; }
    bool selectDrive(int index) override;
    std::vector<SpeedEntry> speeds() override { return speedList; }
    MediaInfo refreshMedia() override { return media; }
    bool canQuickErase(const MediaInfo&) override { return quickEraseSupported; }
    std::uint64_t freeBytes() override { return freeSpace; }
    bool startWrite(int speedValue) override;
    bool startIsoFile(const std::string& path) override;
    bool startQuickErase() override;
    void abort() override { ++aborts; }
    bool wasVerified() override { return verified; }
    bool busy() const override { return running; }
    void eject() override { ++ejects; }
    void closeTray() override { ++trayCloses; }
    std::vector<BurnEvent> poll() override;
};

} // namespace discora::test
