// Sizes and field positions of the demo, scene and object records.

#include "storage/demo_record.h"
#include "storage/object_record.h"
#include "storage/project_file.h"
#include "storage/scene_record.h"
#include "storage/value_codec.h"

#include "model/object_defaults.h"
#include "model/object_operations.h"
#include "model/scene_operations.h"

#include "sample_projects.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::Le32;

Bytes writeObject(const TDemoObject& object) {
    ByteWriter out;
    RecordError error;
    EXPECT_TRUE(WriteObject(out, object, error));
    return out.take();
}

TEST(RecordLayout, ADemoWithoutScenesIs32BytesForTheNameDemo) {
    TVantora demo;
    Bytes bytes;
    ASSERT_TRUE(SerializeProject(demo, bytes));
    Bytes expected = Le32(1);
    for (const Bytes& part : {Le32(4), Bytes{'D', 'e', 'm', 'o'}, Le32(640), Le32(480), Le32(0x00FFFFFF), Le32(2), Le32(0)})
        expected.insert(expected.end(), part.begin(), part.end());
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.size(), 32u);
}

TEST(RecordLayout, AnObjectIs442BytesPlusItsTexts) {
    TDemoObject object = MakeDefaultObject(TObjectKind::Shape, 0, 0);
    object.Name = "";
    object.Text = "";
    object.Font.Name = "";
    EXPECT_EQ(writeObject(object).size(), kMinObjectRecordBytes);
    EXPECT_EQ(kMinObjectRecordBytes, 442u);

    object.Name = "Shape1";
    object.Text = "abc";
    object.Font.Name = "Arial";
    object.Command.Param = "http://x";
    EXPECT_EQ(writeObject(object).size(), 442u + 6 + 3 + 5 + 8);
}

TEST(RecordLayout, AnObjectWithoutPictureOrSoundWritesZeroLengthsForThem) {
    TDemoObject object = MakeDefaultObject(TObjectKind::Label, 0, 0);
    object.Name = "";
    object.Text = "";
    object.Font.Name = "";
    const Bytes bytes = writeObject(object);
    // format 4, name 4, kind 1, text 4, font 13, eight integers 32: the picture starts at 58.
    const std::size_t picture = 4 + 4 + 1 + 4 + 13 + 32;
    EXPECT_EQ(Bytes(bytes.begin() + picture, bytes.begin() + picture + 12), Bytes(12, 0)); // name, AudioType, AudioData
    EXPECT_EQ(bytes[8], static_cast<std::uint8_t>(TObjectKind::Label));
}

TEST(RecordLayout, FieldsFollowTheFileOrderNotTheDeclarationOrder) {
    TDemoObject object = MakeDefaultObject(TObjectKind::Note, 0, 0);
    object.Name = "";
    object.Text = "";
    object.Font.Name = "";
    object.Left = 0x11;
    object.StartTime = 0x22;
    object.Spacing = 0x33;
    object.MouseDownRedOff = 0x44;
    object.BitmapTransparentMode = 1;
    object.Command.Action = 7;
    const Bytes bytes = writeObject(object);
    EXPECT_EQ(Bytes(bytes.begin() + 70, bytes.begin() + 74), Le32(0x11));  // Left after the sound
    EXPECT_EQ(Bytes(bytes.begin() + 86, bytes.begin() + 90), Le32(0x22));  // StartTime
    EXPECT_EQ(Bytes(bytes.begin() + 94, bytes.begin() + 98), Le32(0x33));  // Spacing after EndTime
    EXPECT_EQ(Bytes(bytes.begin() + 150, bytes.begin() + 154), Le32(0x44)); // MouseDownRedOff
    EXPECT_EQ(bytes[167], 1);                                               // BitmapTransparentMode
    EXPECT_EQ(bytes[172], 7);                                               // Command.Action
    EXPECT_EQ(bytes.size() - 265, 177u); // the animation block closes the record
}

TEST(RecordLayout, ASceneIs297BytesPlusItsName) {
    TDemoFrame scene;
    ByteWriter out;
    RecordError error;
    ASSERT_TRUE(WriteScene(out, scene, error));
    EXPECT_EQ(out.size(), kMinSceneRecordBytes);
    EXPECT_EQ(kMinSceneRecordBytes, 297u);

    scene.Name = "Scene1";
    scene.StopPoints = {5, 9};
    ByteWriter named;
    ASSERT_TRUE(WriteScene(named, scene, error));
    EXPECT_EQ(named.size(), 297u + 6 + 2 * 4);
}

// The expected bytes, appended field by field in the file's order, independently of the writer.
class Expected {
public:
    Expected& i32(std::int32_t v) { return append(Le32(v)); }
    Expected& byte(std::uint8_t v) { return append({v}); }
    Expected& text(const std::string& t) { return i32(static_cast<std::int32_t>(t.size())).append(Bytes(t.begin(), t.end())); }
    Expected& channel(std::int32_t first) {
        for (std::int32_t i = 0; i < 7; ++i)
            i32(first + i);
        return *this;
    }
    Expected& append(const Bytes& more) {
        bytes.insert(bytes.end(), more.begin(), more.end());
        return *this;
    }
    Bytes bytes;
};

// Every field gets its own value, so a swapped or missing field shows.
TDemoObject distinctObject() {
    TDemoObject o;
    o.Name = "Obj";
    o.Kind = TObjectKind::Button;
    o.Text = "Txt";
    o.Font.Name = "Face";
    o.Font.Color = 0x0A0B0C;
    o.Font.Height = -16; // 12 points
    o.Font.Italic = true;
    o.Font.StrikeOut = true;
    std::int32_t n = 100;
    for (std::int32_t* field : {&o.Alignment, &o.Layout, &o.Style, &o.Option, &o.BorderWidth, &o.Alpha, &o.Left, &o.Top,
                                &o.Width, &o.Height, &o.StartTime, &o.EndTime, &o.Spacing, &o.Margin, &o.Round,
                                &o.GraphicPlacement, &o.Angle, &o.TextAngle, &o.TextSpray, &o.TextBlur, &o.TextNoise,
                                &o.TextGradientStyle, &o.MouseDownRedOff, &o.TextShadowBlur, &o.TextShadowXOff,
                                &o.TextShadowYOff})
        *field = n++;
    o.BackColor = 0x111111;
    o.BorderColor = 0x222222;
    o.TextGradientColor = 0x333333;
    o.TextShadowColor = 0x444444;
    o.BitmapTransparentColor = 0x555555;
    o.Flat = true;
    o.Shadow = false;
    o.HorzMirror = false;
    o.VertMirror = true;
    o.TextHorzMirror = true;
    o.TextVertMirror = false;
    o.TextOutline = true;
    o.TextShadow = true;
    o.BitmapTransparent = false;
    o.BitmapTransparentMode = 1;
    o.AudioType = "WAV";
    o.AudioData = {9, 8, 7};
    o.Command = {8, "url"};
    o.Animation.StopWithScene = false;
    o.Animation.ObjectCenter = 5;
    o.Animation.CustomCenterX = 6;
    o.Animation.CustomCenterY = 7;
    std::int32_t first = 1000;
    for (auto channel : kStoredChannelOrder) {
        (o.Animation.*channel) = {first, first + 1, first + 2, first + 3, first + 4, first + 5, first + 6};
        first += 100;
    }
    return o;
}

TEST(RecordLayout, ObjectBytesFollowTheFileTableFieldByField) {
    const TDemoObject o = distinctObject();
    Expected e;
    e.i32(1).text("Obj").byte(7).text("Txt");
    e.text("Face").i32(0x0A0B0C).i32(12).byte(0x0A);                     // font: italic + strike-out
    e.i32(100).i32(101).i32(102).i32(103);                                // Alignment, Layout, Style, Option
    e.i32(0x111111).i32(0x222222).i32(104).i32(105);                      // BackColor, BorderColor, BorderWidth, Alpha
    e.text("");                                                           // Picture: empty
    e.text("WAV").i32(3).append({9, 8, 7});                               // AudioType, AudioData
    e.i32(106).i32(107).i32(108).i32(109).i32(110).i32(111);             // Left .. EndTime
    e.i32(112).i32(113).i32(114);                                         // Spacing, Margin, Round
    e.byte(1).byte(0).i32(115).i32(116).byte(0).byte(1);                  // Flat, Shadow, GraphicPlacement, Angle, mirrors
    e.i32(117).i32(118).i32(119).i32(120);                                // TextAngle .. TextNoise
    e.byte(1).byte(0).byte(1).i32(121).i32(0x333333);                     // text mirrors, outline, gradient
    e.byte(1).i32(0x444444).i32(122).i32(123).i32(124).i32(125);          // TextShadow .. TextShadowYOff
    e.byte(0).byte(1).i32(0x555555).byte(8).text("url");                 // bitmap transparency, Command
    e.byte(0).i32(5).i32(6).i32(7);                                       // animation block header
    for (std::int32_t first = 1000; first < 1900; first += 100)
        e.channel(first);
    EXPECT_EQ(writeObject(o), e.bytes);
}

TEST(RecordLayout, SceneAndDemoBytesFollowTheFileTables) {
    TVantora demo;
    demo.Name = "D";
    demo.Width = 11;
    demo.Height = 12;
    demo.BackColor = 13;
    demo.FrameRateFactor = 4;
    auto scene = std::make_unique<TDemoFrame>();
    scene->Name = "S";
    scene->BackColor = 21;
    scene->Length = 22;
    scene->BackImageStyle = 3;
    scene->StopPoints = {5, 1};
    scene->Objects.push_back(std::make_unique<TDemoObject>(distinctObject()));
    AdoptScene(demo, std::move(scene));

    Bytes written;
    ASSERT_TRUE(SerializeProject(demo, written));

    ByteWriter animation;
    RecordError error;
    ASSERT_TRUE(WriteAnimation(animation, demo.Scenes[0]->Animation, error));
    Expected e;
    e.i32(1).text("D").i32(11).i32(12).i32(13).i32(4).i32(1);            // demo record
    e.i32(1).text("S").i32(21).text("").i32(22).i32(3);                 // scene: name, colour, picture, Length, style
    e.append(animation.bytes()).i32(2).i32(5).i32(1).i32(1);              // animation, stop points, object count
    e.append(writeObject(distinctObject()));
    EXPECT_EQ(written, e.bytes);
}

} // namespace
} // namespace vantora
