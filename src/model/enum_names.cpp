#include "model/enum_names.h"

namespace vantora {

std::optional<std::string_view> NameOfCode(NameList names, int code) {
    for (const NamedCode& entry : names)
        if (entry.code == code)
            return entry.name;
    return std::nullopt;
}

std::optional<int> CodeOfName(NameList names, std::string_view name) {
    for (const NamedCode& entry : names)
        if (entry.name == name)
            return entry.code;
    return std::nullopt;
}

namespace {

constexpr NamedCode kBoolean[] = {{0, "False"}, {1, "True"}};
constexpr NamedCode kAlignment[] = {{0, "Left"}, {1, "Center"}, {2, "Right"}};
constexpr NamedCode kLayout[] = {{0, "Top"}, {1, "Center"}, {2, "Bottom"}};
constexpr NamedCode kBalloonArrow[] = {{0, "None"},     {1, "LeftDown"},  {2, "LeftUp"},
                                       {3, "TopLeft"},  {4, "TopRight"},  {5, "RightUp"},
                                       {6, "RightDown"}, {7, "BottomRight"}, {8, "BottomLeft"}};
// "RightBottmCorner" is the name files and users have always seen; it stays as it is.
constexpr NamedCode kRoundBalloonArrow[] = {
    {0, "LeftBottomCorner"}, {1, "LeftBottom"},  {2, "LeftTop"},          {3, "LeftTopCorner"},
    {4, "TopLeft"},          {5, "TopRight"},    {6, "TopRightCorner"},   {7, "RightTop"},
    {8, "RightBottom"},      {9, "RightBottmCorner"}, {10, "BottomRight"}, {11, "BottomLeft"}};
constexpr NamedCode kNoteGraphic[] = {{0, "None"}, {1, "Custom"}, {2, "Bind"}, {3, "Clip"}, {4, "Pad"}, {5, "Pin"}};
constexpr NamedCode kNoteGraphicOffered[] = {{0, "None"}, {2, "Bind"}, {4, "Pad"}};
constexpr NamedCode kTextGradientStyle[] = {{0, "None"},        {1, "LeftToRight"},       {2, "RightToLeft"},
                                            {3, "TopToBottom"}, {4, "BottomToTop"},       {5, "CenterToLeftRight"},
                                            {6, "CenterToTopBottom"}};
constexpr NamedCode kShapeKind[] = {{0, "Rectangle"}, {1, "Ellipse"},  {2, "Diamond"},  {3, "ArrowLeft"},
                                    {4, "ArrowRight"}, {5, "ArrowUp"}, {6, "ArrowDown"}, {7, "LineHorz"},
                                    {8, "LineVert"},  {9, "LineLeftTopToRightBottom"}, {10, "LineTopRightToBottomLeft"}};
constexpr NamedCode kFillStyle[] = {{0, "Solid"}, {1, "Clear"}};
constexpr NamedCode kRightAngle[] = {{0, "0"}, {90, "90"}, {180, "180"}, {270, "270"}};
constexpr NamedCode kCursorType[] = {
    {0, "Custom"},      {1, "AppStart"},  {2, "Arrow"},    {3, "Beam"},     {4, "Cross"},
    {5, "Drag"},        {6, "HandPoint"}, {7, "Help"},     {8, "HourGlass"}, {9, "HSplit"},
    {10, "MultiDrag"},  {11, "No"},       {12, "NoDrop"},  {13, "SizeAll"}, {14, "SizeNESW"},
    {15, "SizeNS"},     {16, "SizeNWSE"}, {17, "SizeWE"},  {18, "UpArrow"}, {19, "VSplit"}};
constexpr NamedCode kTransparentMode[] = {{0, "Auto"}, {1, "TransparentColor"}};
constexpr NamedCode kBackImageStyle[] = {{0, "Normal"}, {1, "Center"}, {2, "Stretch"}, {3, "Tile"}};
constexpr NamedCode kClickAction[] = {{0, "None"},      {1, "Play"},      {2, "Stop"},      {3, "ReplayScene"},
                                      {4, "ReplayAll"}, {5, "NextScene"}, {6, "PreScene"},  {7, "GotoScene"},
                                      {8, "VisitWebSite"}, {9, "SendEmail"}};
constexpr NamedCode kObjectCenter[] = {{0, "CustomCenter"},     {1, "Center"},           {2, "LeftTopCorner"},
                                       {3, "TopCenter"},        {4, "TopRightCorner"},   {5, "RightCenter"},
                                       {6, "RightBottomCorner"}, {7, "BottomCenter"},    {8, "BottomLeftCorner"},
                                       {9, "LeftCenter"},       {10, "ArrowPoint"}};
constexpr NamedCode kAnimationType[] = {{0, "None"}, {1, "OnlyForInOut"}, {2, "AllTimeLoop"}};

} // namespace

namespace names {
const NameList Boolean{kBoolean};
const NameList Alignment{kAlignment};
const NameList Layout{kLayout};
const NameList BalloonArrow{kBalloonArrow};
const NameList RoundBalloonArrow{kRoundBalloonArrow};
const NameList NoteGraphic{kNoteGraphic};
const NameList NoteGraphicOffered{kNoteGraphicOffered};
const NameList TextGradientStyle{kTextGradientStyle};
const NameList ShapeKind{kShapeKind};
const NameList FillStyle{kFillStyle};
const NameList RightAngle{kRightAngle};
const NameList CursorType{kCursorType};
const NameList TransparentMode{kTransparentMode};
const NameList BackImageStyle{kBackImageStyle};
const NameList ClickAction{kClickAction};
const NameList ClickActionOffered{NameList{kClickAction}.first(9)};
const NameList ObjectCenter{kObjectCenter};
const NameList ObjectCenterPlain{NameList{kObjectCenter}.first(10)};
const NameList AnimationType{kAnimationType};
} // namespace names

} // namespace vantora
