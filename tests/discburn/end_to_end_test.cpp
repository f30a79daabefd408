// The window on the real burning stack: a published folder written to a file standing in for a
// disc, and saved as an ISO file, read back afterwards.
#include "discburn/discora_form.h"
#include "discburn/libburn_engine.h"

#include "form_probe.h"
#include "image_readback.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>

namespace discora {
namespace {

namespace fs = std::filesystem;
using namespace discora::test;

class DiscoraEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        writeText(folder / "autorun.inf", "[autorun]\r\nopen=autorun.exe\r\n");
        writeText(folder / "autorun.exe", std::string(40000, 'x'));
        writeText(folder / "autorun.ico", std::string(766, 'i'));
        writeText(folder / "autorun.swf", std::string(90000, 's'));
        writeText(folder / "AutoRunSource" / "demo.vtp", "stays behind");
        LibburnEngine::Options options;
        options.scanDrives = false;
        options.extraDrives = {"stdio:" + disc.string()};
        options.beforeVerify = [this](const std::string& written) {
            if (damage)
                damage(written);
        };
        engine = std::make_unique<LibburnEngine>(options);
        form = std::make_unique<DiscoraForm>(*engine);
        form->setMessageHandler([this](const QString& caption, const QString& text) {
            messages.push_back(caption + ": " + text);
        });
        form->setIsoPathPrompt([this] { return QString::fromStdString(iso.string()); });
        ASSERT_TRUE(form->start(QString::fromStdString(folder.string())));
    }

    // Runs the window's event loop until the operation has ended, within a deadline.
    bool waitUntilIdle() {
        QElapsedTimer clock;
        clock.start();
        while (!(form->idle() && !engine->busy())) {
            if (clock.elapsed() > 60000)
                return false;
            QApplication::processEvents(QEventLoop::AllEvents, 50);
            QThread::msleep(10);
        }
        return true;
    }

    QStringList logLines() { return discora::test::logLines(*form); }

    Tree expectedTree() {
        Tree tree = readTree(folder);
        for (auto it = tree.begin(); it != tree.end();)
            it = it->first.rfind("AutoRunSource", 0) == 0 ? tree.erase(it) : std::next(it);
        return tree;
    }

    Tree extracted(const fs::path& image) {
        std::string output;
        EXPECT_TRUE(extractImage(image, dir / "out", output)) << output;
        return readTree(dir / "out");
    }

    vantora::test::TempDir dir;
    fs::path folder = dir / "publish";
    fs::path disc = dir / "disc.iso";
    fs::path iso = dir / "saved.iso";
    std::unique_ptr<LibburnEngine> engine;
    std::unique_ptr<DiscoraForm> form;
    QStringList messages;
    std::function<void(const std::string&)> damage;
};

TEST_F(DiscoraEndToEnd, WriteButtonBurnsTheFolderWithoutItsSources) {
    form->findChild<QPushButton*>(QStringLiteral("writeButton"))->click();
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(messages, QStringList{"Information: Write and verify complete!"});
    EXPECT_TRUE(logLines().contains("Verifying written data..."));
    const Tree tree = extracted(disc);
    EXPECT_EQ(tree, expectedTree());
    EXPECT_EQ(tree.size(), 4u);
}

TEST_F(DiscoraEndToEnd, SaveIsoButtonGivesTheSameLayout) {
    form->findChild<QPushButton*>(QStringLiteral("saveIsoButton"))->click();
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(messages, QStringList{"Information: Save ISO image completed!"});
    EXPECT_TRUE(logLines().contains("Verifying written data..."));
    EXPECT_EQ(extracted(iso), expectedTree());
    EXPECT_EQ(volumeId(iso), "MYDISC");
}

TEST_F(DiscoraEndToEnd, ADiscDamagedBeforeItIsReadBackIsReportedAsAnError) {
    damage = [](const std::string& written) { ASSERT_TRUE(flipByteAfter(written, std::string(100, 's'))); };
    form->findChild<QPushButton*>(QStringLiteral("writeButton"))->click();
    ASSERT_TRUE(waitUntilIdle());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "Error: Verify Error: \"autorun.swf\" differs from its source file at byte 100.");
    EXPECT_EQ(logLines().last(), "Write error!");
}

TEST_F(DiscoraEndToEnd, AnIsoFileDamagedBeforeItIsReadBackIsNotSaved) {
    damage = [](const std::string& written) { ASSERT_TRUE(flipByteAfter(written, std::string(100, 'x'))); };
    form->findChild<QPushButton*>(QStringLiteral("saveIsoButton"))->click();
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(messages, QStringList{"Error: Verify Error: \"autorun.exe\" differs from its source file at byte 100."});
    EXPECT_FALSE(fs::exists(iso));
}

} // namespace
} // namespace discora
