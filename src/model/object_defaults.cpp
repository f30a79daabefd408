#include "model/object_defaults.h"

#include <array>

namespace vantora {
namespace {

constexpr TColor kBalloonYellow = RGB(253, 197, 2);
constexpr TColor kOrange = RGB(255, 192, 0);

TObjectFont arialFont(std::int32_t height, TColor colour) {
    TObjectFont font;
    font.Name = "Arial";
    font.Height = height;
    font.Color = colour;
    font.Bold = true;
    return font;
}

void balloonCommon(TDemoObject& o) {
    o.Flat = false;
    o.Font = arialFont(-12, clBlack); // 9 pt
    o.Width = 121;
    o.Spacing = 0;
    o.Alignment = 1;
    o.BackColor = kBalloonYellow;
    SetFadeInOut(o.Animation);
    o.Animation.ObjectCenter = static_cast<std::int32_t>(TObjectCenter::ArrowPoint);
}

void noteDefaults(TDemoObject& o) {
    o.Round = 3;
    o.Flat = false;
    o.Shadow = true;
    o.Option = 2; // "Bind"
    o.BackColor = RGB(0, 62, 255);
    o.TextShadow = true;
    o.Font = arialFont(-13, clWhite); // 10 pt
    o.Width = 161;
    o.Height = 145;
    o.Spacing = 0;
    SetFadeInOut(o.Animation);
}

void balloonDefaults(TDemoObject& o) {
    balloonCommon(o);
    o.Round = 17;
    o.Margin = 12;
    o.Shadow = false;
    o.Option = 8; // "BottomLeft"
    o.Height = 73;
}

void roundBalloonDefaults(TDemoObject& o) {
    balloonCommon(o);
    o.Round = 66;
    o.Shadow = true;
    o.Option = 10; // "BottomRight"
    o.Height = 97;
}

void shapeDefaults(TDemoObject& o) {
    o.Spacing = 0; // square corners
    o.BorderColor = kOrange;
    o.BackColor = clYellow;
    o.Style = 0; // "Rectangle"
    SetFadeInOut(o.Animation);
}

void labelDefaults(TDemoObject& o) {
    o.Height = 25;
    SetFadeInOut(o.Animation);
}

void inputTextDefaults(TDemoObject& o) {
    o.Alignment = 0;
    o.Layout = 0;
    o.Angle = 1;   // InputFrom: type from the first character
    o.Margin = 10; // InputDelay
    o.Spacing = 2; // CharDelay
    o.Height = 25;
}

void buttonDefaults(TDemoObject& o) {
    o.Alignment = 1;
    o.Layout = 1;
    o.Round = 5;
    o.Height = 33;
    o.BorderWidth = 1;
    o.BackColor = kOrange;
    SetFadeInOut(o.Animation);
    // Brighter under the mouse, darker while pressed.
    o.TextAngle = o.TextSpray = o.TextBlur = 10;
    o.MouseDownRedOff = o.TextShadowBlur = o.TextShadowXOff = -10;
    o.Font.Bold = true;
    o.Command.Action = static_cast<std::uint8_t>(TCommandAction::Play);
}

void cursorDefaults(TDemoObject& o) {
    o.Style = 2; // "Arrow"
}

void commonOnly(TDemoObject&) {}

using KindDefaults = void (*)(TDemoObject&);

// Indexed by the kind code.
constexpr std::array<KindDefaults, kObjectKindCount> kKindDefaults{
    roundBalloonDefaults, // RoundBalloon
    noteDefaults,         // Note
    shapeDefaults,        // Shape
    commonOnly,           // Image
    labelDefaults,        // Label
    commonOnly,           // Text
    inputTextDefaults,    // InputText
    buttonDefaults,       // Button
    cursorDefaults,       // Cursor
    commonOnly,           // Audio
    balloonDefaults,      // Balloon
};

} // namespace

TDemoObject MakeDefaultObject(TObjectKind kind, std::int32_t left, std::int32_t top) {
    TDemoObject object; // the record's initialisers are the common values
    object.Kind = kind;
    object.Left = left;
    object.Top = top;
    object.Text = std::string(NewObjectText(kind));
    const auto index = static_cast<std::size_t>(kind);
    if (index < kKindDefaults.size())
        kKindDefaults[index](object);
    return object;
}

} // namespace vantora
