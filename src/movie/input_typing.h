#pragma once
// The typing effect of an InputText object: which part of its text is shown in a frame, and
// whether the caret blinks on.

#include "model/demo_object.h"

#include <cstdint>
#include <string>

namespace vantora {

struct TypedText {
    std::u16string Shown;
    bool Caret = false;
    bool operator==(const TypedText&) const = default;
};

// The text at `sinceStart` frames after the object's start, at `frameRateFactor` frames per
// timeline unit. The caret blinks half a second on, half a second off, and is off once the whole
// text is shown. A CharDelay of 0 or below types the rest of the text at once when the typing
// starts.
TypedText TypedTextAt(const TDemoObject& input, std::int64_t sinceStart, std::int32_t frameRateFactor);

// The object's text as the movie's text fields take it.
std::u16string WideText(const std::string& utf8);

} // namespace vantora
