#include "model/colour_names.h"

namespace vantora {
namespace {

constexpr NamedColour kColours[] = {
    {RGB(0, 0, 0), "Black"},          {RGB(128, 0, 0), "Maroon"},      {RGB(0, 128, 0), "Green"},
    {RGB(128, 128, 0), "Olive"},      {RGB(0, 0, 128), "Navy"},        {RGB(128, 0, 128), "Purple"},
    {RGB(0, 128, 128), "Teal"},       {RGB(128, 128, 128), "Gray"},    {RGB(192, 192, 192), "Silver"},
    {RGB(255, 0, 0), "Red"},          {RGB(0, 255, 0), "Lime"},        {RGB(255, 255, 0), "Yellow"},
    {RGB(0, 0, 255), "Blue"},         {RGB(255, 0, 255), "Fuchsia"},   {RGB(0, 255, 255), "Aqua"},
    {RGB(255, 255, 255), "White"},    {RGB(192, 220, 192), "Money Green"}, {RGB(166, 202, 240), "Sky Blue"},
    {RGB(255, 251, 240), "Cream"},    {RGB(160, 160, 164), "Medium Gray"},
};

} // namespace

std::span<const NamedColour> NamedColours() { return kColours; }

std::string ColourDisplayName(TColor colour) {
    for (const NamedColour& entry : kColours)
        if (entry.value == colour)
            return std::string(entry.name);
    return "Custom";
}

} // namespace vantora
