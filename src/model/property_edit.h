#pragma once
// Applying edits of the "Properties" grid to the model. Every function writes the model only
// when the value really changes, reports the change through the demo's notifier (ObjectChanged,
// ObjectRenamed, SceneChanged or SceneRenamed) and returns what the cell shows afterwards.

#include "model/object_font.h"
#include "model/property_rows.h"
#include "picture/picture.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vantora {

struct EditResult {
    bool changed = false;  // the model was written
    std::string cellText;  // the cell's text afterwards
    bool refill = false;   // other rows changed too (their values or the rows themselves): fill the
                           // grid again
};

// A typed value, when the cell is left (Typed) or on every change (TypedAtOnce). Numbers are
// clamped to the row's bounds; text that is no number restores the stored value.
EditResult ApplyTyped(const PropertyRow& row, const PropertySubject& subject, std::string_view text);

// A value chosen from the pick list, compared exactly with the row's names. A name the row does
// not know changes nothing, except for "TextGradientStyle", which then stores 0 ("None").
EditResult ApplyPick(const PropertyRow& row, const PropertySubject& subject, std::string_view text);

// The confirmed results of the dialogs.
EditResult ApplyTextBody(const PropertySubject& subject, std::string text);
EditResult ApplyFont(const PropertySubject& subject, const TObjectFont& font);
EditResult ApplyColour(const PropertyRow& row, const PropertySubject& subject, TColor colour);

struct PictureSize {
    int width = 0;
    int height = 0;
};

// A picture from the image editor. For "Image" and "ButtonImage" a non-empty picture also sets
// the object's size to the picture's own size: `size` when the caller knows it, else the size of
// the decoded picture (unchanged when it does not decode).
EditResult ApplyPicture(const PropertyRow& row, const PropertySubject& subject, Picture picture,
                        std::optional<PictureSize> size = std::nullopt);

// The sound row's file dialog filter and its refusal text.
inline constexpr std::string_view kSoundFileFilter =
    "All (*.wav; *.mp3)|*.wav; *.mp3|WAV files (*.wav)|*.wav|MP3 files (*.mp3)|*.mp3";
inline constexpr std::string_view kInvalidFileTypeMessage = "Invalid file type.";
inline constexpr std::string_view kInvalidFileTypeCaption = "Information";

// "WAV" or "MP3" for a file whose extension is one of them in any case; nullopt otherwise.
std::optional<std::string> SoundTypeOfFile(const std::filesystem::path& path);

struct SoundLoadResult {
    enum class Status { Loaded, InvalidFileType, ReadFailed };
    Status status = Status::ReadFailed;
    std::string message; // for the message box when not Loaded
    EditResult edit;
};

// Sounds larger than this are refused: project files hold at most 2 GiB per stream, and a sound
// of that size is a mistake, not a narration.
constexpr std::uintmax_t kMaxSoundFileBytes = 256u * 1024u * 1024u;

// Loads the whole sound file into AudioData and sets AudioType; other file types are refused
// with "Invalid file type." and nothing changes.
SoundLoadResult LoadSoundFile(const PropertySubject& subject, const std::filesystem::path& path);

} // namespace vantora
