#include "model/property_rows.h"

#include "model/command.h"
#include "model/demo.h"

#include <array>
#include <functional>

namespace vantora {
namespace {

using F = PropertyField;
using Rows = std::vector<PropertyRow>;

std::vector<std::string> namesOf(NameList list) {
    std::vector<std::string> result;
    for (const NamedCode& entry : list)
        result.emplace_back(entry.name);
    return result;
}

PropertyRow typed(std::string name, F field, std::int32_t minimum = kNoMinimum, std::int32_t maximum = kNoMaximum) {
    PropertyRow row{std::move(name), field, EditRoute::Typed};
    row.minimum = minimum;
    row.maximum = maximum;
    return row;
}

// Bounds of the rows whose range follows from what the value does when drawn:
// a pen width or corner radius is never longer than the largest object picture's side;
constexpr std::int32_t kLongestPixelLength = 16384;
// a row pitch adds this percentage of a row's height, and below -100 rows would run upwards;
constexpr std::int32_t kLowestRowPitch = -100;
constexpr std::int32_t kHighestRowPitch = 32767; // the text control keeps it in 16 bits
// the text shadow is drawn at most this many pixels away from the text.
constexpr std::int32_t kShadowOffsetLimit = 20;

PropertyRow percent(std::string name, F field) { return typed(std::move(name), field, 0, 100); }
PropertyRow pixelLength(std::string name, F field) { return typed(std::move(name), field, 0, kLongestPixelLength); }
PropertyRow shadowOffset(std::string name, F field) {
    return typed(std::move(name), field, -kShadowOffsetLimit, kShadowOffsetLimit);
}
PropertyRow signedPercent(std::string name, F field) { return typed(std::move(name), field, -100, 100); }

PropertyRow textAtOnce(std::string name, F field) { return PropertyRow{std::move(name), field, EditRoute::TypedAtOnce}; }

PropertyRow dialog(std::string name, F field, DialogKind kind) {
    return PropertyRow{std::move(name), field, EditRoute::Dialog, kind};
}

PropertyRow colour(std::string name, F field) { return dialog(std::move(name), field, DialogKind::Colour); }

PropertyRow pick(std::string name, F field, NameList names, NameList offered = {}) {
    PropertyRow row{std::move(name), field, EditRoute::Pick, DialogKind::None, names};
    row.pickList = namesOf(offered.empty() ? names : offered);
    return row;
}

PropertyRow boolean(std::string name, F field) { return pick(std::move(name), field, names::Boolean); }

// Rows shared by the text-carrying kinds.
PropertyRow nameRow() { return textAtOnce("Name", F::Name); }
PropertyRow textBodyRow() { return dialog("Text", F::Text, DialogKind::TextEditor); }
PropertyRow captionRow() { return textAtOnce("Caption", F::Text); }
PropertyRow fontRow() { return dialog("Font", F::Font, DialogKind::Font); }
PropertyRow fontColourRow() { return colour("FontColor", F::FontColor); }
PropertyRow alignmentRow() { return pick("Alignment", F::Alignment, names::Alignment); }

Rows balloonHead() {
    return {nameRow(), textBodyRow(), fontRow(), fontColourRow(), alignmentRow(),
            pick("Layout", F::Layout, names::Layout), typed("Margin", F::Margin, 0)};
}

Rows balloonRows() {
    Rows rows = balloonHead();
    rows.push_back(pick("Arrow", F::Option, names::BalloonArrow));
    rows.push_back(colour("BorderColor", F::BorderColor));
    rows.push_back(colour("BackColor", F::BackColor));
    rows.push_back(percent("Alpha (%)", F::Alpha));
    return rows;
}

Rows roundBalloonRows() {
    Rows rows = balloonHead();
    rows.push_back(pick("Arrow", F::Option, names::RoundBalloonArrow));
    rows.push_back(colour("BackColor", F::BackColor));
    rows.push_back(typed("Round", F::Round, 0));
    rows.push_back(boolean("Flat", F::Flat));
    rows.push_back(boolean("Shadow", F::Shadow));
    rows.push_back(percent("Alpha (%)", F::Alpha));
    return rows;
}

Rows noteRows() {
    PropertyRow gradient = pick("TextGradientStyle", F::TextGradientStyle, names::TextGradientStyle);
    gradient.route = EditRoute::PickOrTyped;
    return {nameRow(),
            textBodyRow(),
            fontRow(),
            fontColourRow(),
            alignmentRow(),
            typed("RowPitch", F::Spacing, kLowestRowPitch, kHighestRowPitch),
            typed("Margin", F::Margin, 0),
            colour("BackColor", F::BackColor),
            typed("Round", F::Round, 0),
            boolean("Flat", F::Flat),
            boolean("Shadow", F::Shadow),
            pick("Graphic", F::Option, names::NoteGraphic, names::NoteGraphicOffered),
            percent("Alpha (%)", F::Alpha),
            typed("TextAngle", F::TextAngle, -360, 360),
            percent("TextSpray (%)", F::TextSpray),
            percent("TextBlur (%)", F::TextBlur),
            percent("TextNoise (%)", F::TextNoise),
            boolean("TextHorzMirror", F::TextHorzMirror),
            boolean("TextVertMirror", F::TextVertMirror),
            boolean("TextOutline", F::TextOutline),
            gradient,
            colour("TextGradientColor", F::TextGradientColor),
            boolean("TextShadow", F::TextShadow),
            colour("TextShadowColor", F::TextShadowColor),
            percent("TextShadowBlur (%)", F::TextShadowBlur),
            shadowOffset("TextShadowXOff", F::TextShadowXOff),
            shadowOffset("TextShadowYOff", F::TextShadowYOff)};
}

Rows textRows() { return {nameRow(), textBodyRow(), fontRow(), fontColourRow(), alignmentRow()}; }

Rows labelRows() { return {nameRow(), captionRow(), fontRow(), fontColourRow(), percent("Alpha (%)", F::Alpha)}; }

Rows inputTextRows() {
    return {nameRow(),
            captionRow(),
            fontRow(),
            fontColourRow(),
            typed("InputFrom", F::Angle, 1),
            typed("InputDelay", F::Margin, 0),
            typed("CharDelay", F::Spacing, 0)};
}

Rows shapeRows() {
    return {nameRow(),
            pick("Shape", F::Style, names::ShapeKind),
            colour("BorderColor", F::BorderColor),
            pixelLength("BorderWidth", F::BorderWidth),
            colour("FillColor", F::BackColor),
            pick("FillStyle", F::Option, names::FillStyle),
            pixelLength("RoundForRect", F::Spacing),
            percent("Alpha", F::Alpha)};
}

// The rows after the picture of Image and Cursor objects.
void appendBitmapRows(Rows& rows) {
    rows.push_back(boolean("BitmapTransparent", F::BitmapTransparent));
    rows.push_back(pick("BitmapTransparentMode", F::BitmapTransparentMode, names::TransparentMode));
    rows.push_back(colour("BitmapTransparentColor", F::BitmapTransparentColor));
    rows.push_back(percent("Alpha", F::Alpha));
}

Rows imageRows() {
    PropertyRow fitSize{"FitSize", F::FitSize, EditRoute::Pick};
    fitSize.names = names::Boolean;
    fitSize.pickList = {"True"};
    Rows rows{nameRow(),
              dialog("Image", F::Picture, DialogKind::Image),
              pick("Angle", F::Angle, names::RightAngle),
              boolean("HorzMirror", F::HorzMirror),
              boolean("VertMirror", F::VertMirror),
              fitSize};
    appendBitmapRows(rows);
    return rows;
}

Rows cursorRows() {
    Rows rows{nameRow(),
              pick("CursorType", F::Style, names::CursorType),
              dialog("CustomCursor", F::Picture, DialogKind::Image),
              pick("Angle", F::Angle, names::RightAngle),
              boolean("HorzMirror", F::HorzMirror),
              boolean("VertMirror", F::VertMirror)};
    appendBitmapRows(rows);
    return rows;
}

Rows buttonRows() {
    return {nameRow(),
            captionRow(),
            fontRow(),
            fontColourRow(),
            colour("BorderColor", F::BorderColor),
            pixelLength("BorderWidth", F::BorderWidth),
            colour("FillColor", F::BackColor),
            pick("FillStyle", F::Option, names::FillStyle),
            typed("Round", F::Round, 0),
            dialog("ButtonImage", F::Picture, DialogKind::Image),
            signedPercent("MouseOverRedOff (%)", F::TextAngle),
            signedPercent("MouseOverGreenOff (%)", F::TextSpray),
            signedPercent("MouseOverBlueOff (%)", F::TextBlur),
            signedPercent("MouseDownRedOff (%)", F::MouseDownRedOff),
            signedPercent("MouseDownGreenOff (%)", F::TextShadowBlur),
            signedPercent("MouseDownBlueOff (%)", F::TextShadowXOff),
            percent("Alpha (%)", F::Alpha)};
}

Rows audioRows() { return {nameRow(), dialog("Audio", F::Audio, DialogKind::SoundFile)}; }

Rows sceneRows() {
    return {textAtOnce("Name", F::SceneName),
            colour("BackColor", F::SceneBackColor),
            dialog("BackImage", F::SceneBackImage, DialogKind::Image),
            pick("BackImageStyle", F::SceneBackImageStyle, names::BackImageStyle)};
}

using KindRows = Rows (*)();

// Indexed by the kind code.
constexpr std::array<KindRows, kObjectKindCount> kKindRows{
    roundBalloonRows, // RoundBalloon
    noteRows,         // Note
    shapeRows,        // Shape
    imageRows,        // Image
    labelRows,        // Label
    textRows,         // Text
    inputTextRows,    // InputText
    buttonRows,       // Button
    cursorRows,       // Cursor
    audioRows,        // Audio
    balloonRows,      // Balloon
};

int indexOf(const Rows& rows, std::string_view name) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].name == name)
            return static_cast<int>(i);
    return kAbsentRow;
}

} // namespace

const PropertyRow* PropertySheet::find(std::string_view name) const {
    for (const PropertyRow& row : rows)
        if (row.name == name)
            return &row;
    return nullptr;
}

PropertyRow ActionParamRow(std::uint8_t action, const TVantora* demo) {
    switch (static_cast<TCommandAction>(action)) {
    case TCommandAction::GotoScene: {
        PropertyRow row{"SceneName", F::ActionParam, EditRoute::Pick};
        if (demo)
            for (const auto& scene : demo->Scenes)
                row.pickList.push_back(scene->Name);
        return row;
    }
    case TCommandAction::VisitWebSite:
        return textAtOnce("WebSiteURL", F::ActionParam);
    case TCommandAction::SendEmail:
        return textAtOnce("EmailAddress", F::ActionParam);
    default:
        return PropertyRow{"ActionParam", F::ActionParam, EditRoute::ReadOnly};
    }
}

PropertySheet BuildPropertySheet(const PropertySubject& subject) {
    PropertySheet sheet;
    if (!subject.object) {
        sheet.rows = sceneRows();
        return sheet;
    }
    const TDemoObject& object = *subject.object;
    const auto kindIndex = static_cast<std::size_t>(object.Kind);
    if (kindIndex < kKindRows.size())
        sheet.rows = kKindRows[kindIndex]();
    else
        sheet.rows = {nameRow()}; // an unknown kind from a damaged file can still be renamed
    if (object.Kind == TObjectKind::Note)
        sheet.textEffectRow = indexOf(sheet.rows, "TextAngle");

    sheet.positionRow = static_cast<int>(sheet.rows.size());
    sheet.rows.push_back(typed("Left", F::Left));
    sheet.rows.push_back(typed("Top", F::Top));
    sheet.rows.push_back(typed("Width", F::Width, 2));
    sheet.rows.push_back(typed("Height", F::Height, 2));

    if (object.Kind == TObjectKind::Button) {
        sheet.clickActionRow = static_cast<int>(sheet.rows.size());
        sheet.rows.push_back(pick("ClickAction", F::ClickAction, names::ClickAction, names::ClickActionOffered));
        const TVantora* demo = subject.demo ? subject.demo : (subject.scene ? subject.scene->Demo : nullptr);
        sheet.rows.push_back(ActionParamRow(object.Command.Action, demo));
    }
    return sheet;
}

} // namespace vantora
