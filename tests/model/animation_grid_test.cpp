// The "Animation" grid: rows per selection, their names and limits, and applying edits.
#include "model/animation_grid.h"
#include "model/object_operations.h"
#include "model/scene_operations.h"

#include "subject_fixture.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

class ModelAnimationGrid : public test::SubjectFixture {
protected:
    static AnimationRow row(const PropertySubject& subject, const char* name) {
        const AnimationSheet sheet = BuildAnimationSheet(subject);
        const AnimationRow* found = sheet.find(name);
        if (!found)
            throw std::runtime_error(std::string("no row ") + name);
        return *found;
    }

    std::string typed(const PropertySubject& subject, const char* name, const char* text) {
        return ApplyAnimationTyped(row(subject, name), subject, text).cellText;
    }
};

std::vector<std::string> rowNames(const AnimationSheet& sheet) {
    std::vector<std::string> names;
    for (const AnimationRow& row : sheet.rows)
        names.push_back(row.name);
    return names;
}

TEST_F(ModelAnimationGrid, RowCountsPerSelection) {
    EXPECT_EQ(BuildAnimationSheet(add(TObjectKind::Text)).rows.size(), 14u);
    EXPECT_EQ(BuildAnimationSheet(add(TObjectKind::Cursor)).rows.size(), 14u);
    EXPECT_EQ(BuildAnimationSheet(add(TObjectKind::Note)).rows.size(), 34u);
    EXPECT_EQ(BuildAnimationSheet({&demo, scene, nullptr}).rows.size(), 34u);
    EXPECT_TRUE(BuildAnimationSheet(add(TObjectKind::Audio)).rows.empty());
    EXPECT_TRUE(BuildAnimationSheet(add(TObjectKind::InputText)).rows.empty());
    for (TObjectKind kind : {TObjectKind::RoundBalloon, TObjectKind::Shape, TObjectKind::Image, TObjectKind::Label,
                             TObjectKind::Button, TObjectKind::Balloon})
        EXPECT_EQ(BuildAnimationSheet(add(kind)).rows.size(), 34u) << ObjectKindName(kind);
}

TEST_F(ModelAnimationGrid, RowNamesInGridOrder) {
    const AnimationSheet text = BuildAnimationSheet(add(TObjectKind::Text));
    EXPECT_EQ(rowNames(text),
              (std::vector<std::string>{"StopWithScene", "ObjectCenter", "CustomCenterX", "CustomCenterY",
                                        "LocationXAnimationType", "LocationXInFromOffValue", "LocationXInSteps",
                                        "LocationXOutToOffValue", "LocationXOutSteps", "LocationYAnimationType",
                                        "LocationYInFromOffValue", "LocationYInSteps", "LocationYOutToOffValue",
                                        "LocationYOutSteps"}));
    const AnimationSheet note = BuildAnimationSheet(add(TObjectKind::Note));
    EXPECT_EQ(note.rows[4].name, "FadeAnimationType");
    EXPECT_EQ(note.rows[5].name, "FadeInFromValue (%)");
    EXPECT_EQ(note.rows[8].name, "FadeOutSteps");
    EXPECT_EQ(note.rows[9].name, "AngleAnimationType");
    EXPECT_EQ(note.rows[10].name, "AngleInFromOffValue");
    EXPECT_EQ(note.rows[12].name, "AngleOutToOffValue");
    EXPECT_EQ(note.rows[15].name, "WidthInFromValue (%)");
    EXPECT_EQ(note.rows[22].name, "HeightOutToValue (%)");
    EXPECT_EQ(note.rows[29].name, "LocationYAnimationType");
    EXPECT_EQ(note.find("RedAnimationType"), nullptr);
    EXPECT_EQ(note.find("FadeChangeSpeed"), nullptr);
}

TEST_F(ModelAnimationGrid, ChannelGroupsAreRecorded) {
    const AnimationSheet cursor = BuildAnimationSheet(add(TObjectKind::Cursor));
    EXPECT_EQ(cursor.channelRow[static_cast<int>(TChannelId::Fade)], 4);
    EXPECT_EQ(cursor.channelRow[static_cast<int>(TChannelId::Angle)], 9);
    EXPECT_EQ(cursor.channelRow[static_cast<int>(TChannelId::Width)], kAbsentRow);
    EXPECT_EQ(cursor.channelRow[static_cast<int>(TChannelId::Red)], kAbsentRow);
}

TEST_F(ModelAnimationGrid, ArrowPointIsOfferedForBalloonsOnly) {
    PropertySubject balloon = add(TObjectKind::Balloon);
    PropertySubject shape = add(TObjectKind::Shape);
    EXPECT_EQ(row(balloon, "ObjectCenter").pickList.back(), "ArrowPoint");
    EXPECT_EQ(row(shape, "ObjectCenter").pickList.back(), "LeftCenter");
    EXPECT_EQ(row(shape, "ObjectCenter").pickList.size(), 10u);

    EXPECT_TRUE(ApplyAnimationPick(row(balloon, "ObjectCenter"), balloon, "TopCenter").changed);
    EXPECT_TRUE(ApplyAnimationPick(row(balloon, "ObjectCenter"), balloon, "ArrowPoint").changed);
    EXPECT_EQ(balloon.object->Animation.ObjectCenter, 10);
    EXPECT_FALSE(ApplyAnimationPick(row(shape, "ObjectCenter"), shape, "ArrowPoint").changed);
    EXPECT_EQ(shape.object->Animation.ObjectCenter, 1);
    EXPECT_EQ(AnimationDisplayValue(row(shape, "ObjectCenter"), shape.object->Animation), "Center");
}

TEST_F(ModelAnimationGrid, TypedLimitsPerChannel) {
    PropertySubject note = add(TObjectKind::Note);
    const TAnimationSettings& a = note.object->Animation;
    EXPECT_EQ(typed(note, "FadeInSteps", "1"), "2");
    EXPECT_EQ(a.Fade.InSteps, 2);
    EXPECT_EQ(typed(note, "FadeInFromValue (%)", "150"), "100");
    EXPECT_EQ(typed(note, "FadeOutToValue (%)", "-1"), "0");
    EXPECT_EQ(typed(note, "WidthInFromValue (%)", "150"), "150");
    EXPECT_EQ(typed(note, "HeightOutToValue (%)", "-20"), "0");
    EXPECT_EQ(typed(note, "AngleInFromOffValue", "-30"), "-30");
    EXPECT_EQ(a.Angle.InFromValue, -30);
    EXPECT_EQ(typed(note, "LocationYOutToOffValue", "-500"), "-500");
    EXPECT_EQ(typed(note, "CustomCenterX", "-30"), "0");
    EXPECT_EQ(typed(note, "CustomCenterY", "44"), "44");
    EXPECT_EQ(typed(note, "LocationXOutSteps", "2000000000"), "2000000000");
    EXPECT_EQ(typed(note, "AngleOutSteps", "x"), "8");
    EXPECT_EQ(a.Angle.OutSteps, 8);
}

TEST_F(ModelAnimationGrid, EditsReportAnimationChangesOnly) {
    PropertySubject label = add(TObjectKind::Label);
    EXPECT_FALSE(ApplyAnimationTyped(row(label, "FadeInSteps"), label, "8").changed);
    EXPECT_TRUE(changes.empty());
    EXPECT_TRUE(ApplyAnimationTyped(row(label, "FadeInSteps"), label, "9").changed);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].kind, ModelChangeKind::AnimationChanged);
    EXPECT_EQ(changes[0].object, label.object);

    PropertySubject sceneSubject{&demo, scene, nullptr};
    ApplyAnimationPick(row(sceneSubject, "WidthAnimationType"), sceneSubject, "AllTimeLoop");
    EXPECT_EQ(scene->Animation.Width.AnimationType, 2);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[1].object, nullptr);
    EXPECT_EQ(changes[1].scene, scene);
}

TEST_F(ModelAnimationGrid, StopWithSceneIsTrueOnlyForTrue) {
    PropertySubject image = add(TObjectKind::Image);
    const AnimationRow stop = row(image, "StopWithScene");
    EXPECT_EQ(AnimationDisplayValue(stop, image.object->Animation), "True");
    EXPECT_EQ(ApplyAnimationPick(stop, image, "TRUE").cellText, "False");
    EXPECT_FALSE(image.object->Animation.StopWithScene);
    ApplyAnimationPick(stop, image, "True");
    EXPECT_TRUE(image.object->Animation.StopWithScene);
}

TEST_F(ModelAnimationGrid, AnimationTypeNames) {
    PropertySubject label = add(TObjectKind::Label);
    const AnimationRow type = row(label, "AngleAnimationType");
    EXPECT_EQ(type.pickList, (std::vector<std::string>{"None", "OnlyForInOut", "AllTimeLoop"}));
    EXPECT_EQ(AnimationDisplayValue(row(label, "FadeAnimationType"), label.object->Animation), "OnlyForInOut");
    EXPECT_FALSE(ApplyAnimationPick(type, label, "Loop").changed);
    ApplyAnimationPick(type, label, "OnlyForInOut");
    EXPECT_EQ(label.object->Animation.Angle.AnimationType, 1);
}

} // namespace
} // namespace vantora
