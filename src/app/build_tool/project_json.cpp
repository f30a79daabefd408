#include "build_tool/project_json.h"

#include "build_tool/json_writer.h"
#include "picture/picture_format.h"

#include <array>
#include <string_view>

namespace vantora::buildtool {
namespace {

constexpr std::array<std::string_view, kChannelCount> kChannelNames = {
    "Fade", "Red", "Green", "Blue", "Angle", "Width", "Height", "LocationX", "LocationY"};

void writePicture(JsonWriter& json, const Picture& picture) {
    if (picture.empty()) {
        json.null();
        return;
    }
    json.beginObject();
    json.key("Format").value(pictureClassName(picture.format()));
    json.key("Bytes").value(static_cast<std::uint64_t>(picture.bytes().size()));
    json.endObject();
}

void writeChannel(JsonWriter& json, const TAnimationChannel& c) {
    json.beginObject();
    json.key("AnimationType").value(c.AnimationType);
    json.key("InFromValue").value(c.InFromValue);
    json.key("InSteps").value(c.InSteps);
    json.key("ChangeSpeed").value(c.ChangeSpeed);
    json.key("OutToValue").value(c.OutToValue);
    json.key("OutSteps").value(c.OutSteps);
    json.key("OutChangeSpeed").value(c.OutChangeSpeed);
    json.endObject();
}

void writeAnimation(JsonWriter& json, const TAnimationSettings& a) {
    json.beginObject();
    json.key("StopWithScene").value(a.StopWithScene);
    json.key("ObjectCenter").value(a.ObjectCenter);
    json.key("CustomCenterX").value(a.CustomCenterX);
    json.key("CustomCenterY").value(a.CustomCenterY);
    for (std::size_t i = 0; i < kChannelCount; ++i) {
        json.key(kChannelNames[i]);
        writeChannel(json, a.*kStoredChannelOrder[i]);
    }
    json.endObject();
}

void writeFont(JsonWriter& json, const TObjectFont& f) {
    json.beginObject();
    json.key("Name").value(f.Name);
    json.key("Color").value(f.Color);
    json.key("Size").value(f.Size());
    json.key("Height").value(f.Height);
    json.key("Bold").value(f.Bold);
    json.key("Italic").value(f.Italic);
    json.key("Underline").value(f.Underline);
    json.key("StrikeOut").value(f.StrikeOut);
    json.endObject();
}

void writeObject(JsonWriter& json, const TDemoObject& o) {
    json.beginObject();
    json.key("Name").value(o.Name);
    json.key("Kind").value(ObjectKindName(o.Kind));
    json.key("Text").value(o.Text);
    json.key("Font");
    writeFont(json, o.Font);
    json.key("Alignment").value(o.Alignment);
    json.key("Layout").value(o.Layout);
    json.key("Style").value(o.Style);
    json.key("Option").value(o.Option);
    json.key("BackColor").value(o.BackColor);
    json.key("BorderColor").value(o.BorderColor);
    json.key("BorderWidth").value(o.BorderWidth);
    json.key("Alpha").value(o.Alpha);
    json.key("Picture");
    writePicture(json, o.Picture);
    json.key("AudioType").value(o.AudioType);
    json.key("AudioData").beginObject().key("Bytes").value(static_cast<std::uint64_t>(o.AudioData.size())).endObject();
    json.key("Left").value(o.Left);
    json.key("Top").value(o.Top);
    json.key("Width").value(o.Width);
    json.key("Height").value(o.Height);
    json.key("StartTime").value(o.StartTime);
    json.key("EndTime").value(o.EndTime);
    json.key("Spacing").value(o.Spacing);
    json.key("Margin").value(o.Margin);
    json.key("Round").value(o.Round);
    json.key("Flat").value(o.Flat);
    json.key("Shadow").value(o.Shadow);
    json.key("GraphicPlacement").value(o.GraphicPlacement);
    json.key("Angle").value(o.Angle);
    json.key("HorzMirror").value(o.HorzMirror);
    json.key("VertMirror").value(o.VertMirror);
    json.key("TextAngle").value(o.TextAngle);
    json.key("TextSpray").value(o.TextSpray);
    json.key("TextBlur").value(o.TextBlur);
    json.key("TextNoise").value(o.TextNoise);
    json.key("TextHorzMirror").value(o.TextHorzMirror);
    json.key("TextVertMirror").value(o.TextVertMirror);
    json.key("TextOutline").value(o.TextOutline);
    json.key("TextGradientStyle").value(o.TextGradientStyle);
    json.key("TextGradientColor").value(o.TextGradientColor);
    json.key("TextShadow").value(o.TextShadow);
    json.key("TextShadowColor").value(o.TextShadowColor);
    json.key("MouseDownRedOff").value(o.MouseDownRedOff);
    json.key("TextShadowBlur").value(o.TextShadowBlur);
    json.key("TextShadowXOff").value(o.TextShadowXOff);
    json.key("TextShadowYOff").value(o.TextShadowYOff);
    json.key("BitmapTransparent").value(o.BitmapTransparent);
    json.key("BitmapTransparentMode").value(static_cast<std::int32_t>(o.BitmapTransparentMode));
    json.key("BitmapTransparentColor").value(o.BitmapTransparentColor);
    json.key("Command").beginObject();
    json.key("Action").value(static_cast<std::int32_t>(o.Command.Action));
    json.key("Param").value(o.Command.Param);
    json.endObject();
    json.key("Animation");
    writeAnimation(json, o.Animation);
    json.endObject();
}

void writeScene(JsonWriter& json, const TDemoFrame& s) {
    json.beginObject();
    json.key("Name").value(s.Name);
    json.key("BackColor").value(s.BackColor);
    json.key("BackImage");
    writePicture(json, s.BackImage);
    json.key("Length").value(s.Length);
    json.key("BackImageStyle").value(s.BackImageStyle);
    json.key("Animation");
    writeAnimation(json, s.Animation);
    json.key("StopPoints").beginArray();
    for (std::int32_t stop : s.StopPoints)
        json.value(stop);
    json.endArray();
    json.key("Objects").beginArray();
    for (const auto& object : s.Objects)
        if (object)
            writeObject(json, *object);
    json.endArray();
    json.endObject();
}

} // namespace

std::string ProjectToJson(const TVantora& demo) {
    JsonWriter json;
    json.beginObject();
    json.key("Name").value(demo.Name);
    json.key("Width").value(demo.Width);
    json.key("Height").value(demo.Height);
    json.key("BackColor").value(demo.BackColor);
    json.key("FrameRateFactor").value(demo.FrameRateFactor);
    json.key("Scenes").beginArray();
    for (const auto& scene : demo.Scenes)
        if (scene)
            writeScene(json, *scene);
    json.endArray();
    json.endObject();
    return json.text();
}

} // namespace vantora::buildtool
