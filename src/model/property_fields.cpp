#include "model/property_fields.h"

#include "model/demo.h"

namespace vantora {
namespace {

using F = PropertyField;

// The int32 slot of an object for a field, or null.
std::int32_t* objectInt(TDemoObject& o, F field) {
    switch (field) {
    case F::Alignment: return &o.Alignment;
    case F::Layout: return &o.Layout;
    case F::Spacing: return &o.Spacing;
    case F::Margin: return &o.Margin;
    case F::Round: return &o.Round;
    case F::Style: return &o.Style;
    case F::Option: return &o.Option;
    case F::Angle: return &o.Angle;
    case F::BorderWidth: return &o.BorderWidth;
    case F::Alpha: return &o.Alpha;
    case F::TextAngle: return &o.TextAngle;
    case F::TextSpray: return &o.TextSpray;
    case F::TextBlur: return &o.TextBlur;
    case F::TextNoise: return &o.TextNoise;
    case F::TextGradientStyle: return &o.TextGradientStyle;
    case F::MouseDownRedOff: return &o.MouseDownRedOff;
    case F::TextShadowBlur: return &o.TextShadowBlur;
    case F::TextShadowXOff: return &o.TextShadowXOff;
    case F::TextShadowYOff: return &o.TextShadowYOff;
    case F::Left: return &o.Left;
    case F::Top: return &o.Top;
    case F::Width: return &o.Width;
    case F::Height: return &o.Height;
    default: return nullptr;
    }
}

bool* objectBool(TDemoObject& o, F field) {
    switch (field) {
    case F::Flat: return &o.Flat;
    case F::Shadow: return &o.Shadow;
    case F::HorzMirror: return &o.HorzMirror;
    case F::VertMirror: return &o.VertMirror;
    case F::TextHorzMirror: return &o.TextHorzMirror;
    case F::TextVertMirror: return &o.TextVertMirror;
    case F::TextOutline: return &o.TextOutline;
    case F::TextShadow: return &o.TextShadow;
    case F::BitmapTransparent: return &o.BitmapTransparent;
    default: return nullptr;
    }
}

std::uint8_t* objectByte(TDemoObject& o, F field) {
    switch (field) {
    case F::BitmapTransparentMode: return &o.BitmapTransparentMode;
    case F::ClickAction: return &o.Command.Action;
    default: return nullptr;
    }
}

} // namespace

std::optional<std::int32_t> NumberField(const PropertySubject& subject, PropertyField field) {
    if (!subject.object) {
        if (field == F::SceneBackImageStyle && subject.scene)
            return subject.scene->BackImageStyle;
        return std::nullopt;
    }
    TDemoObject& o = *subject.object;
    if (std::int32_t* slot = objectInt(o, field))
        return *slot;
    if (bool* slot = objectBool(o, field))
        return *slot ? 1 : 0;
    if (std::uint8_t* slot = objectByte(o, field))
        return *slot;
    return std::nullopt;
}

bool SetNumberField(const PropertySubject& subject, PropertyField field, std::int32_t value) {
    if (!subject.object) {
        if (field != F::SceneBackImageStyle || !subject.scene)
            return false;
        subject.scene->BackImageStyle = value;
        return true;
    }
    TDemoObject& o = *subject.object;
    if (std::int32_t* slot = objectInt(o, field)) {
        *slot = value;
        return true;
    }
    if (bool* slot = objectBool(o, field)) {
        *slot = value != 0;
        return true;
    }
    if (std::uint8_t* slot = objectByte(o, field)) {
        if (value < 0 || value > 255)
            return false;
        *slot = static_cast<std::uint8_t>(value);
        return true;
    }
    return false;
}

std::string* TextField(const PropertySubject& subject, PropertyField field) {
    if (!subject.object)
        return field == F::SceneName && subject.scene ? &subject.scene->Name : nullptr;
    switch (field) {
    case F::Name: return &subject.object->Name;
    case F::Text: return &subject.object->Text;
    case F::ActionParam: return &subject.object->Command.Param;
    default: return nullptr;
    }
}

TColor* ColourField(const PropertySubject& subject, PropertyField field) {
    if (!subject.object)
        return field == F::SceneBackColor && subject.scene ? &subject.scene->BackColor : nullptr;
    TDemoObject& o = *subject.object;
    switch (field) {
    case F::FontColor: return &o.Font.Color;
    case F::BackColor: return &o.BackColor;
    case F::BorderColor: return &o.BorderColor;
    case F::TextGradientColor: return &o.TextGradientColor;
    case F::TextShadowColor: return &o.TextShadowColor;
    case F::BitmapTransparentColor: return &o.BitmapTransparentColor;
    default: return nullptr;
    }
}

Picture* PictureField(const PropertySubject& subject, PropertyField field) {
    if (!subject.object)
        return field == F::SceneBackImage && subject.scene ? &subject.scene->BackImage : nullptr;
    return field == F::Picture ? &subject.object->Picture : nullptr;
}

} // namespace vantora
