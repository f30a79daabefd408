// The dialogs' questions reach the program's message boxes, file dialogs and desktop with the
// designed icons and buttons, and the answers come back translated.

#include "dialogs/user_prompts.h"
#include "platform/desktop_services.h"
#include "platform/user_dialogs.h"

#include <QColor>
#include <QUrl>

#include <gtest/gtest.h>

namespace vantora {
namespace {

struct RecordingDialogs final : UserDialogs {
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    QString caption, text, filter, folder, suffix;
    MessageAnswer answer = MessageAnswer::No;
    std::optional<QColor> colour;
    QColor initial;

    MessageAnswer message(QWidget*, const QString& c, const QString& t, MessageIcon i, MessageButtons b) override {
        caption = c;
        text = t;
        icon = i;
        buttons = b;
        return answer;
    }
    QString openFileName(QWidget*, const QString&, const QString&, const QString& f) override {
        filter = f;
        return QStringLiteral("/tmp/in.png");
    }
    QString saveFileName(QWidget*, const QString&, const QString& d, const QString& f, const QString& s) override {
        folder = d;
        filter = f;
        suffix = s;
        return QStringLiteral("/tmp/out.jpg");
    }
    std::optional<QColor> chooseColour(QWidget*, const QColor& start) override {
        initial = start;
        return colour;
    }
};

struct RecordingDesktop final : DesktopServices {
    QList<QUrl> opened;
    bool openUrl(const QUrl& url) override {
        opened << url;
        return true;
    }
};

TEST(PlatformPrompts, MessagesCarryTheirIconsAndButtons) {
    RecordingDialogs dialogs;
    RecordingDesktop desktop;
    PlatformPrompts prompts(dialogs, desktop);
    prompts.information(nullptr, "Information", "The image data is invalid.");
    EXPECT_EQ(dialogs.icon, MessageIcon::Information);
    EXPECT_EQ(dialogs.buttons, MessageButtons::Ok);
    EXPECT_EQ(dialogs.caption, "Information");

    dialogs.answer = MessageAnswer::Yes;
    EXPECT_TRUE(prompts.askYesNo(nullptr, "Convert to Jpeg", "?"));
    EXPECT_EQ(dialogs.icon, MessageIcon::Question);
    EXPECT_EQ(dialogs.buttons, MessageButtons::YesNo);
    dialogs.answer = MessageAnswer::Cancel; // a closed box is not a Yes
    EXPECT_FALSE(prompts.askYesNo(nullptr, "Convert to Jpeg", "?"));
}

TEST(PlatformPrompts, FilesColoursAndAddresses) {
    RecordingDialogs dialogs;
    RecordingDesktop desktop;
    PlatformPrompts prompts(dialogs, desktop);
    EXPECT_EQ(prompts.openFileName(nullptr, "Icons (*.ico)|*.ico"), "/tmp/in.png");
    EXPECT_EQ(dialogs.filter, "Icons (*.ico)|*.ico");
    EXPECT_EQ(prompts.saveFileName(nullptr, "JPEG images (*.jpg)|*.jpg", "Image.jpg"), "/tmp/out.jpg");
    EXPECT_EQ(dialogs.suffix, "jpg");
    prompts.saveFileName(nullptr, "Any|*", "Text");
    EXPECT_EQ(dialogs.suffix, "");
    prompts.saveFileName(nullptr, "Any|*", "/home/a.b/out/");
    EXPECT_EQ(dialogs.suffix, "");

    dialogs.colour = QColor(0x12, 0x34, 0x56);
    EXPECT_EQ(prompts.chooseColour(nullptr, RGB(1, 2, 3)), std::optional<TColor>(RGB(0x12, 0x34, 0x56)));
    EXPECT_EQ(dialogs.initial, QColor(1, 2, 3));
    dialogs.colour.reset();
    EXPECT_FALSE(prompts.chooseColour(nullptr, clWhite).has_value());

    prompts.openAddress("mailto:support@vantora.app");
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened[0].scheme(), "mailto");
}

} // namespace
} // namespace vantora
