#include "storage/object_record.h"

#include "storage/value_codec.h"

namespace vantora {
namespace {

constexpr StorageErrorCode kRead = StorageErrorCode::ReadObject;

// Reads the plain fixed-size values of the record. Keeps the reading code as flat as the layout.
class FieldReader {
public:
    FieldReader(ByteReader& in, RecordError& error) : in_(in), error_(error) {}

    FieldReader& i32(std::int32_t& value) {
        ok_ = ok_ && in_.readInt32(value);
        return *this;
    }
    FieldReader& colour(TColor& value) {
        std::int32_t raw = 0;
        i32(raw);
        if (ok_)
            value = static_cast<TColor>(raw);
        return *this;
    }
    FieldReader& boolean(bool& value) {
        ok_ = ok_ && in_.readBool(value);
        return *this;
    }
    FieldReader& byte(std::uint8_t& value) {
        ok_ = ok_ && in_.readByte(value);
        return *this;
    }
    bool done() { return ok_ || error_.fail(kRead, kDataEndsText); }

private:
    ByteReader& in_;
    RecordError& error_;
    bool ok_ = true;
};

bool readKind(ByteReader& in, TObjectKind& kind, RecordError& error) {
    std::uint8_t code = 0;
    if (!in.readByte(code))
        return error.fail(kRead, kDataEndsText);
    const std::optional<TObjectKind> known = ObjectKindFromByte(code);
    if (!known)
        return error.fail(kRead, "Unknown object kind " + std::to_string(code) + ".");
    kind = *known;
    return true;
}

void writeColour(ByteWriter& out, TColor colour) { out.writeInt32(static_cast<std::int32_t>(colour)); }

} // namespace

bool WriteObject(ByteWriter& out, const TDemoObject& o, RecordError& error) {
    out.writeInt32(kRecordFormat);
    if (!WriteText(out, o.Name, error))
        return false;
    out.writeByte(static_cast<std::uint8_t>(o.Kind));
    if (!WriteText(out, o.Text, error) || !WriteFont(out, o.Font, error))
        return false;
    out.writeInt32(o.Alignment);
    out.writeInt32(o.Layout);
    out.writeInt32(o.Style);
    out.writeInt32(o.Option);
    writeColour(out, o.BackColor);
    writeColour(out, o.BorderColor);
    out.writeInt32(o.BorderWidth);
    out.writeInt32(o.Alpha);
    if (!WritePicture(out, o.Picture, error) || !WriteText(out, o.AudioType, error) ||
        !WriteByteStream(out, o.AudioData, StorageErrorCode::WriteObject, error))
        return false;
    for (std::int32_t value : {o.Left, o.Top, o.Width, o.Height, o.StartTime, o.EndTime, o.Spacing, o.Margin, o.Round})
        out.writeInt32(value);
    out.writeBool(o.Flat);
    out.writeBool(o.Shadow);
    out.writeInt32(o.GraphicPlacement);
    out.writeInt32(o.Angle);
    out.writeBool(o.HorzMirror);
    out.writeBool(o.VertMirror);
    for (std::int32_t value : {o.TextAngle, o.TextSpray, o.TextBlur, o.TextNoise})
        out.writeInt32(value);
    out.writeBool(o.TextHorzMirror);
    out.writeBool(o.TextVertMirror);
    out.writeBool(o.TextOutline);
    out.writeInt32(o.TextGradientStyle);
    writeColour(out, o.TextGradientColor);
    out.writeBool(o.TextShadow);
    writeColour(out, o.TextShadowColor);
    for (std::int32_t value : {o.MouseDownRedOff, o.TextShadowBlur, o.TextShadowXOff, o.TextShadowYOff})
        out.writeInt32(value);
    out.writeBool(o.BitmapTransparent);
    out.writeByte(o.BitmapTransparentMode);
    writeColour(out, o.BitmapTransparentColor);
    out.writeByte(o.Command.Action);
    return WriteText(out, o.Command.Param, error) && WriteAnimation(out, o.Animation, error);
}

bool ReadObject(ByteReader& in, TDemoObject& o, RecordError& error) {
    std::int32_t format = 0;
    if (!FieldReader(in, error).i32(format).done())
        return false;
    if (!ReadText(in, o.Name, error) || !readKind(in, o.Kind, error) || !ReadText(in, o.Text, error) ||
        !ReadFont(in, o.Font, error))
        return false;
    if (!FieldReader(in, error)
             .i32(o.Alignment)
             .i32(o.Layout)
             .i32(o.Style)
             .i32(o.Option)
             .colour(o.BackColor)
             .colour(o.BorderColor)
             .i32(o.BorderWidth)
             .i32(o.Alpha)
             .done())
        return false;
    if (!ReadPicture(in, o.Picture, error) || !ReadText(in, o.AudioType, error) ||
        !ReadByteStream(in, o.AudioData, kRead, error))
        return false;
    if (!FieldReader(in, error)
             .i32(o.Left)
             .i32(o.Top)
             .i32(o.Width)
             .i32(o.Height)
             .i32(o.StartTime)
             .i32(o.EndTime)
             .i32(o.Spacing)
             .i32(o.Margin)
             .i32(o.Round)
             .boolean(o.Flat)
             .boolean(o.Shadow)
             .i32(o.GraphicPlacement)
             .i32(o.Angle)
             .boolean(o.HorzMirror)
             .boolean(o.VertMirror)
             .i32(o.TextAngle)
             .i32(o.TextSpray)
             .i32(o.TextBlur)
             .i32(o.TextNoise)
             .boolean(o.TextHorzMirror)
             .boolean(o.TextVertMirror)
             .boolean(o.TextOutline)
             .i32(o.TextGradientStyle)
             .colour(o.TextGradientColor)
             .boolean(o.TextShadow)
             .colour(o.TextShadowColor)
             .i32(o.MouseDownRedOff)
             .i32(o.TextShadowBlur)
             .i32(o.TextShadowXOff)
             .i32(o.TextShadowYOff)
             .boolean(o.BitmapTransparent)
             .byte(o.BitmapTransparentMode)
             .colour(o.BitmapTransparentColor)
             .byte(o.Command.Action)
             .done())
        return false;
    return ReadText(in, o.Command.Param, error) && ReadAnimation(in, o.Animation, error);
}

} // namespace vantora
