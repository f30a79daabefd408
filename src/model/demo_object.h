#pragma once
// One object on a scene. Every kind shares one fixed set of slots; what several slots mean
// depends on Kind (a Button keeps its mouse-over offsets in the text-effect slots of a Note, for
// example). The fields keep their declaration order; the project file has an order of its own.
// Only what the project stores lives here: the selection is the editor's, the rendered picture
// the render cache's.

#include "model/animation_settings.h"
#include "model/colour.h"
#include "model/command.h"
#include "model/object_font.h"
#include "model/object_kind.h"
#include "picture/picture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantora {

struct TDemoObject {
    std::string Name;                                // 1
    TObjectKind Kind = TObjectKind::RoundBalloon;    // 2
    std::string Text;                                // 3  body, or caption of Label/InputText/Button
    TObjectFont Font;                                // 4
    std::int32_t Alignment = 0;                      // 5  0 Left, 1 Center, 2 Right
    std::int32_t Layout = 1;                         // 6  0 Top, 1 Center, 2 Bottom
    std::int32_t Spacing = 20;                       // 7  RowPitch / CharDelay / RoundForRect
    std::int32_t Margin = 20;                        // 8  Margin / InputDelay
    std::int32_t Round = 0;                          // 9
    bool Flat = false;                               // 10
    bool Shadow = true;                              // 11
    std::int32_t GraphicPlacement = 1;               // 12 Note graphic variant 0-3
    std::int32_t Style = 0;                          // 13 Shape kind / CursorType
    std::int32_t Option = 0;                         // 14 Arrow / Graphic / FillStyle
    std::int32_t Angle = 0;                          // 15 rotation / InputFrom
    bool HorzMirror = false;                         // 16
    bool VertMirror = false;                         // 17
    TColor BackColor = clWhite;                      // 18 BackColor / FillColor
    TColor BorderColor = clBlack;                    // 19
    std::int32_t BorderWidth = 2;                    // 20
    std::int32_t Alpha = 100;                        // 21 opacity in percent
    std::int32_t TextAngle = 0;                      // 22 Note / Button MouseOverRedOff
    std::int32_t TextSpray = 0;                      // 23 Note / Button MouseOverGreenOff
    std::int32_t TextBlur = 0;                       // 24 Note / Button MouseOverBlueOff
    std::int32_t TextNoise = 0;                      // 25
    bool TextHorzMirror = false;                     // 26
    bool TextVertMirror = false;                     // 27
    bool TextOutline = false;                        // 28
    std::int32_t TextGradientStyle = 0;              // 29
    TColor TextGradientColor = clWhite;              // 30
    bool TextShadow = false;                         // 31
    TColor TextShadowColor = clBlack;                // 32
    std::int32_t MouseDownRedOff = 70;               // 33 Button
    std::int32_t TextShadowBlur = 80;                // 34 Note / Button MouseDownGreenOff
    std::int32_t TextShadowXOff = 2;                 // 35 Note / Button MouseDownBlueOff
    std::int32_t TextShadowYOff = 2;                 // 36
    TAnimationSettings Animation;                    // 37
    bool BitmapTransparent = true;                   // 38
    std::uint8_t BitmapTransparentMode = 0;          // 39 0 Auto, 1 TransparentColor
    TColor BitmapTransparentColor = clFuchsia;       // 40
    TCommand Command;                                // 41 Button click action
    std::int32_t Left = 0;                           // 42 bounding rectangle, pixels
    std::int32_t Top = 0;
    std::int32_t Width = 105;
    std::int32_t Height = 105;
    vantora::Picture Picture;                        // 44 Image / CustomCursor / ButtonImage
    std::string AudioType;                           // 45 "WAV", "MP3" or empty
    std::vector<std::uint8_t> AudioData;             // 46 the whole sound file
    std::int32_t StartTime = 0;                      // 47 timeline units
    std::int32_t EndTime = 30;
};

// Grid-name aliases of the kind-dependent slots, so that code about one kind reads naturally.
namespace slot {
inline constexpr auto Caption = &TDemoObject::Text;
inline constexpr auto Arrow = &TDemoObject::Option;
inline constexpr auto Graphic = &TDemoObject::Option;
inline constexpr auto FillStyle = &TDemoObject::Option;
inline constexpr auto FillColor = &TDemoObject::BackColor;
inline constexpr auto RowPitch = &TDemoObject::Spacing;
inline constexpr auto CharDelay = &TDemoObject::Spacing;
inline constexpr auto RoundForRect = &TDemoObject::Spacing;
inline constexpr auto InputDelay = &TDemoObject::Margin;
inline constexpr auto InputFrom = &TDemoObject::Angle;
inline constexpr auto ShapeKind = &TDemoObject::Style;
inline constexpr auto CursorType = &TDemoObject::Style;
inline constexpr auto MouseOverRedOff = &TDemoObject::TextAngle;
inline constexpr auto MouseOverGreenOff = &TDemoObject::TextSpray;
inline constexpr auto MouseOverBlueOff = &TDemoObject::TextBlur;
inline constexpr auto MouseDownGreenOff = &TDemoObject::TextShadowBlur;
inline constexpr auto MouseDownBlueOff = &TDemoObject::TextShadowXOff;
} // namespace slot

} // namespace vantora
