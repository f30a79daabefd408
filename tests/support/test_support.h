#pragma once
// Helpers shared by the test executables.

#include <filesystem>
#include <string>
#include <vector>

namespace vantora::test {

// A fresh, empty folder that is removed with the object. Also the place to point VANTORA_HOME at.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Sets VANTORA_HOME to a fresh folder for the lifetime of the object and restores it afterwards.
class ScopedProgramFolder {
public:
    ScopedProgramFolder();
    ~ScopedProgramFolder();
    const std::filesystem::path& path() const { return dir_.path(); }

private:
    TempDir dir_;
    std::string previous_;
    bool hadPrevious_ = false;
};

// Path of a file under tests/data.
std::filesystem::path dataFile(const std::string& relative);

std::vector<unsigned char> readFileBytes(const std::filesystem::path& path);
void writeFileBytes(const std::filesystem::path& path, const std::vector<unsigned char>& bytes);
// How many entries a folder holds (a safe write must leave no temporary file behind).
std::size_t entriesIn(const std::filesystem::path& folder);

// Runs a command line, returns its exit status and fills `output` with what it wrote to stdout.
int runCommand(const std::string& commandLine, std::string& output);

} // namespace vantora::test
