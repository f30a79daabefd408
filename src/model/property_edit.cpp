#include "model/property_edit.h"

#include "model/demo.h"
#include "model/property_fields.h"
#include "model/property_values.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

namespace vantora {
namespace {

using F = PropertyField;

// Reports an applied change to whoever listens to the subject's demo.
void report(const PropertySubject& subject, F field) {
    if (!subject.scene)
        return;
    ModelChangeKind kind;
    if (subject.object)
        kind = field == F::Name ? ModelChangeKind::ObjectRenamed : ModelChangeKind::ObjectChanged;
    else
        kind = field == F::SceneName ? ModelChangeKind::SceneRenamed : ModelChangeKind::SceneChanged;
    NotifySceneChange(*subject.scene, kind, subject.object);
}

EditResult unchanged(const PropertyRow& row, const PropertySubject& subject) {
    return {false, DisplayValue(row, subject), false};
}

EditResult applied(const PropertyRow& row, const PropertySubject& subject, bool refill = false) {
    report(subject, row.field);
    return {true, DisplayValue(row, subject), refill};
}

EditResult storeText(const PropertyRow& row, const PropertySubject& subject, std::string_view text) {
    std::string* slot = TextField(subject, row.field);
    if (!slot || *slot == text)
        return unchanged(row, subject);
    slot->assign(text);
    return applied(row, subject);
}

EditResult storeNumber(const PropertyRow& row, const PropertySubject& subject, std::int32_t value) {
    const auto stored = NumberField(subject, row.field);
    if (!stored || *stored == value || !SetNumberField(subject, row.field, value))
        return unchanged(row, subject);
    return applied(row, subject);
}

EditResult pickFitSize(const PropertyRow& row, const PropertySubject& subject, std::string_view text) {
    TDemoObject* object = subject.object;
    const RgbaImage* rendered = subject.rendered;
    if (text != "True" || !object || !rendered || rendered->empty() || IsFitSize(*object, rendered))
        return unchanged(row, subject);
    object->Width = rendered->width;
    object->Height = rendered->height;
    // Whoever listens may render the resized object anew and drop the picture `rendered` points
    // at, so the cell's text is settled before they hear of it: the object fits now.
    report(subject, row.field);
    return {true, "True", true}; // the Width and Height rows show new values
}

EditResult pickClickAction(const PropertyRow& row, const PropertySubject& subject, std::int32_t code) {
    TDemoObject* object = subject.object;
    if (!object || code < 0 || code > 255 || object->Command.Action == code)
        return unchanged(row, subject);
    object->Command.Action = static_cast<std::uint8_t>(code);
    object->Command.Param.clear(); // an old address must not become a scene name
    return applied(row, subject, true);
}

bool resizesToPicture(const PropertyRow& row, const PropertySubject& subject) {
    return row.field == F::Picture && subject.object &&
           (subject.object->Kind == TObjectKind::Image || subject.object->Kind == TObjectKind::Button);
}

std::string upperAscii(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

EditResult ApplyTyped(const PropertyRow& row, const PropertySubject& subject, std::string_view text) {
    if (row.route == EditRoute::TypedAtOnce)
        return storeText(row, subject, text);
    if (row.route == EditRoute::PickOrTyped)
        return ApplyPick(row, subject, text);
    if (row.route != EditRoute::Typed)
        return unchanged(row, subject);
    const auto number = ParseInteger(text);
    if (!number)
        return unchanged(row, subject); // not a number: the stored value comes back
    return storeNumber(row, subject, ClampToRange(*number, row.minimum, row.maximum));
}

EditResult ApplyPick(const PropertyRow& row, const PropertySubject& subject, std::string_view text) {
    if (row.route != EditRoute::Pick && row.route != EditRoute::PickOrTyped)
        return unchanged(row, subject);
    if (row.field == F::FitSize)
        return pickFitSize(row, subject, text);
    if (row.field == F::ActionParam) {
        const bool offered = std::find(row.pickList.begin(), row.pickList.end(), text) != row.pickList.end();
        return offered ? storeText(row, subject, text) : unchanged(row, subject);
    }
    std::optional<int> code = CodeOfName(row.names, text);
    if (!code && row.field == F::TextGradientStyle)
        code = 0; // an unknown typed style means no gradient
    if (!code)
        return unchanged(row, subject);
    if (row.field == F::ClickAction)
        return pickClickAction(row, subject, *code);
    return storeNumber(row, subject, *code);
}

EditResult ApplyTextBody(const PropertySubject& subject, std::string text) {
    PropertyRow row{"Text", F::Text, EditRoute::Dialog, DialogKind::TextEditor};
    return storeText(row, subject, text);
}

EditResult ApplyFont(const PropertySubject& subject, const TObjectFont& font) {
    PropertyRow row{"Font", F::Font, EditRoute::Dialog, DialogKind::Font};
    if (!subject.object || subject.object->Font == font)
        return unchanged(row, subject);
    subject.object->Font = font;
    return applied(row, subject, true); // the FontColor row follows the font
}

EditResult ApplyColour(const PropertyRow& row, const PropertySubject& subject, TColor colour) {
    TColor* slot = ColourField(subject, row.field);
    if (!slot || *slot == colour)
        return unchanged(row, subject);
    *slot = colour;
    return applied(row, subject);
}

EditResult ApplyPicture(const PropertyRow& row, const PropertySubject& subject, Picture picture,
                        std::optional<PictureSize> size) {
    Picture* slot = PictureField(subject, row.field);
    if (!slot)
        return unchanged(row, subject);
    bool resized = false;
    if (resizesToPicture(row, subject) && !picture.empty()) {
        if (!size) {
            const RgbaImage decoded = picture.decode();
            if (!decoded.empty())
                size = PictureSize{decoded.width, decoded.height};
        }
        if (size && size->width > 0 && size->height > 0) {
            subject.object->Width = size->width;
            subject.object->Height = size->height;
            resized = true;
        }
    }
    *slot = std::move(picture);
    return applied(row, subject, resized);
}

std::optional<std::string> SoundTypeOfFile(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    if (extension.size() < 2)
        return std::nullopt;
    extension = upperAscii(extension.substr(1));
    if (extension == "WAV" || extension == "MP3")
        return extension;
    return std::nullopt;
}

SoundLoadResult LoadSoundFile(const PropertySubject& subject, const std::filesystem::path& path) {
    SoundLoadResult result;
    const PropertyRow row{"Audio", F::Audio, EditRoute::Dialog, DialogKind::SoundFile};
    result.edit = unchanged(row, subject);
    const auto type = SoundTypeOfFile(path);
    if (!type) {
        result.status = SoundLoadResult::Status::InvalidFileType;
        result.message = std::string(kInvalidFileTypeMessage);
        return result;
    }
    if (!subject.object) {
        result.message = "No sound object is selected.";
        return result;
    }
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxSoundFileBytes) {
        result.message = error ? "The sound file \"" + path.string() + "\" cannot be read."
                               : "The sound file \"" + path.string() + "\" is too large.";
        return result;
    }
    std::ifstream file(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!file || !file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        result.message = "The sound file \"" + path.string() + "\" cannot be read.";
        return result;
    }
    subject.object->AudioData = std::move(bytes);
    subject.object->AudioType = *type;
    result.status = SoundLoadResult::Status::Loaded;
    result.edit = applied(row, subject);
    return result;
}

} // namespace vantora
