#pragma once
// The texts the burner shows that are built from values: speeds, sizes, error and warning lines.
// Kept apart from the window so they can be checked without one.

#include "discburn/burn_engine.h"

#include <cstdint>
#include <string>

namespace discora {

// A speed factor as listed in "Write Speed:", e.g. "4.00x".
std::string speedText(double factor);
// Bytes as megabytes for the free-space notice, e.g. "650.50 MB".
std::string megabytesText(std::uint64_t bytes);
// The two-line notice shown when the image does not fit on the disc.
std::string notEnoughSpaceText(std::uint64_t imageBytes, std::uint64_t freeBytes);

std::string folderNotFoundText(const std::string& folder);
// The pattern naming a folder's contents, as shown when the folder cannot be added.
std::string folderPattern(const std::string& folder);
std::string folderNotAddedText(const std::string& pattern);
std::string fileNotAddedText(const std::string& path);

std::string writeErrorText(const WriteErrorEvent& error);
std::string trackFileWarningText(const TrackFileWarningEvent& warning);
std::string eraseErrorText(const DriveError& error);

} // namespace discora
