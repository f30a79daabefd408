// Sizes and field positions of the demo, scene and object records.

#include "storage/demo_record.h"
#include "storage/object_record.h"
#include "storage/project_file.h"
#include "storage/scene_record.h"

#include "model/object_defaults.h"
#include "model/object_operations.h"
#include "model/scene_operations.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes le32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8), static_cast<std::uint8_t>(u >> 16),
            static_cast<std::uint8_t>(u >> 24)};
}

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
    Bytes expected = le32(1);
    for (const Bytes& part : {le32(4), Bytes{'D', 'e', 'm', 'o'}, le32(640), le32(480), le32(0x00FFFFFF), le32(2), le32(0)})
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
    EXPECT_EQ(Bytes(bytes.begin() + 70, bytes.begin() + 74), le32(0x11));  // Left after the sound
    EXPECT_EQ(Bytes(bytes.begin() + 86, bytes.begin() + 90), le32(0x22));  // StartTime
    EXPECT_EQ(Bytes(bytes.begin() + 94, bytes.begin() + 98), le32(0x33));  // Spacing after EndTime
    EXPECT_EQ(Bytes(bytes.begin() + 150, bytes.begin() + 154), le32(0x44)); // MouseDownRedOff
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

} // namespace
} // namespace vantora
