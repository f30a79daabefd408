#pragma once
// The rows of the "Properties" grid: for the scene and for each object kind, which rows appear
// in which order, which field each one edits, how it is edited and within which bounds. The
// editor's grid draws these rows; property_values.h shows values and property_edit.h applies
// edits.

#include "model/enum_names.h"
#include "model/int_text.h"
#include "picture/rgba_image.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantora {

struct TVantora;
struct TDemoFrame;
struct TDemoObject;

// What a row edits. Kind-dependent slots appear under the field they are stored in.
enum class PropertyField {
    // scene
    SceneName,
    SceneBackColor,
    SceneBackImage,
    SceneBackImageStyle,
    // object
    Name,
    Text, // body (dialog) or caption (typed)
    Font,
    FontColor,
    Alignment,
    Layout,
    Spacing,
    Margin,
    Round,
    Flat,
    Shadow,
    Style,
    Option,
    Angle,
    HorzMirror,
    VertMirror,
    BackColor,
    BorderColor,
    BorderWidth,
    Alpha,
    TextAngle,
    TextSpray,
    TextBlur,
    TextNoise,
    TextHorzMirror,
    TextVertMirror,
    TextOutline,
    TextGradientStyle,
    TextGradientColor,
    TextShadow,
    TextShadowColor,
    MouseDownRedOff,
    TextShadowBlur,
    TextShadowXOff,
    TextShadowYOff,
    BitmapTransparent,
    BitmapTransparentMode,
    BitmapTransparentColor,
    Picture,
    Audio,
    FitSize, // derived from the rendered picture's size
    Left,
    Top,
    Width,
    Height,
    ClickAction, // Command.Action
    ActionParam, // Command.Param
};

enum class EditRoute {
    Typed,       // parsed and clamped when the cell is left
    TypedAtOnce, // free text stored on every change (names, captions, addresses)
    Pick,        // read-only cell with a pick list, applied at once
    PickOrTyped, // pick list whose cell also accepts typed names
    Dialog,      // read-only cell with an ellipsis button
    ReadOnly,    // shown only
};

enum class DialogKind { None, TextEditor, Font, Colour, Image, SoundFile };

struct PropertyRow {
    PropertyRow(std::string rowName, PropertyField rowField, EditRoute rowRoute, DialogKind rowDialog = DialogKind::None,
                NameList rowNames = {})
        : name(std::move(rowName)), field(rowField), route(rowRoute), dialog(rowDialog), names(rowNames) {}

    std::string name; // the row's key, exactly as the grid shows it
    PropertyField field;
    EditRoute route;
    DialogKind dialog = DialogKind::None;
    NameList names{};                  // names of the stored codes, for enumerations
    std::vector<std::string> pickList; // what the pick list offers
    std::int32_t minimum = kNoMinimum;
    std::int32_t maximum = kNoMaximum;
};

// What the grid shows: the scene itself (object null) or one object of the scene.
struct PropertySubject {
    TVantora* demo = nullptr; // for the scene names of a GotoScene action
    TDemoFrame* scene = nullptr;
    TDemoObject* object = nullptr;
    // The object's picture as the render cache holds it, for the "FitSize" row; null when the
    // object has not been rendered (or has no picture).
    const RgbaImage* rendered = nullptr;
};

constexpr int kAbsentRow = 1000;

struct PropertySheet {
    std::vector<PropertyRow> rows;
    // Index in `rows` where each optional group begins, kAbsentRow when absent.
    int positionRow = kAbsentRow;    // "Left"
    int textEffectRow = kAbsentRow;  // "TextAngle" of a Note
    int clickActionRow = kAbsentRow; // "ClickAction" of a Button

    const PropertyRow* find(std::string_view name) const;
};

// Scene rows when no object is given; else the kind's rows, the four position rows and, for a
// Button, the click-action rows.
PropertySheet BuildPropertySheet(const PropertySubject& subject);

// The parameter row that follows "ClickAction" for an action code.
PropertyRow ActionParamRow(std::uint8_t action, const TVantora* demo);

} // namespace vantora
