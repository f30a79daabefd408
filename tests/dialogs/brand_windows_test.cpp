// The splash window and the About box: captions, version, addresses, and titles that the text
// engine really draws over the backdrop gradient.

#include "dialogs/about_form.h"
#include "dialogs/brand_backdrop.h"
#include "dialogs/program_identity.h"
#include "dialogs/splash_form.h"
#include "fake_prompts.h"

#include <QLabel>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace vantora {
namespace {

using test::Child;
using test::ClickButton;
using test::FakePrompts;

TEST(Backdrop, RunsFromWhiteToLightBlue) {
    EXPECT_EQ(BackdropColour(0, 200), QColor(255, 255, 255));
    EXPECT_EQ(BackdropColour(199, 200), QColor(160, 192, 255));
    EXPECT_EQ(BackdropColour(-5, 200), QColor(255, 255, 255));
    EXPECT_EQ(BackdropColour(500, 200), QColor(160, 192, 255));
    const QColor middle = BackdropColour(100, 201);
    EXPECT_EQ(middle.blue(), 255);
    EXPECT_NEAR(middle.red(), (255 + 160) / 2, 1);
    EXPECT_EQ(BackdropColour(0, 1), QColor(255, 255, 255));
}

TEST(ProgramIdentity, VersionHasFourNumbers) {
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$")).match(ProgramFileVersion()).hasMatch())
        << ProgramFileVersion().toStdString();
    EXPECT_FALSE(ProgramIcon().pixmap(32, 32).isNull());
}

// Pixels of the label's picture that are not the backdrop behind them.
int TextPixels(const TEngineTextLabel& label) {
    const QImage picture = label.render();
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const int windowY = label.mapTo(label.window(), QPoint(0, y)).y();
        const QRgb backdrop = BackdropColour(windowY, label.window()->height()).rgb();
        for (int x = 0; x < picture.width(); ++x)
            count += (picture.pixel(x, y) & 0xFFFFFF) != (backdrop & 0xFFFFFF);
    }
    return count;
}

TEST(AboutForm, CaptionVersionTitleAndMaker) {
    FakePrompts prompts;
    TAboutForm form(prompts);
    form.show();
    EXPECT_EQ(form.windowTitle(), "About " + ApplicationTitle());
    EXPECT_EQ(Child<QLabel>(form, "VersionLabel")->text(), "Version: " + ProgramFileVersion());
    auto* title = Child<TEngineTextLabel>(form, "TitleText");
    EXPECT_EQ(title->text(), ApplicationTitle());
    EXPECT_GT(TextPixels(*title), 100);
    auto* maker = Child<TEngineTextLabel>(form, "MakerText");
    EXPECT_GT(TextPixels(*maker), 50);
    // The maker's name is grey: no pixel of it has more blue than red, unlike the backdrop.
    const QImage picture = maker->render();
    const QRgb ink = picture.pixel(picture.width() / 2, picture.height() / 2);
    EXPECT_LE(std::abs(qRed(ink) - qGreen(ink)), 40);
}

TEST(AboutForm, AddressesOpenThroughTheDesktop) {
    FakePrompts prompts;
    const auto clickLinks = [&](QDialog& dialog) {
        dialog.show();
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (label->text().startsWith("<a href"))
                emit label->linkActivated(label->text().section('"', 1, 1));
        ClickButton(dialog, "&OK");
        return dialog.result();
    };
    RunAboutForm(nullptr, prompts, clickLinks);
    EXPECT_EQ(prompts.openedAddresses,
              (QStringList{kMakerHomePage, QStringLiteral("mailto:") + kMakerSupportMail, QStringLiteral("mailto:") + kMakerSalesMail}));
}

TEST(SplashForm, ShowsTitleAndMakerUntilFreed) {
    std::unique_ptr<TSplashForm> splash = ShowSplash();
    ASSERT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->windowTitle(), ApplicationTitle());
    EXPECT_TRUE(splash->windowFlags() & Qt::SplashScreen);
    auto* maker = Child<TEngineTextLabel>(*splash, "MakerText");
    EXPECT_EQ(maker->text(), kMakerName);
    EXPECT_GT(TextPixels(*maker), 50);
    splash->refresh();
    QPointer<TSplashForm> watch = splash.get();
    splash.reset();
    EXPECT_TRUE(watch.isNull());
}

} // namespace
} // namespace vantora
