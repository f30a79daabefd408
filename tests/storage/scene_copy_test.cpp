// Deep copies through the records: "Duplicate Scene" and the clipboard block.

#include "storage/clipboard_block.h"
#include "storage/object_record.h"
#include "storage/scene_copy.h"

#include "model/object_operations.h"
#include "model/scene_operations.h"
#include "sample_projects.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(DuplicateScene, CopiesTheSceneThroughTheSceneRecord) {
    InstallStorageSceneCopier();
    auto demo = test::MakeEveryKindDemo();
    TDemoFrame& original = *demo->Scenes[0];
    const DuplicateSceneResult result = DuplicateScene(*demo, original);
    ASSERT_EQ(result.status, DuplicateSceneResult::Status::Done) << result.error;
    ASSERT_EQ(demo->Scenes.size(), 3u);
    TDemoFrame& copy = *demo->Scenes.back();
    EXPECT_EQ(&copy, result.copy);
    EXPECT_EQ(copy.Name, "Scene3");
    ASSERT_EQ(copy.Objects.size(), original.Objects.size());
    EXPECT_NE(copy.Objects[0].get(), original.Objects[0].get());
    EXPECT_EQ(copy.BackImage.bytes(), original.BackImage.bytes());
    EXPECT_EQ(copy.StopPoints, original.StopPoints);
    EXPECT_EQ(copy.Animation, original.Animation);
    EXPECT_EQ(copy.Objects[9]->AudioData, original.Objects[9]->AudioData);

    // A deep copy: changing the copy leaves the original alone.
    copy.Objects[0]->Text = "changed";
    EXPECT_NE(original.Objects[0]->Text, "changed");
    InstallSceneCopier({});
}

std::vector<const TDemoObject*> pointers(const TDemoFrame& scene) {
    std::vector<const TDemoObject*> out;
    for (const auto& object : scene.Objects)
        out.push_back(object.get());
    return out;
}

TEST(ClipboardBlock, IsAByteCountThenAnObjectCountThenObjectRecords) {
    TVantora demo;
    TDemoFrame& scene = NewScene(demo);
    NewObject(scene, TObjectKind::Note, 0, 0);
    NewObject(scene, TObjectKind::Shape, 0, 0);
    Bytes block;
    ASSERT_TRUE(WriteClipboardBlock(pointers(scene), block));

    ByteWriter expected;
    RecordError error;
    expected.writeInt32(2);
    for (const auto& object : scene.Objects)
        ASSERT_TRUE(WriteObject(expected, *object, error));
    ASSERT_EQ(block.size(), 4 + expected.size());
    EXPECT_EQ(block[0] | (block[1] << 8) | (block[2] << 16) | (block[3] << 24), static_cast<int>(expected.size()));
    EXPECT_EQ(Bytes(block.begin() + 4, block.end()), expected.bytes());

    const ClipboardContents contents = ReadClipboardBlock(block);
    ASSERT_TRUE(contents.result);
    ASSERT_EQ(contents.objects.size(), 2u);
    EXPECT_EQ(contents.objects[0]->Name, "Note1");
    EXPECT_EQ(contents.objects[1]->Name, "Shape1");
}

TEST(ClipboardBlock, ADamagedObjectStopsThePasteAndKeepsTheObjectsBeforeIt) {
    const auto demo = test::MakeEveryKindDemo();
    Bytes block;
    ASSERT_TRUE(WriteClipboardBlock(pointers(*demo->Scenes[1]), block));
    // Cut the block inside the last object, keeping the byte count consistent.
    const std::size_t cut = block.size() - 10;
    block.resize(cut);
    const auto body = static_cast<std::uint32_t>(cut - 4);
    for (int i = 0; i < 4; ++i)
        block[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(body >> (8 * i));
    const ClipboardContents contents = ReadClipboardBlock(block);
    EXPECT_FALSE(contents.result);
    EXPECT_EQ(contents.objects.size(), demo->Scenes[1]->Objects.size() - 1);
}

TEST(ClipboardBlock, ImpossibleCountsAreRefused) {
    for (const Bytes& block : {Bytes{}, Bytes{0xFF, 0xFF, 0xFF, 0x7F, 0, 0}, Bytes{4, 0, 0, 0, 0xFF, 0xFF, 0, 0}}) {
        const ClipboardContents contents = ReadClipboardBlock(block);
        EXPECT_FALSE(contents.result);
        EXPECT_TRUE(contents.objects.empty());
    }
}

} // namespace
} // namespace vantora
