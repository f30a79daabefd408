// The rows of the "Properties" grid per selection: names, order, routes and groups.
#include "model/object_operations.h"
#include "model/property_rows.h"
#include "model/scene_operations.h"

#include <gtest/gtest.h>

namespace vantora {
namespace {

std::vector<std::string> rowNames(const PropertySheet& sheet) {
    std::vector<std::string> names;
    for (const PropertyRow& row : sheet.rows)
        names.push_back(row.name);
    return names;
}

const std::vector<std::string> kPosition{"Left", "Top", "Width", "Height"};

std::vector<std::string> withPosition(std::vector<std::string> rows) {
    rows.insert(rows.end(), kPosition.begin(), kPosition.end());
    return rows;
}

struct KindRows {
    TObjectKind kind;
    std::vector<std::string> rows; // before the position rows
};

const KindRows kKindRows[] = {
    {TObjectKind::Balloon,
     {"Name", "Text", "Font", "FontColor", "Alignment", "Layout", "Margin", "Arrow", "BorderColor", "BackColor",
      "Alpha (%)"}},
    {TObjectKind::RoundBalloon,
     {"Name", "Text", "Font", "FontColor", "Alignment", "Layout", "Margin", "Arrow", "BackColor", "Round", "Flat",
      "Shadow", "Alpha (%)"}},
    {TObjectKind::Note,
     {"Name", "Text", "Font", "FontColor", "Alignment", "RowPitch", "Margin", "BackColor", "Round", "Flat", "Shadow",
      "Graphic", "Alpha (%)", "TextAngle", "TextSpray (%)", "TextBlur (%)", "TextNoise (%)", "TextHorzMirror",
      "TextVertMirror", "TextOutline", "TextGradientStyle", "TextGradientColor", "TextShadow", "TextShadowColor",
      "TextShadowBlur (%)", "TextShadowXOff", "TextShadowYOff"}},
    {TObjectKind::Text, {"Name", "Text", "Font", "FontColor", "Alignment"}},
    {TObjectKind::Label, {"Name", "Caption", "Font", "FontColor", "Alpha (%)"}},
    {TObjectKind::InputText, {"Name", "Caption", "Font", "FontColor", "InputFrom", "InputDelay", "CharDelay"}},
    {TObjectKind::Shape,
     {"Name", "Shape", "BorderColor", "BorderWidth", "FillColor", "FillStyle", "RoundForRect", "Alpha"}},
    {TObjectKind::Image,
     {"Name", "Image", "Angle", "HorzMirror", "VertMirror", "FitSize", "BitmapTransparent", "BitmapTransparentMode",
      "BitmapTransparentColor", "Alpha"}},
    {TObjectKind::Cursor,
     {"Name", "CursorType", "CustomCursor", "Angle", "HorzMirror", "VertMirror", "BitmapTransparent",
      "BitmapTransparentMode", "BitmapTransparentColor", "Alpha"}},
    {TObjectKind::Button,
     {"Name", "Caption", "Font", "FontColor", "BorderColor", "BorderWidth", "FillColor", "FillStyle", "Round",
      "ButtonImage", "MouseOverRedOff (%)", "MouseOverGreenOff (%)", "MouseOverBlueOff (%)", "MouseDownRedOff (%)",
      "MouseDownGreenOff (%)", "MouseDownBlueOff (%)", "Alpha (%)"}},
    {TObjectKind::Audio, {"Name", "Audio"}},
};

class ModelPropertyRows : public testing::TestWithParam<KindRows> {};

TEST_P(ModelPropertyRows, KindRowsThenPositionRows) {
    TDemoFrame scene;
    TDemoObject& object = NewObject(scene, GetParam().kind, 0, 0);
    const PropertySheet sheet = BuildPropertySheet({nullptr, &scene, &object});
    std::vector<std::string> expected = withPosition(GetParam().rows);
    if (GetParam().kind == TObjectKind::Button) {
        expected.push_back("ClickAction");
        expected.push_back("ActionParam"); // a new button plays: no parameter
    }
    EXPECT_EQ(rowNames(sheet), expected);
    EXPECT_EQ(sheet.positionRow, static_cast<int>(GetParam().rows.size()));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ModelPropertyRows, testing::ValuesIn(kKindRows),
                         [](const auto& info) { return std::string(ObjectKindName(info.param.kind)); });

TEST(ModelPropertyRowsDetail, SceneRows) {
    TDemoFrame scene;
    const PropertySheet sheet = BuildPropertySheet({nullptr, &scene, nullptr});
    EXPECT_EQ(rowNames(sheet), (std::vector<std::string>{"Name", "BackColor", "BackImage", "BackImageStyle"}));
    EXPECT_EQ(sheet.positionRow, kAbsentRow);
    EXPECT_EQ(sheet.textEffectRow, kAbsentRow);
    EXPECT_EQ(sheet.clickActionRow, kAbsentRow);
    EXPECT_EQ(sheet.rows[3].pickList, (std::vector<std::string>{"Normal", "Center", "Stretch", "Tile"}));
}

TEST(ModelPropertyRowsDetail, GroupsAreRecordedWhereTheyBegin) {
    TDemoFrame scene;
    const PropertySheet note = BuildPropertySheet({nullptr, &scene, &NewObject(scene, TObjectKind::Note, 0, 0)});
    EXPECT_EQ(note.textEffectRow, 13);
    EXPECT_EQ(note.rows[13].name, "TextAngle");
    EXPECT_EQ(note.clickActionRow, kAbsentRow);

    const PropertySheet button = BuildPropertySheet({nullptr, &scene, &NewObject(scene, TObjectKind::Button, 0, 0)});
    EXPECT_EQ(button.textEffectRow, kAbsentRow);
    EXPECT_EQ(button.clickActionRow, 21);
    EXPECT_EQ(button.rows[21].name, "ClickAction");
}

TEST(ModelPropertyRowsDetail, RoutesAndDialogsOfCharacteristicRows) {
    TDemoFrame scene;
    const PropertySheet note = BuildPropertySheet({nullptr, &scene, &NewObject(scene, TObjectKind::Note, 0, 0)});
    EXPECT_EQ(note.find("Name")->route, EditRoute::TypedAtOnce);
    EXPECT_EQ(note.find("Text")->dialog, DialogKind::TextEditor);
    EXPECT_EQ(note.find("Font")->dialog, DialogKind::Font);
    EXPECT_EQ(note.find("TextShadowColor")->dialog, DialogKind::Colour);
    EXPECT_EQ(note.find("TextGradientStyle")->route, EditRoute::PickOrTyped);
    EXPECT_EQ(note.find("Flat")->pickList, (std::vector<std::string>{"False", "True"}));
    // Graphic shows all six names but offers three.
    EXPECT_EQ(note.find("Graphic")->pickList, (std::vector<std::string>{"None", "Bind", "Pad"}));
    EXPECT_EQ(note.find("Graphic")->names.size(), 6u);

    const PropertySheet label = BuildPropertySheet({nullptr, &scene, &NewObject(scene, TObjectKind::Label, 0, 0)});
    EXPECT_EQ(label.find("Caption")->route, EditRoute::TypedAtOnce);

    const PropertySheet audio = BuildPropertySheet({nullptr, &scene, &NewObject(scene, TObjectKind::Audio, 0, 0)});
    EXPECT_EQ(audio.find("Audio")->dialog, DialogKind::SoundFile);
}

TEST(ModelPropertyRowsDetail, BoundsOfTypedRows) {
    TDemoFrame scene;
    auto bounds = [&](TObjectKind kind, const char* name) {
        const PropertySheet sheet = BuildPropertySheet({nullptr, &scene, &NewObject(scene, kind, 0, 0)});
        const PropertyRow* row = sheet.find(name);
        EXPECT_NE(row, nullptr) << name;
        return row ? std::pair{row->minimum, row->maximum} : std::pair{0, 0};
    };
    EXPECT_EQ(bounds(TObjectKind::Note, "Alpha (%)"), std::pair(0, 100));
    EXPECT_EQ(bounds(TObjectKind::Note, "TextAngle"), std::pair(-360, 360));
    EXPECT_EQ(bounds(TObjectKind::Note, "RowPitch"), std::pair(-100, 32767));
    EXPECT_EQ(bounds(TObjectKind::Note, "TextShadowXOff"), std::pair(-20, 20));
    EXPECT_EQ(bounds(TObjectKind::Note, "TextShadowYOff"), std::pair(-20, 20));
    EXPECT_EQ(bounds(TObjectKind::Shape, "RoundForRect"), std::pair(0, 16384));
    EXPECT_EQ(bounds(TObjectKind::Button, "BorderWidth"), std::pair(0, 16384));
    EXPECT_EQ(bounds(TObjectKind::Note, "Margin"), std::pair(0, kNoMaximum));
    EXPECT_EQ(bounds(TObjectKind::InputText, "InputFrom"), std::pair(1, kNoMaximum));
    EXPECT_EQ(bounds(TObjectKind::Button, "MouseDownBlueOff (%)"), std::pair(-100, 100));
    EXPECT_EQ(bounds(TObjectKind::Shape, "BorderWidth"), std::pair(0, 16384));
    EXPECT_EQ(bounds(TObjectKind::Shape, "Width"), std::pair(2, kNoMaximum));
    EXPECT_EQ(bounds(TObjectKind::Shape, "Left"), std::pair(kNoMinimum, kNoMaximum));
}

TEST(ModelPropertyRowsDetail, ClickActionParameterRowFollowsTheAction) {
    TVantora demo;
    NewScene(demo).Name = "Intro";
    TDemoFrame& scene = NewScene(demo);
    TDemoObject& button = NewObject(scene, TObjectKind::Button, 0, 0);
    auto paramRow = [&](TCommandAction action) {
        button.Command.Action = static_cast<std::uint8_t>(action);
        const PropertySheet sheet = BuildPropertySheet({&demo, &scene, &button});
        return sheet.rows.back();
    };
    EXPECT_EQ(paramRow(TCommandAction::None).name, "ActionParam");
    EXPECT_EQ(paramRow(TCommandAction::PreScene).route, EditRoute::ReadOnly);
    const PropertyRow gotoRow = paramRow(TCommandAction::GotoScene);
    EXPECT_EQ(gotoRow.name, "SceneName");
    EXPECT_EQ(gotoRow.route, EditRoute::Pick);
    EXPECT_EQ(gotoRow.pickList, (std::vector<std::string>{"Intro", "Scene1"}));
    // Without the demo given, the scene's own link finds the scene names.
    EXPECT_EQ(BuildPropertySheet({nullptr, &scene, &button}).rows.back().pickList, gotoRow.pickList);
    EXPECT_EQ(paramRow(TCommandAction::VisitWebSite).name, "WebSiteURL");
    EXPECT_EQ(paramRow(TCommandAction::VisitWebSite).route, EditRoute::TypedAtOnce);
    EXPECT_EQ(paramRow(TCommandAction::SendEmail).name, "EmailAddress");

    const PropertySheet sheet = BuildPropertySheet({&demo, &scene, &button});
    const PropertyRow* action = sheet.find("ClickAction");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->pickList.size(), 9u); // SendEmail is not offered
    EXPECT_EQ(action->pickList.back(), "VisitWebSite");
}

} // namespace
} // namespace vantora
