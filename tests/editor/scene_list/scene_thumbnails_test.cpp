// The thumbnails: the scene composed and stretched into the box, and made again only for the
// scene a change (or its undo and redo) reached.

#include "editor/scene_list/scene_thumbnails.h"

#include "../document_fixture.h"
#include "model/demo_settings.h"
#include "model/property_rows.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace vantora::test {
namespace {

class SceneThumbnailsTest : public DocumentFixture {
protected:
    std::unique_ptr<SceneThumbnails> thumbnails;
    TDemoFrame* second = nullptr;
    PropertySheet sheet;

    void SetUp() override {
        DocumentFixture::SetUp();
        document.demo().Width = 640;
        document.demo().Height = 480;
        second = &NewScene(document.demo());
        thumbnails = std::make_unique<SceneThumbnails>(document);
    }

    // The scene's background colour changed as the property grid changes it.
    void setSceneColour(TDemoFrame& target, TColor colour) {
        const PropertySubject subject{&document.demo(), &target, nullptr};
        sheet = BuildPropertySheet(subject);
        const PropertyRow* row = sheet.find("BackColor");
        ASSERT_NE(row, nullptr);
        document.applyColour(*row, subject, colour);
    }
    QRgb centre(const TDemoFrame& target) {
        const QImage& picture = thumbnails->thumbnail(target);
        return picture.pixel(picture.width() / 2, picture.height() / 2);
    }
    void renderBoth() {
        thumbnails->thumbnail(*scene);
        thumbnails->thumbnail(*second);
    }
};

TEST_F(SceneThumbnailsTest, TheSceneIsStretchedIntoTheThumbnailBox) {
    EXPECT_EQ(thumbnails->thumbnailBox(), QRect(13, 6, 99, 74));
    scene->BackColor = RGB(0, 128, 255);
    const QImage& picture = thumbnails->thumbnail(*scene);
    EXPECT_EQ(picture.size(), QSize(99, 74));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(0, 128, 255));
    EXPECT_EQ(picture.pixel(98, 73), qRgb(0, 128, 255));
}

TEST_F(SceneThumbnailsTest, ObjectsAreDrawnAsOnTheCanvasWithoutTheGrid) {
    scene->BackColor = clWhite;
    const QImage empty = thumbnails->thumbnail(*scene);
    for (int y = 0; y < empty.height(); ++y)
        for (int x = 0; x < empty.width(); ++x)
            ASSERT_EQ(empty.pixel(x, y), qRgb(255, 255, 255)) << "no grid dots at " << x << "," << y;
    // A shape over the right half of the demo shows on the right half of the thumbnail only.
    TDemoObject& shape = place(TObjectKind::Shape, 320, 0);
    document.setBounds({{&shape, {320, 0, 320, 480}}});
    const QImage& picture = thumbnails->thumbnail(*scene);
    EXPECT_NE(picture.pixel(75, 37), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(20, 37), qRgb(255, 255, 255));
}

TEST_F(SceneThumbnailsTest, AChangeReRendersOnlyTheCardOfItsScene) {
    renderBoth();
    renderBoth(); // asking again uses the kept pictures
    EXPECT_EQ(thumbnails->renderCount(scene), 1);
    EXPECT_EQ(thumbnails->renderCount(second), 1);

    QSignalSpy changed(thumbnails.get(), &SceneThumbnails::cardChanged);
    setSceneColour(*second, RGB(255, 0, 0));
    EXPECT_TRUE(thumbnails->isCurrent(scene));
    EXPECT_FALSE(thumbnails->isCurrent(second));
    ASSERT_GE(changed.count(), 1);
    EXPECT_EQ(changed.last().at(0).value<const TDemoFrame*>(), second);
    EXPECT_EQ(centre(*second), qRgb(255, 0, 0));
    renderBoth();
    EXPECT_EQ(thumbnails->renderCount(scene), 1);
    EXPECT_EQ(thumbnails->renderCount(second), 2);

    // Undo and redo reach the card the same way.
    stack().undo();
    EXPECT_TRUE(thumbnails->isCurrent(scene));
    EXPECT_EQ(centre(*second), qRgb(255, 255, 255));
    stack().redo();
    EXPECT_EQ(centre(*second), qRgb(255, 0, 0));
    EXPECT_EQ(thumbnails->renderCount(scene), 1);
    EXPECT_EQ(thumbnails->renderCount(second), 4);
}

TEST_F(SceneThumbnailsTest, ChangesThatLeaveThePictureAloneRepaintWithoutRendering) {
    TDemoObject& label = place(TObjectKind::Label, 10, 10);
    renderBoth();
    QSignalSpy changed(thumbnails.get(), &SceneThumbnails::cardChanged);
    document.setTimings({{&label, {0, 250}}}); // the length grows: the card's text changes
    EXPECT_EQ(scene->Length, 250);
    EXPECT_GE(changed.count(), 1);
    EXPECT_TRUE(thumbnails->isCurrent(scene));
    renderBoth();
    EXPECT_EQ(thumbnails->renderCount(scene), 1);
}

TEST_F(SceneThumbnailsTest, ANewDemoSizeRendersEveryCardAgain) {
    renderBoth();
    TDemoSettings settings = DemoSettingsOf(document.demo());
    settings.Width = 100;
    settings.Height = 50;
    document.setDemoSettings(settings);
    EXPECT_FALSE(thumbnails->isCurrent(scene));
    EXPECT_FALSE(thumbnails->isCurrent(second));
    EXPECT_EQ(thumbnails->thumbnail(*scene).size(), QSize(100, 50)); // never enlarged
}

TEST_F(SceneThumbnailsTest, AMovedObjectOfTheSceneIsRedrawnAtItsNewPlace) {
    TDemoObject& shape = place(TObjectKind::Shape, 0, 0);
    document.setBounds({{&shape, {0, 0, 320, 480}}});
    const QRgb shapeColour = thumbnails->thumbnail(*scene).pixel(20, 37);
    ASSERT_NE(shapeColour, qRgb(255, 255, 255));
    document.setBounds({{&shape, {320, 0, 320, 480}}});
    const QImage& moved = thumbnails->thumbnail(*scene);
    EXPECT_EQ(moved.pixel(20, 37), qRgb(255, 255, 255));
    EXPECT_EQ(moved.pixel(75, 37), shapeColour);
    stack().undo();
    EXPECT_EQ(thumbnails->thumbnail(*scene).pixel(20, 37), shapeColour);
}

TEST_F(SceneThumbnailsTest, ADemoTooLargeToDrawGivesNoPictureAndNoCrash) {
    // The largest size the settings allow holds more pixels than a picture may have.
    TDemoSettings settings = DemoSettingsOf(document.demo());
    settings.Width = 9999;
    settings.Height = 9999;
    document.setDemoSettings(settings);
    EXPECT_EQ(thumbnails->thumbnailBox().size(), QSize(74, 74));
    EXPECT_TRUE(thumbnails->thumbnail(*scene).isNull());
    settings.Width = 640;
    settings.Height = 480;
    document.setDemoSettings(settings);
    EXPECT_EQ(thumbnails->thumbnail(*scene).size(), QSize(99, 74));
}

TEST_F(SceneThumbnailsTest, ARemovedSceneIsForgottenAndANewDemoStartsAfresh) {
    renderBoth();
    document.setCurrentScene(second);
    ASSERT_TRUE(document.deleteCurrentScene());
    EXPECT_EQ(thumbnails->renderCount(second), 0);
    EXPECT_EQ(thumbnails->renderCount(scene), 1);
    stack().undo(); // the scene comes back and is drawn afresh
    EXPECT_FALSE(thumbnails->isCurrent(second));
    TDemoSettings settings = DemoSettingsOf(document.demo());
    document.newDemo(settings, true);
    EXPECT_FALSE(thumbnails->isCurrent(document.demo().Scenes.front().get()));
    EXPECT_EQ(thumbnails->renderCount(document.demo().Scenes.front().get()), 0);
}

} // namespace
} // namespace vantora::test
