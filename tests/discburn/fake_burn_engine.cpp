#include "fake_burn_engine.h"

namespace discora::test {

bool FakeBurnEngine::initialize() {
    ++initializeCalls;
    return initializes;
}

void FakeBurnEngine::resetLayout() {
    ++resetCalls;
    folders.clear();
    files.clear();
}

bool FakeBurnEngine::addFolder(const std::string& sourceFolder, const std::string& targetName) {
    if (failingTargets.count(targetName))
        return false;
    folders.emplace_back(sourceFolder, targetName);
    return true;
}

bool FakeBurnEngine::addFile(const std::string& sourceFile, const std::string& targetName) {
    if (failingTargets.count(targetName))
        return false;
    files.emplace_back(sourceFile, targetName);
    return true;
}

bool FakeBurnEngine::selectDrive(int index) {
    selected = index;
    return index >= 0 && index < static_cast<int>(driveList.size());
}

bool FakeBurnEngine::startWrite(int speedValue) {
    writeSpeed = speedValue;
    running = writeStarts;
    return writeStarts;
}

bool FakeBurnEngine::startIsoFile(const std::string& path) {
    isoPath = path;
    running = isoStarts;
    return isoStarts;
}

bool FakeBurnEngine::startQuickErase() {
    ++erases;
    running = eraseStarts;
    return eraseStarts;
}

std::vector<BurnEvent> FakeBurnEngine::poll() {
    std::vector<BurnEvent> events(queued.begin(), queued.end());
    queued.clear();
    return events;
}

} // namespace discora::test
