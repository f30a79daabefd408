#include "editor/main_window/alignment.h"

#include "model/demo_object.h"

#include <algorithm>
#include <climits>

namespace vantora {
namespace {

// Floor division, so that negative positions round like positive ones.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

std::int32_t Clamp32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

TObjectBounds Aligned(const TObjectBounds& b, const TObjectBounds& ref, Alignment alignment) {
    TObjectBounds out = b;
    const std::int64_t l = ref.Left, t = ref.Top, w = ref.Width, h = ref.Height;
    switch (alignment) {
    case Alignment::Left: out.Left = ref.Left; break;
    case Alignment::Right: out.Left = Clamp32(l + w - b.Width); break;
    case Alignment::Center: out.Left = Clamp32(l + w / 2 - b.Width / 2); break;
    case Alignment::Top: out.Top = ref.Top; break;
    case Alignment::Bottom: out.Top = Clamp32(t + h - b.Height); break;
    case Alignment::Middle: out.Top = Clamp32(t + h / 2 - b.Height / 2); break;
    case Alignment::ToGrid: break;
    }
    return out;
}

} // namespace

std::int32_t SnapToGrid(std::int32_t value, std::int32_t grid) {
    const std::int64_t g = std::max<std::int32_t>(grid, 1);
    std::int64_t snapped = FloorDiv(static_cast<std::int64_t>(value) + g / 2, g) * g;
    // Near the ends of the range the nearest multiple that still fits.
    if (snapped > INT32_MAX)
        snapped -= g;
    if (snapped < INT32_MIN)
        snapped += g;
    return static_cast<std::int32_t>(snapped);
}

std::vector<std::pair<TDemoObject*, TObjectBounds>> AlignObjects(const std::vector<TDemoObject*>& objects,
                                                                 Alignment alignment, std::int32_t gridX,
                                                                 std::int32_t gridY) {
    std::vector<std::pair<TDemoObject*, TObjectBounds>> changes;
    if (objects.empty())
        return changes;
    const TObjectBounds reference = BoundsOf(*objects.front());
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const TObjectBounds now = BoundsOf(*objects[i]);
        TObjectBounds next = now;
        if (alignment == Alignment::ToGrid) {
            next.Left = SnapToGrid(now.Left, gridX);
            next.Top = SnapToGrid(now.Top, gridY);
        } else if (i > 0) {
            next = Aligned(now, reference, alignment);
        }
        if (next != now)
            changes.emplace_back(objects[i], next);
    }
    return changes;
}

} // namespace vantora
