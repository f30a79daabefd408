#include "render/natural_size.h"

#include "model/demo_object.h"
#include "model/object_kind.h"
#include "render/object_renderer.h"
#include "render/speaker_icon.h"

namespace vantora {

std::optional<NaturalObjectSize> NaturalSize(const TDemoObject& object) {
    switch (object.Kind) {
    case TObjectKind::Audio: return NaturalObjectSize{kSpeakerIconSize, kSpeakerIconSize};
    case TObjectKind::Cursor: {
        const std::optional<RgbaImage> picture = RenderObject(object);
        if (!picture || picture->empty())
            return std::nullopt;
        return NaturalObjectSize{picture->width, picture->height};
    }
    default: return std::nullopt;
    }
}

void TakeNaturalSize(TDemoObject& object) {
    if (const std::optional<NaturalObjectSize> size = NaturalSize(object)) {
        object.Width = size->width;
        object.Height = size->height;
    }
}

} // namespace vantora
