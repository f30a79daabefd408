#pragma once
// The kinds of objects a scene can hold. The code is stored as one byte in project, gallery and
// clipboard data, so the numbering is fixed.

#include <cstdint>
#include <optional>
#include <string_view>

namespace vantora {

enum class TObjectKind : std::uint8_t {
    RoundBalloon = 0,
    Note = 1,
    Shape = 2,
    Image = 3,
    Label = 4,
    Text = 5,
    InputText = 6,
    Button = 7,
    Cursor = 8,
    Audio = 9,
    Balloon = 10,
};

constexpr int kObjectKindCount = 11;

// Converts a stored byte; nullopt for codes no kind uses (damaged files).
std::optional<TObjectKind> ObjectKindFromByte(std::uint8_t code);

// "RoundBalloon", "Note", ...: the base of new object names and the gallery's kind text.
std::string_view ObjectKindName(TObjectKind kind);

// Exact, case-sensitive lookup of a kind name.
std::optional<TObjectKind> ObjectKindFromName(std::string_view name);

// The body text a new object starts with ("New Note", ...); empty for kinds without text.
std::string_view NewObjectText(TObjectKind kind);

constexpr bool IsBalloonKind(TObjectKind kind) {
    return kind == TObjectKind::Balloon || kind == TObjectKind::RoundBalloon;
}

} // namespace vantora
