#pragma once
// The work files of a build: pictures that reach the movie through files are written to the folder
// "Temp" in the program folder as t1.jpg, t2.jpg, ... The running number starts again with every
// build; the files stay after the build.

#include <cstdint>
#include <filesystem>
#include <span>

namespace vantora {

class WorkFiles {
public:
    // The folder "Temp" in the program folder, created when missing (throws MovieBuildError when
    // it cannot be).
    WorkFiles();
    explicit WorkFiles(std::filesystem::path folder);

    const std::filesystem::path& Folder() const { return folder_; }
    // Raises the running number and writes `bytes` to the next file with that extension (".jpg").
    // Throws MovieBuildError naming the file when it cannot be written.
    std::filesystem::path Write(std::span<const std::uint8_t> bytes, const char* extension);

private:
    std::filesystem::path folder_;
    int number_ = 0;
};

} // namespace vantora
