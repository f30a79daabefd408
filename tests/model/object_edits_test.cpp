// The inverse operations undo is made of, scene layouts, dropped objects, the align rules and the
// notifier with several listeners.

#include "model/object_align.h"
#include "model/object_edits.h"
#include "model/object_operations.h"
#include "model/scene_layout.h"
#include "model/scene_operations.h"

#include "subject_fixture.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

class ObjectEdits : public test::SubjectFixture {
protected:
    std::vector<ModelChangeKind> kinds() const {
        std::vector<ModelChangeKind> out;
        for (const auto& change : changes)
            out.push_back(change.kind);
        return out;
    }
};

TEST_F(ObjectEdits, InsertAndRemoveAtAnIndexReportWhileTheObjectLives) {
    TDemoObject& a = NewObject(*scene, TObjectKind::Note, 0, 0);
    TDemoObject& b = NewObject(*scene, TObjectKind::Note, 0, 0);
    changes.clear();
    const TDemoObject* seenRemoved = nullptr;
    std::string removedName;
    demo.Changes.addListener([&](const ModelChange& change) {
        if (change.kind == ModelChangeKind::ObjectRemoved) {
            seenRemoved = change.object;
            removedName = change.object->Name; // still alive while the report runs
        }
    });
    std::unique_ptr<TDemoObject> taken = RemoveObjectAt(*scene, 0);
    EXPECT_EQ(taken.get(), &a);
    EXPECT_EQ(seenRemoved, &a);
    EXPECT_EQ(removedName, "Note1");
    EXPECT_EQ(RemoveObjectAt(*scene, 5), nullptr);

    InsertObject(*scene, 99, std::move(taken)); // clamped to the end
    EXPECT_EQ(ObjectOrder(*scene), (std::vector<TDemoObject*>{&b, &a}));
    EXPECT_EQ(kinds(), (std::vector<ModelChangeKind>{ModelChangeKind::ObjectRemoved, ModelChangeKind::ObjectAdded}));
}

TEST_F(ObjectEdits, SettersReportOnlyRealChanges) {
    TDemoObject& note = NewObject(*scene, TObjectKind::Note, 0, 0);
    changes.clear();
    SetObjectBounds(*scene, note, BoundsOf(note));
    SetObjectTiming(*scene, note, TimingOf(note));
    SetSceneLength(*scene, scene->Length);
    SetStopPoints(*scene, scene->StopPoints);
    EXPECT_TRUE(changes.empty());
    SetObjectBounds(*scene, note, {1, 2, 3, 4});
    SetObjectTiming(*scene, note, {5, 6});
    SetStopPoints(*scene, {7, 3});
    EXPECT_EQ(kinds(), (std::vector<ModelChangeKind>{ModelChangeKind::ObjectChanged, ModelChangeKind::ObjectTiming,
                                                     ModelChangeKind::StopPoints}));
    EXPECT_EQ(BoundsOf(note), (TObjectBounds{1, 2, 3, 4}));
    EXPECT_EQ(scene->StopPoints, (std::vector<std::int32_t>{7, 3})); // taken as given
}

TEST_F(ObjectEdits, AnOrderMustNameEveryObjectOnce) {
    TDemoObject& a = NewObject(*scene, TObjectKind::Shape, 0, 0);
    TDemoObject& b = NewObject(*scene, TObjectKind::Shape, 0, 0);
    TDemoObject stranger;
    changes.clear();
    EXPECT_FALSE(SetObjectOrder(*scene, {&a}));
    EXPECT_FALSE(SetObjectOrder(*scene, {&a, &a}));
    EXPECT_FALSE(SetObjectOrder(*scene, {&a, &stranger}));
    EXPECT_TRUE(SetObjectOrder(*scene, {&a, &b})); // as it is: no report
    EXPECT_TRUE(changes.empty());
    EXPECT_TRUE(SetObjectOrder(*scene, {&b, &a}));
    EXPECT_EQ(ObjectOrder(*scene), (std::vector<TDemoObject*>{&b, &a}));
    EXPECT_EQ(kinds(), (std::vector<ModelChangeKind>{ModelChangeKind::ObjectsReordered}));
}

TEST_F(ObjectEdits, RestoringALayoutBringsObjectsBackFromThePoolAndPutsOthersThere) {
    TDemoObject& note = NewObject(*scene, TObjectKind::Note, 0, 0);
    TDemoObject& button = NewObject(*scene, TObjectKind::Button, 0, 0); // adds a stop point
    const TSceneLayout before = CaptureLayout(*scene);
    ObjectPool pool;
    pool.push_back(RemoveObjectAt(*scene, 0));
    TDemoObject& label = NewObject(*scene, TObjectKind::Label, 0, 0);
    SetObjectBounds(*scene, button, {9, 9, 9, 9});
    scene->Length = 400;
    scene->StopPoints.clear();

    RestoreLayout(*scene, before, pool);
    EXPECT_EQ(CaptureLayout(*scene), before);
    EXPECT_EQ(ObjectOrder(*scene), (std::vector<TDemoObject*>{&note, &button}));
    ASSERT_EQ(pool.size(), 1u);
    EXPECT_EQ(pool[0].get(), &label);
}

TEST_F(ObjectEdits, APlacementFoundNowhereIsSkipped) {
    TDemoObject& note = NewObject(*scene, TObjectKind::Note, 0, 0);
    TSceneLayout layout = CaptureLayout(*scene);
    TDemoObject lost;
    layout.objects.push_back({&lost, {}, {}});
    ObjectPool pool;
    RestoreLayout(*scene, layout, pool);
    EXPECT_EQ(ObjectOrder(*scene), (std::vector<TDemoObject*>{&note}));
    EXPECT_TRUE(pool.empty());
}

TEST_F(ObjectEdits, InsertAndTakeSceneAreInverse) {
    TDemoFrame& second = NewScene(demo);
    changes.clear();
    std::unique_ptr<TDemoFrame> taken = TakeScene(demo, 0);
    EXPECT_EQ(taken.get(), scene);
    EXPECT_EQ(TakeScene(demo, 3), nullptr);
    EXPECT_EQ(IndexOfScene(demo, scene), std::string::npos);
    InsertScene(demo, 0, std::move(taken));
    EXPECT_EQ(IndexOfScene(demo, scene), 0u);
    EXPECT_EQ(IndexOfScene(demo, &second), 1u);
    EXPECT_EQ(scene->Demo, &demo);
    EXPECT_EQ(kinds(), (std::vector<ModelChangeKind>{ModelChangeKind::SceneRemoved, ModelChangeKind::SceneAdded}));
}

TEST_F(ObjectEdits, ADroppedObjectGetsAUniqueNameANewObjectsTimingAndItsPlace) {
    NewObject(*scene, TObjectKind::Note, 0, 0); // Note1 0-30
    NewObject(*scene, TObjectKind::Note, 0, 0); // Note2 10-40
    NewObject(*scene, TObjectKind::Cursor, 0, 0);
    auto dropped = std::make_unique<TDemoObject>();
    dropped->Kind = TObjectKind::Note;
    dropped->Name = "Note1";
    dropped->StartTime = 50;
    dropped->EndTime = 149;
    changes.clear();
    TDemoObject& added = AddDroppedObject(*scene, std::move(dropped), 7, 8);
    EXPECT_EQ(added.Name, "Note3");
    EXPECT_EQ(TimingOf(added), (TObjectTiming{20, 50}));
    EXPECT_EQ(BoundsOf(added).Left, 7);
    EXPECT_EQ(scene->Objects[2].get(), &added); // before the cursor
    EXPECT_EQ(kinds(), (std::vector<ModelChangeKind>{ModelChangeKind::ObjectAdded}));

    auto distinct = std::make_unique<TDemoObject>();
    distinct->Kind = TObjectKind::Note;
    distinct->Name = "Welcome";
    scene->Length = 25; // 10 after the last note (30) is not within the scene: start at 0
    TDemoObject& kept = AddDroppedObject(*scene, std::move(distinct), 0, 0);
    EXPECT_EQ(kept.Name, "Welcome");
    EXPECT_EQ(TimingOf(kept), (TObjectTiming{0, 30}));
    EXPECT_EQ(scene->Length, 30);
}

TEST(ObjectAlign, OnlyObjectsThatMoveAreListed) {
    TDemoObject reference, same, other;
    reference.Left = 10;
    same.Left = 10;
    other.Left = 30;
    const auto changes = AlignedBounds({&reference, &same, &other}, TAlignMode::Left);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].first, &other);
    EXPECT_EQ(changes[0].second.Left, 10);
    EXPECT_TRUE(AlignedBounds({&other}, TAlignMode::Right).empty());
}

TEST(ChangeNotifier, EveryListenerHearsAndARemovedOneNoLonger) {
    ChangeNotifier notifier;
    int first = 0, second = 0;
    ChangeNotifier::ListenerId secondId = 0;
    notifier.addListener([&](const ModelChange&) {
        ++first;
        notifier.removeListener(secondId); // removed while the report runs: not called any more
    });
    secondId = notifier.addListener([&](const ModelChange&) { ++second; });
    notifier.notify({ModelChangeKind::DemoSettings});
    notifier.notify({ModelChangeKind::DemoSettings});
    EXPECT_EQ(first, 2);
    EXPECT_EQ(second, 0);
    EXPECT_TRUE(notifier.modified());
}

} // namespace
} // namespace vantora
