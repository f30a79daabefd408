#pragma once
// Files the library tests put into library folders: pictures of a known size and colour, sound
// files of a few bytes, gallery objects, and files that are not what their name says.

#include "model/object_kind.h"

#include <QColor>

#include <cstdint>
#include <filesystem>
#include <string>

namespace vantora::test {

// A PNG of width x height filled with `colour`.
std::filesystem::path WritePicture(const std::filesystem::path& file, int width, int height, QColor colour);

// A file of a few bytes that the library lists take for a sound by its name.
std::filesystem::path WriteSound(const std::filesystem::path& file, std::uint8_t fill);

// A gallery file holding a default object of `kind` with the name, start time and size given.
std::filesystem::path WriteGalleryObject(const std::filesystem::path& file, TObjectKind kind, const std::string& name,
                                         std::int32_t startTime = 0, std::int32_t width = 0, std::int32_t height = 0);

// Bytes that are no picture and no object record.
std::filesystem::path WriteGarbage(const std::filesystem::path& file);

} // namespace vantora::test
