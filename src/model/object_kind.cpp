#include "model/object_kind.h"

#include <array>

namespace vantora {
namespace {

struct KindInfo {
    std::string_view name;
    std::string_view newText;
};

// Indexed by the kind code.
constexpr std::array<KindInfo, kObjectKindCount> kKinds{{
    {"RoundBalloon", "New RoundBalloon"},
    {"Note", "New Note"},
    {"Shape", ""},
    {"Image", ""},
    {"Label", "New Label"},
    {"Text", "New Text"},
    {"InputText", "New InputText"},
    {"Button", "New Button"},
    {"Cursor", ""},
    {"Audio", ""},
    {"Balloon", "New Balloon"},
}};

} // namespace

std::optional<TObjectKind> ObjectKindFromByte(std::uint8_t code) {
    if (code >= kObjectKindCount)
        return std::nullopt;
    return static_cast<TObjectKind>(code);
}

std::string_view ObjectKindName(TObjectKind kind) {
    const auto index = static_cast<std::size_t>(kind);
    return index < kKinds.size() ? kKinds[index].name : std::string_view{};
}

std::optional<TObjectKind> ObjectKindFromName(std::string_view name) {
    for (std::size_t i = 0; i < kKinds.size(); ++i)
        if (kKinds[i].name == name)
            return static_cast<TObjectKind>(i);
    return std::nullopt;
}

std::string_view NewObjectText(TObjectKind kind) {
    const auto index = static_cast<std::size_t>(kind);
    return index < kKinds.size() ? kKinds[index].newText : std::string_view{};
}

} // namespace vantora
