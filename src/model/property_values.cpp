#include "model/property_values.h"

#include "model/colour_names.h"
#include "model/demo.h"
#include "model/property_fields.h"

namespace vantora {

std::string PictureDisplayName(const Picture& picture) {
    if (picture.empty())
        return "[None]";
    switch (picture.format()) {
    case PictureFormat::Bitmap: return "[Bitmap]";
    case PictureFormat::Jpeg: return "[JPEGImage]";
    case PictureFormat::Png: return "[PNGImage]";
    case PictureFormat::Gif: return "[GIFImage]";
    case PictureFormat::Icon: return "[Icon]";
    case PictureFormat::Metafile: return "[Metafile]";
    case PictureFormat::Empty: break;
    }
    return "[None]";
}

std::string SoundDisplayName(const std::string& audioType) {
    return "[" + (audioType.empty() ? std::string("None") : audioType) + "]";
}

std::string TextBodyDisplay(const std::string& text) { return text.empty() ? "[None]" : "[Text]"; }

bool IsFitSize(const TDemoObject& object, const RgbaImage* rendered) {
    return rendered && !rendered->empty() && rendered->width == object.Width && rendered->height == object.Height;
}

std::string DisplayValue(const PropertyRow& row, const PropertySubject& subject) {
    if (row.field == PropertyField::FitSize)
        return subject.object && IsFitSize(*subject.object, subject.rendered) ? "True" : "False";
    if (row.field == PropertyField::Font)
        return subject.object ? subject.object->Font.Name : std::string();
    if (row.field == PropertyField::Audio)
        return subject.object ? SoundDisplayName(subject.object->AudioType) : std::string();
    if (const std::string* text = TextField(subject, row.field))
        return row.dialog == DialogKind::TextEditor ? TextBodyDisplay(*text) : *text;
    if (const TColor* colour = ColourField(subject, row.field))
        return ColourDisplayName(*colour);
    if (const Picture* picture = PictureField(subject, row.field))
        return PictureDisplayName(*picture);
    if (auto number = NumberField(subject, row.field)) {
        if (!row.names.empty())
            if (auto name = NameOfCode(row.names, *number))
                return std::string(*name);
        return std::to_string(*number);
    }
    return {};
}

} // namespace vantora
