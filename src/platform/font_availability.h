#pragma once
// Whether this machine has a font family, or only a stand-in for it.

#include <string>

namespace vantora {

// True when fontconfig finds the family itself or a face it names as that family's metric
// equivalent ("Arial" is served by Liberation Sans); false when only a generic fallback would
// draw it. The empty name is not available.
bool FontFamilyAvailable(const std::string& family);

} // namespace vantora
