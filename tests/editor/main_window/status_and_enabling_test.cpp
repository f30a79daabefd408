// The status-bar texts and the enabling rules of the Scene and Edit commands.
#include "editor/main_window/enabling_rules.h"
#include "editor/main_window/status_texts.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

TEST(StatusTexts, ScenePanelCountsScenesAndNamesTheSelectedOne) {
    EXPECT_EQ(ScenePanelText(std::nullopt, 0), QString());
    EXPECT_EQ(ScenePanelText(0, 0), QString()); // a stale selection of an empty demo shows nothing
    EXPECT_EQ(ScenePanelText(std::nullopt, 4), QStringLiteral("4 Scene(s)"));
    EXPECT_EQ(ScenePanelText(0, 4), QStringLiteral("1/4 Scene(s)"));
    EXPECT_EQ(ScenePanelText(3, 4), QStringLiteral("4/4 Scene(s)"));
    EXPECT_EQ(ScenePanelText(4, 4), QStringLiteral("4 Scene(s)")); // past the end: as if none
}

TEST(StatusTexts, ObjectPanelShowsThePick) {
    EXPECT_EQ(ObjectPanelText({}), QString());
    EXPECT_EQ(ObjectPanelText({ObjectPick::Kind::Scene, 0, 0}), QStringLiteral("Scene"));
    EXPECT_EQ(ObjectPanelText({ObjectPick::Kind::Object, 0, 1}), QStringLiteral("1/1 Object(s)"));
    EXPECT_EQ(ObjectPanelText({ObjectPick::Kind::Object, 6, 12}), QStringLiteral("7/12 Object(s)"));
}

TEST(StatusTexts, CaptionPanelShowsNameAndFile) {
    EXPECT_EQ(CaptionPanelText("Demo", {}), QStringLiteral("Demo"));
    EXPECT_EQ(CaptionPanelText("", {}), QStringLiteral("[Untitled]"));
    EXPECT_EQ(CaptionPanelText("Tour", QStringLiteral("/home/a/tour.vtp")), QStringLiteral("Tour - /home/a/tour.vtp"));
    EXPECT_EQ(CaptionPanelText("", QStringLiteral("/x.vtp")), QStringLiteral("[Untitled] - /x.vtp"));
    EXPECT_EQ(CaptionPanelText("Caf\xc3\xa9", {}), QStringLiteral("Caf\u00e9"));
}

TEST(EnablingRules, NothingWithoutASelectedScene) {
    CommandState state;
    state.sceneObjects = 3;        // stale counts of no scene
    state.selectedObjects = 1;
    state.clipboardHoldsObjects = true;
    const SceneCommandsEnabled scene = SceneCommandsFor(state);
    const EditCommandsEnabled edit = EditCommandsFor(state);
    EXPECT_FALSE(scene.duplicateScene || scene.deleteScene || scene.previewScene || scene.moveUp || scene.moveDown ||
                 scene.moveToFirst || scene.moveToLast);
    EXPECT_FALSE(edit.copy || edit.paste || edit.duplicate || edit.align || edit.deleteObjects || edit.clear ||
                 edit.bringToFront || edit.sendToBack);
}

TEST(EnablingRules, MovesFollowThePlaceOfTheScene) {
    CommandState only{.sceneSelected = true, .firstSceneSelected = true, .lastSceneSelected = true};
    SceneCommandsEnabled e = SceneCommandsFor(only);
    EXPECT_TRUE(e.duplicateScene && e.deleteScene && e.previewScene);
    EXPECT_FALSE(e.moveUp || e.moveToFirst || e.moveDown || e.moveToLast);

    CommandState first{.sceneSelected = true, .firstSceneSelected = true};
    e = SceneCommandsFor(first);
    EXPECT_FALSE(e.moveUp || e.moveToFirst);
    EXPECT_TRUE(e.moveDown && e.moveToLast);

    CommandState last{.sceneSelected = true, .lastSceneSelected = true};
    e = SceneCommandsFor(last);
    EXPECT_TRUE(e.moveUp && e.moveToFirst);
    EXPECT_FALSE(e.moveDown || e.moveToLast);
}

TEST(EnablingRules, ObjectCommandsFollowTheSelection) {
    CommandState none{.sceneSelected = true, .sceneObjects = 2, .selectedObjects = 0};
    EditCommandsEnabled e = EditCommandsFor(none);
    EXPECT_FALSE(e.copy || e.duplicate || e.deleteObjects || e.bringToFront || e.sendToBack || e.paste);
    EXPECT_TRUE(e.clear);

    CommandState one{.sceneSelected = true, .sceneObjects = 2, .selectedObjects = 1};
    e = EditCommandsFor(one);
    EXPECT_TRUE(e.copy && e.duplicate && e.deleteObjects && e.bringToFront && e.sendToBack && e.clear && e.align);

    CommandState two{.sceneSelected = true, .sceneObjects = 2, .selectedObjects = 2};
    e = EditCommandsFor(two);
    EXPECT_TRUE(e.copy && e.deleteObjects);
    EXPECT_FALSE(e.bringToFront || e.sendToBack); // z-order wants exactly one

    CommandState empty{.sceneSelected = true, .clipboardHoldsObjects = true};
    e = EditCommandsFor(empty);
    EXPECT_FALSE(e.clear);
    EXPECT_TRUE(e.paste);
}

} // namespace
} // namespace vantora
