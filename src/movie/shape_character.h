#pragma once
// Shape objects become vector shapes built in their registration rectangle: rectangles (rounded
// when RoundForRect is set), ellipses, diamonds, four block arrows and four lines, with the
// object's border as line style and its FillStyle as fill.

#include "model/demo_object.h"
#include "swf/records.h"

#include <vector>

namespace swf {
class TFlashMovie;
class TFlashShape;
} // namespace swf

namespace vantora {

// The seven points of the block arrows (shape types 3 to 6), relative to the registration
// rectangle's top-left corner; empty for other types.
std::vector<swf::TPoint> ArrowPolygon(int shapeType, std::int32_t w, std::int32_t h, std::int32_t border);

swf::TFlashShape* BuildShapeCharacter(swf::TFlashMovie& movie, const TDemoObject& shape);

} // namespace vantora
