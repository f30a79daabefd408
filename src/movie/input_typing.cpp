#include "movie/input_typing.h"

#include <QString>

#include <algorithm>

namespace vantora {

std::u16string WideText(const std::string& utf8) { return QString::fromStdString(utf8).toStdU16String(); }

TypedText TypedTextAt(const TDemoObject& input, std::int64_t sinceStart, std::int32_t frameRateFactor) {
    const std::u16string text = WideText(input.Text);
    const std::int64_t factor = std::max<std::int32_t>(frameRateFactor, 1);
    const std::int64_t a = std::max<std::int64_t>(sinceStart, 0);
    TypedText result;
    result.Caret = ((a / 5) / factor) % 2 == 0;
    // Characters before InputFrom stand from the start; the typing goes on from there.
    const std::size_t prefix = std::size_t(std::clamp<std::int64_t>(std::int64_t(input.*slot::InputFrom) - 1, 0,
                                                                    std::int64_t(text.size())));
    const std::int64_t typing = a - std::int64_t(input.*slot::InputDelay) * factor;
    std::size_t shown = prefix;
    if (typing >= 0) {
        const std::int64_t perChar = std::int64_t(input.*slot::CharDelay) * factor;
        const std::int64_t typed = perChar > 0 ? typing / perChar : std::int64_t(text.size());
        shown = std::size_t(std::min<std::int64_t>(std::int64_t(prefix) + typed, std::int64_t(text.size())));
    }
    result.Shown = text.substr(0, shown);
    if (shown == text.size())
        result.Caret = false;
    return result;
}

} // namespace vantora
