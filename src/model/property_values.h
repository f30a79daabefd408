#pragma once
// How the "Properties" grid shows each value: colour names, "[Text]"/"[None]", picture and sound
// names in brackets, enumeration names, decimal numbers.

#include "model/property_rows.h"
#include "picture/picture.h"

#include <string>

namespace vantora {

// "[Bitmap]", "[JPEGImage]", "[PNGImage]", "[GIFImage]", "[Icon]", "[Metafile]" or "[None]".
std::string PictureDisplayName(const Picture& picture);

// "[WAV]", "[MP3]" or "[None]".
std::string SoundDisplayName(const std::string& audioType);

// "[Text]" when the text has content, else "[None]".
std::string TextBodyDisplay(const std::string& text);

// True when the object's rendered picture exists and has exactly the object's size.
bool IsFitSize(const TDemoObject& object, const RgbaImage* rendered);

// The cell text of a row for the subject. A stored code no name stands for (from a damaged file)
// is shown as its number.
std::string DisplayValue(const PropertyRow& row, const PropertySubject& subject);

} // namespace vantora
