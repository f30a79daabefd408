// Buttons read back through the independent parser: the three state records and their colour
// terms, the click actions as bytes, the frames GotoScene and its kin jump to, and the button's
// placement while it lives.

#include "movie_test_support.h"

#include "movie/button_character.h"

namespace vantora::test {
namespace {

constexpr int kDefineButton2 = 34;
constexpr int kDefineShape = 22;

// Push of an integer, then GotoFrame2 with the play flag, then the end of the list: the bytes of a
// jump to `frame`.
std::string GotoBytes(std::uint32_t frame) {
    char hex[64];
    std::snprintf(hex, sizeof hex, "96050007%02x%02x%02x%02x9f01000100", frame & 0xff, (frame >> 8) & 0xff,
                  (frame >> 16) & 0xff, (frame >> 24) & 0xff);
    return hex;
}

class ButtonExport : public MovieTest {
protected:
    TDemoObject& AddButton(TDemoFrame& scene, TCommandAction action, std::string param = {}) {
        TDemoObject& button = AddObject(scene, TObjectKind::Button, 10, 10, 40, 20, 0, scene.Length);
        button.Command.Action = static_cast<std::uint8_t>(action);
        button.Command.Param = std::move(param);
        return button;
    }

    // The action bytes of every button in file order ("" for a button without actions).
    std::vector<std::string> ReleaseActions(const SwfSummary& movie) {
        std::vector<std::string> out;
        for (const SwfTag* button : movie.all(kDefineButton2)) {
            const std::string cond = button->text("condActions");
            const auto slash = cond.find('/');
            EXPECT_TRUE(cond.empty() || cond.find(';') == std::string::npos) << cond;
            out.push_back(slash == std::string::npos ? std::string() : cond.substr(slash + 1));
        }
        return out;
    }
};

TEST_F(ButtonExport, StateRectanglesShiftOnePixelForOverAndDown) {
    const ButtonStateRects r = ButtonRects({-20, -10, 19, 9});
    EXPECT_EQ((std::vector<int>{r.Up.Left, r.Up.Top, r.Up.Right, r.Up.Bottom}), (std::vector<int>{-20, -10, 20, 10}));
    EXPECT_EQ((std::vector<int>{r.Over.Left, r.Over.Top, r.Over.Right, r.Over.Bottom}),
              (std::vector<int>{-21, -11, 19, 9}));
    EXPECT_EQ((std::vector<int>{r.Down.Left, r.Down.Top, r.Down.Right, r.Down.Bottom}),
              (std::vector<int>{-19, -9, 21, 11}));
}

TEST_F(ButtonExport, ThreeRecordsAtDepthOneWithColourTermsOnlyWhereSet) {
    TDemoFrame& scene = AddScene(3);
    TDemoObject& lit = AddButton(scene, TCommandAction::Play);
    lit.*slot::MouseOverRedOff = 50;
    lit.*slot::MouseOverGreenOff = 0;
    lit.*slot::MouseOverBlueOff = -200;
    lit.MouseDownRedOff = 0;
    lit.*slot::MouseDownGreenOff = 0;
    lit.*slot::MouseDownBlueOff = 100;
    TDemoObject& plain = AddButton(scene, TCommandAction::Play);
    plain.*slot::MouseOverRedOff = plain.*slot::MouseOverGreenOff = plain.*slot::MouseOverBlueOff = 0;
    plain.MouseDownRedOff = plain.*slot::MouseDownGreenOff = plain.*slot::MouseDownBlueOff = 0;
    const SwfSummary movie = Build();
    const auto buttons = movie.all(kDefineButton2);
    ASSERT_EQ(buttons.size(), 2u);
    for (const SwfTag* button : buttons) {
        EXPECT_EQ(button->integer("trackAsMenu"), 0);
        const auto id = button->integer("id");
        EXPECT_EQ(button->text("records"), "uh:" + std::to_string(id - 3) + ":1;o:" + std::to_string(id - 2) +
                                               ":1;d:" + std::to_string(id - 1) + ":1")
            << "the three state shapes are defined just before the button";
    }
    // Add terms only: 50% is 127, -200% is -255, 100% is 255. Every record of this button kind
    // carries a colour transform; one without terms leaves the colours alone.
    const std::string none = "256,256,256,256,0,0,0,0";
    EXPECT_EQ(buttons[0]->text("recordCxforms"), none + ";256,256,256,256,127,0,-255,0;256,256,256,256,0,0,255,0");
    EXPECT_EQ(buttons[1]->text("recordCxforms"), none + ";" + none + ";" + none);
}

TEST_F(ButtonExport, StateShapesAreFilledWithThePaintedButton) {
    TDemoFrame& scene = AddScene(2);
    AddButton(scene, TCommandAction::None).Text = "Next";
    const SwfSummary movie = Build();
    const SwfTag* button = movie.find(kDefineButton2);
    ASSERT_NE(button, nullptr);
    int filled = 0;
    for (const SwfTag* shape : movie.all(kDefineShape))
        if (shape->integer("id") >= button->integer("id") - 3 && shape->integer("id") < button->integer("id"))
            filled += shape->text("fill0").rfind("bitmap", 0) == 0 ? 1 : 0;
    EXPECT_EQ(filled, 3);
    EXPECT_EQ(button->text("condActions"), "") << "no click action, no condition action";
}

TEST_F(ButtonExport, ClickActionsRunOnReleaseInsideTheButton) {
    TDemoFrame& scene = AddScene(2);
    AddButton(scene, TCommandAction::Play);
    AddButton(scene, TCommandAction::Stop);
    AddButton(scene, TCommandAction::ReplayAll);
    AddButton(scene, TCommandAction::VisitWebSite, "http://example.org/a b");
    AddButton(scene, TCommandAction::SendEmail, "help@example.org");
    AddButton(scene, TCommandAction::SendEmail, "");
    AddButton(scene, TCommandAction::None);
    const SwfSummary movie = Build();
    const auto buttons = movie.all(kDefineButton2);
    ASSERT_EQ(buttons.size(), 7u);
    EXPECT_EQ(buttons[0]->text("condActions"), "overDownToOverUp/0600");
    // GetURL: the address and the target, each ended by a zero byte.
    auto getUrl = [](const std::string& url, const std::string& target) {
        std::string hex;
        char b[3];
        for (unsigned char c : url + '\0' + target + '\0') {
            std::snprintf(b, sizeof b, "%02x", c);
            hex += b;
        }
        const std::size_t length = url.size() + target.size() + 2;
        std::snprintf(b, sizeof b, "%02x", unsigned(length & 0xff));
        std::string head = "83" + std::string(b);
        std::snprintf(b, sizeof b, "%02x", unsigned(length >> 8));
        return head + b + hex + "00";
    };
    EXPECT_EQ(ReleaseActions(movie), (std::vector<std::string>{"0600", "0700", GotoBytes(1),
                                                               getUrl("http://example.org/a b", "_blank"),
                                                               getUrl("mailto:help@example.org", ""), "", ""}));
}

TEST_F(ButtonExport, SceneJumpsLandOnTheFirstFrameOfTheTargetScene) {
    demo_.FrameRateFactor = 2;
    TDemoFrame& first = AddScene(5);   // frames 0..9
    TDemoFrame& empty = AddScene(0);   // no frames
    TDemoFrame& second = AddScene(3);  // frames 10..15
    TDemoFrame& third = AddScene(4);   // frames 16..23
    first.Name = "Intro";
    second.Name = "Steps";
    third.Name = "End";
    (void)empty;
    AddButton(first, TCommandAction::PreScene);             // first scene: nothing
    AddButton(first, TCommandAction::NextScene);            // the empty scene starts where Steps does
    AddButton(second, TCommandAction::ReplayScene);
    AddButton(second, TCommandAction::PreScene);
    AddButton(third, TCommandAction::NextScene);            // past the last frame
    AddButton(third, TCommandAction::GotoScene, "Steps");
    AddButton(third, TCommandAction::GotoScene, "steps");   // names compare exactly: nothing
    const SwfSummary movie = Build();
    EXPECT_EQ(movie.frameCount, 24);
    EXPECT_EQ(ReleaseActions(movie), (std::vector<std::string>{"", GotoBytes(11), GotoBytes(11), GotoBytes(11),
                                                               GotoBytes(25), GotoBytes(11), ""}));
}

TEST_F(ButtonExport, OneSceneMovieJumpsByTheWholeDemo) {
    AddScene(5);
    TDemoFrame& second = AddScene(3);
    AddButton(second, TCommandAction::ReplayScene);
    MovieBuildOptions options;
    options.sceneIndex = 1;
    const SwfSummary movie = Build(options);
    EXPECT_EQ(ReleaseActions(movie), (std::vector<std::string>{GotoBytes(11)}));
}

TEST_F(ButtonExport, ButtonIsPlacedDirectlyAndReplacedEveryFrameOfItsLife) {
    TDemoFrame& scene = AddScene(3);
    TDemoObject& button = AddButton(scene, TCommandAction::Play);
    button.StartTime = 1;
    button.EndTime = 3;
    button.Animation.StopWithScene = false; // a sprite is defined, yet the button goes on the main timeline
    scene.StopPoints = {2};
    const SwfSummary movie = Build();
    EXPECT_EQ(FramesAt(movie, kPlaceObject2, 2), Range(2, 5));
    EXPECT_EQ(FramesAt(movie, kRemoveObject2, 2), Range(3, 6));
    const SwfTag* place = PlacementAt(movie, 2, 2);
    ASSERT_NE(place, nullptr);
    EXPECT_EQ(place->integer("characterId"), movie.find(kDefineButton2)->integer("id"));
    EXPECT_EQ(FramesAt(movie, kDoAction, -1), (std::vector<int>{4})) << "the movie halts at the stop point";
    EXPECT_EQ(movie.find(kDoAction)->text("actions"), "0700");
}

} // namespace
} // namespace vantora::test
