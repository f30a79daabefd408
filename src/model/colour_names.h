#pragma once
// The colour list of the colour boxes: sixteen standard colours and four extended ones. A colour
// is shown by the name of the first entry with exactly its value, else as "Custom".

#include "model/colour.h"

#include <span>
#include <string>
#include <string_view>

namespace vantora {

struct NamedColour {
    TColor value;
    std::string_view name;
};

std::span<const NamedColour> NamedColours();

std::string ColourDisplayName(TColor colour);

} // namespace vantora
