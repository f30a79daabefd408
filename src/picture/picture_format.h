#pragma once
// Telling picture formats apart: by the bytes (magic numbers), by a file name's extension, and by
// the format class names under which project and gallery files store pictures.

#include "picture/picture.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantora {

// The format whose magic number starts `bytes`, or Empty when none matches. Metafiles are the
// placeable and standard Windows metafile headers and the enhanced metafile header.
PictureFormat detectPictureFormat(std::span<const std::uint8_t> bytes);

// The format a file name's extension promises (case-insensitive): .bmp .dib, .jpg .jpeg .jpe
// .jfif, .png, .gif, .ico .cur, .wmf .emf. Empty for anything else.
PictureFormat pictureFormatFromFileName(const std::filesystem::path& fileName);

// The stored class name of a format: "TBitmap", "TJPEGImage", "TPNGObject", "TGIFImage", "TIcon",
// "TMetafile"; empty for Empty.
std::string_view pictureClassName(PictureFormat format);

// The format stored under `className`, compared ignoring case ("TPngObject" is "TPNGObject");
// Empty for an empty name, nothing for a name that is not one of the six.
std::optional<PictureFormat> pictureFormatFromClassName(std::string_view className);

// A short English name for messages ("bitmap", "JPEG", ...).
std::string_view pictureFormatName(PictureFormat format);

} // namespace vantora
