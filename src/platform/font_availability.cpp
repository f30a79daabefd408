#include "platform/font_availability.h"

#include <fontconfig/fontconfig.h>

namespace vantora {
namespace {

bool installed(const FcChar8* family) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, family);
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    const bool found = fonts && fonts->nfont > 0;
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

} // namespace

bool FontFamilyAvailable(const std::string& family) {
    if (family.empty() || !FcInit())
        return false;
    // The configuration's substitutions bind the family's metric equivalents as strongly as the
    // family itself; the preferred faces of the generic fallback that follow are bound weakly.
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    bool available = false;
    FcValue name;
    FcValueBinding binding = FcValueBindingWeak;
    for (int i = 0; !available && FcPatternGetWithBinding(pattern, FC_FAMILY, i, &name, &binding) == FcResultMatch;
         ++i) {
        if (binding == FcValueBindingWeak || name.type != FcTypeString)
            break;
        available = installed(name.u.s);
    }
    FcPatternDestroy(pattern);
    return available;
}

} // namespace vantora
