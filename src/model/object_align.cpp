#include "model/object_align.h"

#include "model/demo_object.h"

#include <algorithm>
#include <limits>

namespace vantora {
namespace {

std::int32_t clampToInt(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

TObjectBounds aligned(const TObjectBounds& reference, TObjectBounds bounds, TAlignMode mode) {
    const std::int64_t left = reference.Left, top = reference.Top;
    switch (mode) {
    case TAlignMode::Left: bounds.Left = reference.Left; break;
    case TAlignMode::Right: bounds.Left = clampToInt(left + reference.Width - bounds.Width); break;
    case TAlignMode::Center: bounds.Left = clampToInt(left + reference.Width / 2 - bounds.Width / 2); break;
    case TAlignMode::Top: bounds.Top = reference.Top; break;
    case TAlignMode::Bottom: bounds.Top = clampToInt(top + reference.Height - bounds.Height); break;
    case TAlignMode::Middle: bounds.Top = clampToInt(top + reference.Height / 2 - bounds.Height / 2); break;
    }
    return bounds;
}

} // namespace

std::vector<TBoundsChange> AlignedBounds(const std::vector<TDemoObject*>& objects, TAlignMode mode) {
    std::vector<TBoundsChange> changes;
    if (objects.size() < 2 || !objects.front())
        return changes;
    const TObjectBounds reference = BoundsOf(*objects.front());
    for (std::size_t i = 1; i < objects.size(); ++i) {
        if (!objects[i])
            continue;
        const TObjectBounds now = BoundsOf(*objects[i]);
        const TObjectBounds wanted = aligned(reference, now, mode);
        if (wanted != now)
            changes.emplace_back(objects[i], wanted);
    }
    return changes;
}

std::int32_t SnapToGrid(std::int32_t value, std::int32_t grid) {
    if (grid < 1)
        return value;
    // Rounded down, not toward zero, so that a position left of or above the scene that already
    // lies on the grid stays where it is.
    const std::int64_t g = grid;
    const std::int64_t shifted = std::int64_t(value) + g / 2;
    std::int64_t snapped = (shifted >= 0 ? shifted / g : -((-shifted + g - 1) / g)) * g;
    // Near the ends of the range: the nearest multiple that still fits.
    if (snapped > std::numeric_limits<std::int32_t>::max())
        snapped -= g;
    if (snapped < std::numeric_limits<std::int32_t>::min())
        snapped += g;
    return std::int32_t(snapped);
}

std::vector<TBoundsChange> GridAlignedBounds(const std::vector<TDemoObject*>& objects, std::int32_t gridX,
                                             std::int32_t gridY) {
    std::vector<TBoundsChange> changes;
    for (TDemoObject* object : objects) {
        if (!object)
            continue;
        TObjectBounds bounds = BoundsOf(*object);
        bounds.Left = SnapToGrid(bounds.Left, gridX);
        bounds.Top = SnapToGrid(bounds.Top, gridY);
        if (bounds != BoundsOf(*object))
            changes.emplace_back(object, bounds);
    }
    return changes;
}

} // namespace vantora
