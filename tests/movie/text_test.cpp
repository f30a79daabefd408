// Labels, texts and typed input read back through the independent parser, and the typing rule on
// its own: which characters and caret a frame shows.

#include "movie_test_support.h"

#include "movie/input_typing.h"

#include <QString>

namespace vantora::test {
namespace {

constexpr int kDefineText = 11;
constexpr int kDefineEditText = 37;

TDemoObject Input(const std::string& text, int from, int delay, int charDelay) {
    TDemoObject input;
    input.Kind = TObjectKind::InputText;
    input.Text = text;
    input.*slot::InputFrom = from;
    input.*slot::InputDelay = delay;
    input.*slot::CharDelay = charDelay;
    return input;
}

std::string Shown(const TypedText& typed) { return QString::fromStdU16String(typed.Shown).toStdString(); }

TEST(InputTyping, OneCharacterPerFrameAfterTheDelayWithTheCaretBlinkingEveryHalfSecond) {
    const TDemoObject input = Input("abcdefghijklmn", 1, 2, 1);
    // 10 frames per second: two frames of delay, then one character a frame.
    EXPECT_EQ(Shown(TypedTextAt(input, 0, 1)), "");
    EXPECT_EQ(Shown(TypedTextAt(input, 1, 1)), "");
    EXPECT_EQ(Shown(TypedTextAt(input, 2, 1)), "");
    EXPECT_EQ(Shown(TypedTextAt(input, 3, 1)), "a");
    EXPECT_EQ(Shown(TypedTextAt(input, 7, 1)), "abcde");
    for (int a : {0, 4, 10, 14})
        EXPECT_TRUE(TypedTextAt(input, a, 1).Caret) << a;
    for (int a : {5, 9, 15})
        EXPECT_FALSE(TypedTextAt(input, a, 1).Caret) << a;
    // At 40 frames per second the same times are four times as many frames.
    EXPECT_EQ(Shown(TypedTextAt(input, 12, 4)), "a");
    EXPECT_EQ(Shown(TypedTextAt(input, 11, 4)), "");
    EXPECT_TRUE(TypedTextAt(input, 19, 4).Caret);
    EXPECT_FALSE(TypedTextAt(input, 20, 4).Caret);
}

TEST(InputTyping, TextBeforeInputFromStandsFromTheStartAndTheWholeTextHidesTheCaret) {
    EXPECT_EQ(Shown(TypedTextAt(Input("Name: Ann", 7, 3, 1), 0, 1)), "Name: ");
    EXPECT_EQ(Shown(TypedTextAt(Input("Name: Ann", 7, 3, 1), 4, 1)), "Name: A");
    const TypedText done = TypedTextAt(Input("Ann", 1, 0, 1), 3, 1);
    EXPECT_EQ(Shown(done), "Ann");
    EXPECT_FALSE(done.Caret);
    EXPECT_FALSE(TypedTextAt(Input("Ann", 1, 0, 1), 100, 1).Caret);
    // InputFrom past the end: the whole text from the start, no caret.
    const TypedText all = TypedTextAt(Input("Ann", 9, 5, 1), 0, 1);
    EXPECT_EQ(Shown(all), "Ann");
    EXPECT_FALSE(all.Caret);
    EXPECT_EQ(Shown(TypedTextAt(Input("Ann", 0, 0, 2), 2, 1)), "A") << "InputFrom below 1 types from the start";
    // Characters outside ASCII count as one each.
    EXPECT_EQ(Shown(TypedTextAt(Input("Größe", 1, 0, 1), 4, 1)), "Größ");
}

TEST(InputTyping, NoCharacterDelayTypesTheRestAtOnceWhenTypingStarts) {
    const TDemoObject input = Input("Name: Ann", 7, 3, 0);
    EXPECT_EQ(Shown(TypedTextAt(input, 2, 2)), "Name: ");
    EXPECT_EQ(Shown(TypedTextAt(input, 6, 2)), "Name: Ann");
    EXPECT_EQ(Shown(TypedTextAt(Input("x", 1, 0, -4), 0, 2)), "x");
}

class TextExport : public MovieTest {};

TEST_F(TextExport, InputTextGetsANewFieldWheneverTheTypedTextOrCaretChanges) {
    demo_.FrameRateFactor = 1;
    TDemoFrame& scene = AddScene(8);
    TDemoObject& input = AddObject(scene, TObjectKind::InputText, 10, 10, 100, 20, 0, 8);
    input.Text = "abc";
    input.*slot::InputFrom = 1;
    input.*slot::InputDelay = 1;
    input.*slot::CharDelay = 1;
    input.Font.Color = 0x000000FF; // red
    const SwfSummary movie = Build();
    std::vector<std::string> texts;
    for (const SwfTag* field : movie.all(kDefineEditText)) {
        texts.push_back(field->text("text"));
        EXPECT_EQ(field->integer("readOnly"), 0);
        EXPECT_EQ(field->integer("noSelect"), 0);
        EXPECT_EQ(field->integer("multiline"), 0);
        EXPECT_EQ(field->integer("wordWrap"), 0);
        EXPECT_EQ(field->text("color"), "255,0,0,255");
    }
    // Frame 0: caret; 1: the delay ends, nothing typed yet, same pair; 2, 3: one character each
    // with the caret; 4 (the last one arrived): caret; 5: the whole text without it.
    EXPECT_EQ(texts, (std::vector<std::string>{"|", "a|", "ab|", "abc|", "abc"}));
    std::vector<int> defined;
    for (const SwfTag* field : movie.all(kDefineEditText))
        defined.push_back(field->frame);
    EXPECT_EQ(defined, (std::vector<int>{0, 2, 3, 4, 5}));
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 2), Range(0, 7)) << "placed directly and re-placed while it lives";
    EXPECT_EQ(FramesAt(movie, kRemoveObject2, 2), Range(1, 8));
    EXPECT_EQ(PlacementAt(movie, 2, 6)->integer("characterId"), movie.all(kDefineEditText).back()->integer("id"));
}

TEST_F(TextExport, TextBecomesAWrappingEditableFieldInItsAlignmentAndFontHeight) {
    TDemoFrame& scene = AddScene(2);
    for (int alignment : {0, 1, 2}) {
        TDemoObject& text = AddObject(scene, TObjectKind::Text, 0, 0, 200, 80, 0, 2);
        text.Text = "Two words";
        text.Alignment = alignment;
        text.Font.Height = -13;
    }
    const SwfSummary movie = Build();
    const auto fields = movie.all(kDefineEditText);
    ASSERT_EQ(fields.size(), 3u);
    std::vector<std::string> aligns;
    for (const SwfTag* field : fields) {
        aligns.push_back(field->text("align"));
        EXPECT_EQ(field->integer("fontSize"), 260);
        EXPECT_EQ(field->integer("multiline"), 1);
        EXPECT_EQ(field->integer("wordWrap"), 1);
        EXPECT_EQ(field->integer("readOnly"), 0);
        EXPECT_EQ(field->text("text"), "Two words");
    }
    // The field's codes: 0 left, 1 right, 2 centre.
    EXPECT_EQ(aligns, (std::vector<std::string>{"0", "2", "1"}));
}

TEST_F(TextExport, LabelIsStaticTextWithEmbeddedGlyphs) {
    TDemoFrame& scene = AddScene(2);
    TDemoObject& label = AddObject(scene, TObjectKind::Label, 20, 20, 120, 30, 0, 2);
    label.Text = "Hello";
    label.Font.Color = 0x00FF0000; // blue
    const SwfSummary movie = Build();
    const SwfTag* text = movie.find(kDefineText);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text("color"), "0,0,255,255");
    EXPECT_EQ(Numbers(text->text("glyphIndices")).size(), 5u);
    const SwfTag* font = movie.find(48);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->integer("glyphs"), 4) << "H, e, l, o";
    EXPECT_EQ(PlacementAt(movie, 2, 0)->integer("characterId"), text->integer("id"));
}

TEST_F(TextExport, EmptyTextsAndLabelsInSpritesBuildCleanMovies) {
    TDemoFrame& scene = AddScene(3);
    AddObject(scene, TObjectKind::Label, 0, 0, 50, 20, 0, 3);
    AddObject(scene, TObjectKind::Text, 0, 30, 50, 20, 0, 3);
    AddObject(scene, TObjectKind::InputText, 0, 60, 50, 20, 0, 3);
    TDemoObject& moving = AddObject(scene, TObjectKind::Label, 0, 90, 80, 20, 0, 3);
    moving.Text = "Moving";
    moving.Animation.StopWithScene = false; // re-placed inside its own sprite
    const SwfSummary movie = Build();
    ASSERT_TRUE(movie.ok);
    EXPECT_EQ(movie.all(kDefineEditText).size(), 2u) << "the empty input text shows no caret and stays one field";
    EXPECT_EQ(movie.all(kDefineText).size(), 2u);
    const SwfTag* sprite = movie.find(kDefineSprite);
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->integer("frameCount"), 5) << "frames 0 to 4 of the label's life";
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 5), (std::vector<int>{0}));
}

} // namespace
} // namespace vantora::test
