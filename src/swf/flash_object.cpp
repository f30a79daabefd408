#include "swf/flash_object.h"

#include "swf/movie.h"

namespace swf {

void TFlashIDObject::Assign(const TBasedSWFObject& source) {
    if (const auto* other = dynamic_cast<const TFlashIDObject*>(&source)) {
        SetCharacterId(other->GetCharacterId());
        if (Owner() == nullptr && other->Owner() != nullptr)
            SetOwner(other->Owner());
    }
}

int32_t TFlashVisualObject::UnitsMultiplier() const {
    if (twips_ || Owner() == nullptr)
        return 1;
    return Owner()->UnitsMultiplier();
}

} // namespace swf
