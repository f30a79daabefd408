#include "discburn/texts.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace discora {

namespace {

std::string formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string formatted(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::vector<char> buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    return buffer.data();
}

// Two texts of a drive's complaint, "(first) - second".
std::string driveHeadline(const DriveError& error) {
    return "(" + error.first + ") - " + error.second;
}

} // namespace

// Speeds and sizes are shown with two decimals ("4.00x", "650.50 MB"): six, as a bare C "%f"
// would give, only clutter the list and the notice.
std::string speedText(double factor) { return formatted("%.2fx", factor); }

std::string megabytesText(std::uint64_t bytes) {
    return formatted("%.2f MB", static_cast<double>(bytes) / 1048576.0);
}

std::string notEnoughSpaceText(std::uint64_t imageBytes, std::uint64_t freeBytes) {
    return "This data image requires " + megabytesText(imageBytes) + " of free space!\n" +
           "Free space on the loaded disc is " + megabytesText(freeBytes) + ".";
}

std::string folderNotFoundText(const std::string& folder) {
    return "Folder \"" + folder + "\" not found!";
}

std::string folderPattern(const std::string& folder) {
    if (!folder.empty() && folder.back() == '/')
        return folder + "*.*";
    return folder + "/*.*";
}

std::string folderNotAddedText(const std::string& pattern) {
    return "\"" + pattern + "\" can not be added to the CD/DVD image!";
}

std::string fileNotAddedText(const std::string& path) {
    return "Can not add \"" + path + "\" to the image!";
}

std::string writeErrorText(const WriteErrorEvent& error) {
    switch (error.kind) {
    case error_kind::Drive:
        return driveHeadline(error.drive) + "\n" +
               formatted("Device Error: (%d)  %s", error.drive.code, error.drive.description.c_str());
    case error_kind::OutputFile:
        return formatted("Output File Error: (%d) - %s", error.code, error.text.c_str());
    case error_kind::SourceFile:
        return formatted("Source File Error: (%d) - %s", error.code, error.text.c_str());
    case error_kind::Verify:
        return "Verify Error: " + error.text;
    case error_kind::System:
        return formatted("System Error: (%d) %s", error.code, error.text.c_str());
    default:
        return formatted("Write Error: (%d) %s", error.code, error.text.c_str());
    }
}

std::string trackFileWarningText(const TrackFileWarningEvent& warning) {
    return formatted("File Warning(%d): %s", warning.code, warning.text.c_str()) + " -- " + warning.fileName;
}

std::string eraseErrorText(const DriveError& error) {
    return driveHeadline(error) + "\n" +
           formatted("Device Error: (%d) %s", error.code, error.description.c_str());
}

} // namespace discora
