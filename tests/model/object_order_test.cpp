// Object order (cursors and audio last) and the chaining of cursor movements.
#include "model/object_operations.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

std::vector<std::string> names(const TDemoFrame& scene) {
    std::vector<std::string> result;
    for (const auto& object : scene.Objects)
        result.push_back(object->Name);
    return result;
}

TDemoObject& append(TDemoFrame& scene, TObjectKind kind, const std::string& name, int start = 0, int end = 30) {
    scene.Objects.push_back(std::make_unique<TDemoObject>());
    TDemoObject& o = *scene.Objects.back();
    o.Kind = kind;
    o.Name = name;
    o.StartTime = start;
    o.EndTime = end;
    return o;
}

TEST(ModelOrder, NormalisingKeepsOtherKindsThenCursorsThenAudioInTheirOrder) {
    TDemoFrame scene;
    append(scene, TObjectKind::Audio, "Audio1");
    append(scene, TObjectKind::Cursor, "Cursor1");
    append(scene, TObjectKind::Shape, "Shape1");
    append(scene, TObjectKind::Audio, "Audio2");
    append(scene, TObjectKind::Cursor, "Cursor2");
    append(scene, TObjectKind::Note, "Note1");
    NormalizeObjectOrder(scene);
    EXPECT_EQ(names(scene),
              (std::vector<std::string>{"Shape1", "Note1", "Cursor1", "Cursor2", "Audio1", "Audio2"}));
}

TEST(ModelOrder, BringToFrontOfAShapeStaysBelowCursorAndAudio) {
    TDemoFrame scene;
    append(scene, TObjectKind::Shape, "Shape1");
    append(scene, TObjectKind::Shape, "Shape2");
    append(scene, TObjectKind::Cursor, "Cursor1");
    append(scene, TObjectKind::Audio, "Audio1");
    // "Bring To Front" moves the object to the end, then normalises.
    auto shape = TakeObject(scene, scene.Objects[0].get());
    ASSERT_TRUE(shape);
    scene.Objects.push_back(std::move(shape));
    NormalizeObjectOrder(scene);
    EXPECT_EQ(names(scene), (std::vector<std::string>{"Shape2", "Shape1", "Cursor1", "Audio1"}));
}

TEST(ModelOrder, NewObjectIsPlacedBelowExistingCursors) {
    TDemoFrame scene;
    NewObject(scene, TObjectKind::Cursor, 0, 0);
    NewObject(scene, TObjectKind::Audio, 0, 0);
    NewObject(scene, TObjectKind::Label, 0, 0);
    EXPECT_EQ(names(scene), (std::vector<std::string>{"Label1", "Cursor1", "Audio1"}));
}

TEST(ModelOrder, TakeObjectHandsOverOnlyObjectsOfTheScene) {
    TDemoFrame scene, other;
    TDemoObject& stranger = append(other, TObjectKind::Note, "Note1");
    append(scene, TObjectKind::Note, "Note1");
    EXPECT_EQ(TakeObject(scene, &stranger), nullptr);
    EXPECT_EQ(TakeObject(scene, nullptr), nullptr);
    EXPECT_EQ(scene.Objects.size(), 1u);
    auto taken = TakeObject(scene, scene.Objects[0].get());
    EXPECT_TRUE(taken);
    EXPECT_TRUE(scene.Objects.empty());
    FreeObject(taken);
    EXPECT_FALSE(taken);
    FreeObject(taken); // freeing nothing is harmless
}

TEST(ModelCursorChain, OverlappingCursorIsPushedKeepingItsDuration) {
    TDemoFrame scene;
    TDemoObject& first = append(scene, TObjectKind::Cursor, "Cursor1", 0, 20);
    TDemoObject& second = append(scene, TObjectKind::Cursor, "Cursor2", 10, 30);
    ChainCursors(scene, first, 0);
    EXPECT_EQ(second.StartTime, 20);
    EXPECT_EQ(second.EndTime, 40);
    EXPECT_EQ(scene.Length, 100);
}

TEST(ModelCursorChain, PushesRippleAndGrowTheScene) {
    TDemoFrame scene;
    TDemoObject& a = append(scene, TObjectKind::Cursor, "A", 0, 60);
    append(scene, TObjectKind::Shape, "Shape1", 0, 10); // other kinds are never moved
    TDemoObject& b = append(scene, TObjectKind::Cursor, "B", 10, 40); // pushed to 60-90
    TDemoObject& c = append(scene, TObjectKind::Cursor, "C", 70, 90); // overlaps B after the push: 90-110
    TDemoObject& d = append(scene, TObjectKind::Cursor, "D", 120, 130); // clear of C: stays
    ChainCursors(scene, a, 0);
    EXPECT_EQ(b.StartTime, 60);
    EXPECT_EQ(b.EndTime, 90);
    EXPECT_EQ(c.StartTime, 90);
    EXPECT_EQ(c.EndTime, 110);
    EXPECT_EQ(d.StartTime, 120);
    EXPECT_EQ(scene.Objects[1]->StartTime, 0);
    EXPECT_EQ(scene.Length, 110);
}

TEST(ModelCursorChain, EarlierCursorsAndWrongIndexesAreLeftAlone) {
    TDemoFrame scene;
    TDemoObject& a = append(scene, TObjectKind::Cursor, "A", 0, 50);
    TDemoObject& b = append(scene, TObjectKind::Cursor, "B", 10, 20);
    ChainCursors(scene, b, 1); // chaining looks forward only
    EXPECT_EQ(a.StartTime, 0);
    ChainCursors(scene, a, 1); // index does not hold this cursor
    ChainCursors(scene, a, 7);
    EXPECT_EQ(b.StartTime, 10);
    ChainAllCursors(scene);
    EXPECT_EQ(b.StartTime, 50);
    EXPECT_EQ(b.EndTime, 60);
}

TEST(ModelCursorChain, DamagedDurationsEndAndDoNotOverflow) {
    TDemoFrame scene;
    const auto top = std::numeric_limits<std::int32_t>::max();
    TDemoObject& a = append(scene, TObjectKind::Cursor, "A", 0, top - 1);
    TDemoObject& b = append(scene, TObjectKind::Cursor, "B", 5, 1000);
    TDemoObject& c = append(scene, TObjectKind::Cursor, "C", 6, 6); // zero duration
    ChainCursors(scene, a, 0);
    EXPECT_EQ(b.StartTime, top - 1);
    EXPECT_EQ(b.EndTime, top);
    EXPECT_EQ(c.StartTime, top);
    EXPECT_EQ(c.EndTime, top);
    EXPECT_EQ(scene.Length, top);
}

} // namespace
} // namespace vantora
