// Damaged or absurd property values: every painter still finishes quickly and stays in bounds.

#include "render/object_renderer.h"
#include "render_test_support.h"

#include <gtest/gtest.h>

#include <climits>

namespace vantora {
namespace {

TEST(ExtremeValues, EveryKindPaintsWithAbsurdSlotValues) {
    const int values[] = {INT_MIN, -100000, -1, 0, 1, 7, 100000, INT_MAX};
    for (int code = 0; code < kObjectKindCount; ++code) {
        for (int value : values) {
            TDemoObject object = test::MakeObject(static_cast<TObjectKind>(code), 64, 48);
            object.Text = "Some text\r\nwith lines";
            object.Margin = value;
            object.Round = value;
            object.Spacing = value;
            object.Option = value;
            object.Style = value;
            object.Angle = value;
            object.BorderWidth = value;
            object.Alignment = value;
            object.Layout = value;
            object.GraphicPlacement = value;
            object.Alpha = value;
            object.Font.Height = value;
            object.TextAngle = value % 1000; // the effect engine's own ranges are its business
            if (const std::optional<RgbaImage> rendered = RenderObject(object)) {
                EXPECT_GT(rendered->width, 0);
                EXPECT_EQ(rendered->pixels.size(), std::size_t(rendered->width) * std::size_t(rendered->height));
            }
        }
    }
}

} // namespace
} // namespace vantora
