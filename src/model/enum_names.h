#pragma once
// The fixed English names under which stored codes are shown and picked. Names are parsed by
// exact, case-sensitive comparison.

#include <optional>
#include <span>
#include <string_view>

namespace vantora {

struct NamedCode {
    int code;
    std::string_view name;
};

using NameList = std::span<const NamedCode>;

std::optional<std::string_view> NameOfCode(NameList names, int code);
std::optional<int> CodeOfName(NameList names, std::string_view name);

namespace names {
extern const NameList Boolean;           // "False", "True"
extern const NameList Alignment;         // "Left", "Center", "Right"
extern const NameList Layout;            // "Top", "Center", "Bottom"
extern const NameList BalloonArrow;      // 0 "None" ... 8 "BottomLeft"
extern const NameList RoundBalloonArrow; // 0 "LeftBottomCorner" ... 11 "BottomLeft"
extern const NameList NoteGraphic;       // 0 "None" ... 5 "Pin"
extern const NameList NoteGraphicOffered; // what the pick list offers: "None", "Bind", "Pad"
extern const NameList TextGradientStyle; // 0 "None" ... 6 "CenterToTopBottom"
extern const NameList ShapeKind;         // 0 "Rectangle" ... 10 "LineTopRightToBottomLeft"
extern const NameList FillStyle;         // "Solid", "Clear"
extern const NameList RightAngle;        // "0", "90", "180", "270" with their values as codes
extern const NameList CursorType;        // 0 "Custom" ... 19 "VSplit"
extern const NameList TransparentMode;   // "Auto", "TransparentColor"
extern const NameList BackImageStyle;    // "Normal", "Center", "Stretch", "Tile"
extern const NameList ClickAction;       // 0 "None" ... 9 "SendEmail"
extern const NameList ClickActionOffered; // codes 0-8: SendEmail is not offered
extern const NameList ObjectCenter;      // 0 "CustomCenter" ... 10 "ArrowPoint"
extern const NameList ObjectCenterPlain; // codes 0-9, for objects without an arrow
extern const NameList AnimationType;     // "None", "OnlyForInOut", "AllTimeLoop"
} // namespace names

} // namespace vantora
