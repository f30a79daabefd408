#include "movie/work_files.h"

#include "movie/movie_limits.h"
#include "base/program_folder.h"

#include <fstream>
#include <string>
#include <system_error>

namespace vantora {

WorkFiles::WorkFiles() : WorkFiles(ProgramFolder() / "Temp") {}

WorkFiles::WorkFiles(std::filesystem::path folder) : folder_(std::move(folder)) {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error || !std::filesystem::is_directory(folder_))
        throw MovieBuildError("Cannot create the work folder " + folder_.string() + ": " +
                              (error ? error.message() : std::string("not a folder")));
}

std::filesystem::path WorkFiles::Write(std::span<const std::uint8_t> bytes, const char* extension) {
    ++number_;
    // Built by appending: GCC 12 release builds warn wrongly about a literal put before a temporary.
    std::string name(1, 't');
    name.append(std::to_string(number_)).append(extension);
    const std::filesystem::path file = folder_ / name;
    // The last build's file of that name goes first, so that a new file is written: cutting the
    // old one short in place would wait for the disk to finish writing it out, and makes the file
    // system flush the new bytes on closing.
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw MovieBuildError("Cannot write the work file " + file.string());
    return file;
}

} // namespace vantora
