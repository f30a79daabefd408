// The window driven through a fake engine: start-up, the drive and speed lists, control states,
// and the reactions to every operation and event. Message boxes and the file dialog are answered
// by the test.
#include "discburn/discora_form.h"

#include "fake_burn_engine.h"
#include "form_probe.h"
#include "image_readback.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include <memory>

namespace discora {
namespace {

using test::FakeBurnEngine;
using test::writeText;

struct Message {
    QString caption;
    QString text;
    bool operator==(const Message&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Message& m) {
    return out << m.caption.toStdString() << ": " << m.text.toStdString();
}

class DiscoraWindow : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureApplication();
        form = std::make_unique<DiscoraForm>(engine);
        form->setMessageHandler([this](const QString& caption, const QString& text) {
            messages.push_back({caption, text});
        });
        form->setIsoPathPrompt([this] { return isoAnswer; });
    }

    // A started window on a folder holding one file.
    void startOnFolder() {
        writeText(folder / "autorun.inf", "[autorun]");
        ASSERT_TRUE(form->start(QString::fromStdString(folder.string())));
        messages.clear();
    }

    QPushButton* button(const char* name) { return form->findChild<QPushButton*>(QString::fromLatin1(name)); }
    QComboBox* combo(const char* name) { return form->findChild<QComboBox*>(QString::fromLatin1(name)); }
    QString panelText() { return form->findChild<QLabel*>(QStringLiteral("panel"))->text(); }
    int progress() { return form->findChild<QProgressBar*>(QStringLiteral("progressBar"))->value(); }

    QStringList logLines() { return test::logLines(*form); }
    int logIconAt(int row) {
        auto* list = form->findChild<QTreeWidget*>(QStringLiteral("logList"));
        return list->topLevelItem(row < 0 ? list->topLevelItemCount() + row : row)->data(0, Qt::UserRole).toInt();
    }

    void deliver(std::initializer_list<BurnEvent> events) {
        engine.queued.insert(engine.queued.end(), events.begin(), events.end());
        form->pollEngine();
    }
    void finish(std::initializer_list<BurnEvent> events) {
        engine.running = false;
        deliver(events);
    }

    bool onlyAbortEnabled() {
        for (const char* name : {"writeButton", "quickEraseButton", "ejectButton", "closeTrayButton", "saveIsoButton", "closeButton"})
            if (button(name)->isEnabled())
                return false;
        return button("abortButton")->isEnabled() && !combo("driveCombo")->isEnabled() &&
               !combo("speedCombo")->isEnabled() && !form->findChild<QLineEdit*>(QStringLiteral("labelEdit"))->isEnabled();
    }

    vantora::test::TempDir dir;
    std::filesystem::path folder = dir / "publish";
    FakeBurnEngine engine;
    std::unique_ptr<DiscoraForm> form;
    std::vector<Message> messages;
    QString isoAnswer;
};

TEST_F(DiscoraWindow, HasItsCaptionControlsAndAFixedSize) {
    EXPECT_EQ(form->windowTitle(), "Burn CD/DVD");
    EXPECT_EQ(form->findChild<QLineEdit*>(QStringLiteral("labelEdit"))->text(), "MYDISC");
    EXPECT_EQ(button("writeButton")->text(), "&Write");
    EXPECT_EQ(button("abortButton")->text(), "&Abort");
    EXPECT_EQ(button("quickEraseButton")->text(), "&Quick Erase");
    EXPECT_EQ(button("ejectButton")->text(), "&Eject");
    EXPECT_EQ(button("closeTrayButton")->text(), "Close &Tray");
    EXPECT_EQ(button("closeButton")->text(), "&Close");
    EXPECT_EQ(button("saveIsoButton")->text(), "&Save ISO File...");
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->findChild<QTreeWidget*>(QStringLiteral("logList"))->columnWidth(0), 400);
}

TEST_F(DiscoraWindow, WithoutAFolderItClosesAtOnceAndSilently) {
    EXPECT_FALSE(form->start(std::nullopt));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(engine.initializeCalls, 1);
    EXPECT_EQ(engine.resetCalls, 1);
}

TEST_F(DiscoraWindow, UnusableDevicesAreReportedBeforeAnythingElse) {
    engine.initializes = false;
    EXPECT_FALSE(form->start(std::nullopt));
    EXPECT_EQ(messages, (std::vector<Message>{{"Error", "Devices cannot be initialized!"}}));
}

TEST_F(DiscoraWindow, MissingFolderIsReportedAndTheWindowCloses) {
    const QString missing = QString::fromStdString((dir / "nowhere").string());
    EXPECT_FALSE(form->start(missing));
    EXPECT_EQ(messages, (std::vector<Message>{{"Error", "Folder \"" + missing + "\" not found!"}}));
    EXPECT_TRUE(engine.files.empty());
    // A file is not a folder either.
    writeText(dir / "file.txt", "x");
    EXPECT_FALSE(form->start(QString::fromStdString((dir / "file.txt").string())));
}

TEST_F(DiscoraWindow, StartLaysOutTheFolderAndListsTheDrives) {
    for (const char* name : {"autorun.inf", "autorun.exe", "autorun.ico", "autorun.swf"})
        writeText(folder / name, name);
    writeText(folder / "AutoRunSource" / "demo.vtp", "left behind");
    const QString path = QString::fromStdString(folder.string());

    ASSERT_TRUE(form->start(path));

    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(engine.files.size(), 4u);
    EXPECT_TRUE(engine.folders.empty());
    EXPECT_EQ(logLines(), (QStringList{"========== ADD FILES TO CD/DVD LAYOUT ... ", "autorun.exe", "autorun.ico",
                                       "autorun.inf", "autorun.swf"}));
    EXPECT_EQ(logIconAt(1), log_icon::File);
    EXPECT_EQ(panelText(), path);
    EXPECT_EQ(combo("driveCombo")->count(), 1);
    EXPECT_EQ(combo("driveCombo")->currentText(), "Fake Writer");
    EXPECT_EQ(engine.selected, 0);
    // A drive that reports no speeds offers "MAX".
    EXPECT_EQ(combo("speedCombo")->count(), 1);
    EXPECT_EQ(combo("speedCombo")->currentText(), "MAX");
    EXPECT_TRUE(form->idle());
    for (const char* name : {"writeButton", "quickEraseButton", "ejectButton", "closeTrayButton", "saveIsoButton", "closeButton"})
        EXPECT_TRUE(button(name)->isEnabled()) << name;
    EXPECT_FALSE(button("abortButton")->isEnabled());
}

TEST_F(DiscoraWindow, SpeedsAreListedFastestFirstAndTheChosenOneIsUsed) {
    engine.speedList = {{8.0, 1412}, {4.0, 706}};
    startOnFolder();
    ASSERT_EQ(combo("speedCombo")->count(), 2);
    EXPECT_EQ(combo("speedCombo")->itemText(0), "8.00x");
    EXPECT_EQ(combo("speedCombo")->itemText(1), "4.00x");
    combo("speedCombo")->setCurrentIndex(1);
    button("writeButton")->click();
    EXPECT_EQ(engine.writeSpeed, 706);
}

TEST_F(DiscoraWindow, DrivesThatCannotWriteAreNotListed) {
    engine.driveList = {{"Reader", false}, {"Writer", true}};
    startOnFolder();
    ASSERT_EQ(combo("driveCombo")->count(), 1);
    EXPECT_EQ(combo("driveCombo")->currentText(), "Writer");
    EXPECT_EQ(engine.selected, 1); // the engine's own index, not the list position
}

TEST_F(DiscoraWindow, WithoutACompatibleDriveOnlySavingAnIsoFileRemains) {
    engine.driveList = {{"Reader", false}};
    writeText(folder / "a.txt", "a");
    ASSERT_TRUE(form->start(QString::fromStdString(folder.string())));
    EXPECT_EQ(messages, (std::vector<Message>{{"Information", "There is no compatible device!"}}));
    for (const char* name : {"writeButton", "quickEraseButton", "ejectButton", "closeTrayButton", "abortButton"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    EXPECT_FALSE(combo("driveCombo")->isEnabled());
    EXPECT_FALSE(combo("speedCombo")->isEnabled());
    EXPECT_TRUE(button("saveIsoButton")->isEnabled());
    EXPECT_TRUE(button("closeButton")->isEnabled());
}

TEST_F(DiscoraWindow, WriteNeedsWritableMediaWithRoomForTheImage) {
    startOnFolder();
    engine.media.present = false;
    button("writeButton")->click();
    engine.media = {true, false, false, 0};
    button("writeButton")->click();
    engine.media = {true, true, false, 0};
    engine.imageBytes = 3 * 1048576 + 1048576 / 4;
    engine.freeSpace = 1048576;
    button("writeButton")->click();
    EXPECT_EQ(messages, (std::vector<Message>{
                            {"Information", "Please insert writable media before continuing!"},
                            {"Information", "Please insert writable media before continuing!"},
                            {"Information", "This data image requires 3.25 MB of free space!\n"
                                            "Free space on the loaded disc is 1.00 MB."}}));
    EXPECT_EQ(engine.writeSpeed, -1); // never started
    // Exactly the free space is enough.
    engine.freeSpace = engine.imageBytes;
    button("writeButton")->click();
    EXPECT_EQ(engine.writeSpeed, 0);
}

TEST_F(DiscoraWindow, AWriteRunsToTheEndAndEjectsTheDisc) {
    startOnFolder();
    form->findChild<QLineEdit*>(QStringLiteral("labelEdit"))->setText(QStringLiteral("TUTORIAL"));
    button("writeButton")->click();

    EXPECT_EQ(engine.label, "TUTORIAL");
    EXPECT_FALSE(form->idle());
    EXPECT_TRUE(onlyAbortEnabled());
    EXPECT_EQ(logLines().last(), "========== WRITE DATA TO CD/DVD ... ");

    deliver({WriteStatusEvent{0, 0}, WriteStatusEvent{2, 40}});
    EXPECT_EQ(progress(), 40);
    deliver({WriteStatusEvent{3, 100}, WriteStatusEvent{4, 0}, WriteStatusEvent{5, 0}, WriteStatusEvent{6, 0},
             WriteStatusEvent{7, 0}, WriteStatusEvent{8, 0}});
    EXPECT_EQ(progress(), 100);
    EXPECT_TRUE(messages.empty());
    finish({WriteStatusEvent{9, 100}});

    const QStringList lines = logLines();
    const QStringList expectedTail{"========== WRITE DATA TO CD/DVD ... ", "Preparing image...", "Closing track...",
                                   "Writing lead-in...", "Writing lead-out...", "Updating volume...", "Write completed!"};
    EXPECT_EQ(lines.mid(lines.size() - expectedTail.size()), expectedTail);
    EXPECT_EQ(logIconAt(-1), log_icon::Success);
    EXPECT_EQ(panelText(), "Write completed!");
    EXPECT_EQ(engine.ejects, 1);
    EXPECT_EQ(messages, (std::vector<Message>{{"Information", "Write complete!"}}));
    EXPECT_TRUE(form->idle());
    EXPECT_TRUE(button("writeButton")->isEnabled());
    EXPECT_FALSE(button("abortButton")->isEnabled());
}

TEST_F(DiscoraWindow, AVerifiedWriteSaysSo) {
    startOnFolder();
    engine.verified = true;
    button("writeButton")->click();
    finish({WriteStatusEvent{9, 100}});
    EXPECT_EQ(messages, (std::vector<Message>{{"Information", "Write and verify complete!"}}));
}

TEST_F(DiscoraWindow, TheReadBackIsLoggedOnceAndShowsItsProgress) {
    startOnFolder();
    engine.verified = true;
    button("writeButton")->click();
    deliver({WriteStatusEvent{2, 100}, WriteStatusEvent{write_status::Verifying, 0}});
    EXPECT_EQ(progress(), 0);
    deliver({WriteStatusEvent{write_status::Verifying, 40}, WriteStatusEvent{write_status::Verifying, 70}});
    EXPECT_EQ(progress(), 70);
    EXPECT_EQ(logLines().count("Verifying written data..."), 1);
    EXPECT_EQ(panelText(), "Verifying written data...");
    EXPECT_TRUE(onlyAbortEnabled());
    finish({WriteStatusEvent{write_status::Verifying, 100}, WriteStatusEvent{9, 100}});
    EXPECT_EQ(logLines().mid(logLines().size() - 2), (QStringList{"Verifying written data...", "Write completed!"}));
    EXPECT_EQ(messages, (std::vector<Message>{{"Information", "Write and verify complete!"}}));

    // The next write logs its own read-back.
    button("writeButton")->click();
    finish({WriteStatusEvent{write_status::Verifying, 0}, WriteStatusEvent{9, 100}});
    EXPECT_EQ(logLines().count("Verifying written data..."), 2);
}

TEST_F(DiscoraWindow, DataThatReadsBackWrongIsAnErrorNotASuccess) {
    startOnFolder();
    button("writeButton")->click();
    deliver({WriteStatusEvent{write_status::Verifying, 0}});
    WriteErrorEvent mismatch;
    mismatch.kind = error_kind::Verify;
    mismatch.text = "\"docs/a.txt\" differs from its source file at byte 12.";
    finish({mismatch, WriteStatusEvent{11, 0}});

    const QString shown = QStringLiteral("Verify Error: \"docs/a.txt\" differs from its source file at byte 12.");
    EXPECT_EQ(messages, (std::vector<Message>{{"Error", shown}}));
    const QStringList lines = logLines();
    EXPECT_EQ(lines.mid(lines.size() - 3), (QStringList{"Verifying written data...", shown, "Write error!"}));
    EXPECT_EQ(logIconAt(-2), log_icon::Error);
    EXPECT_EQ(engine.ejects, 0);
    EXPECT_TRUE(form->idle());
}

TEST_F(DiscoraWindow, AWriteThatDoesNotStartIsReported) {
    startOnFolder();
    engine.writeStarts = false;
    button("writeButton")->click();
    EXPECT_EQ(messages, (std::vector<Message>{{"Error", "Disc write can not be started!"}}));
    EXPECT_TRUE(form->idle());
}

TEST_F(DiscoraWindow, SavingAnIsoFile) {
    startOnFolder();
    isoAnswer.clear();
    button("saveIsoButton")->click();
    EXPECT_TRUE(engine.isoPath.empty()); // dialog cancelled

    isoAnswer = QStringLiteral("/tmp/out.iso");
    button("saveIsoButton")->click();
    EXPECT_EQ(engine.isoPath, "/tmp/out.iso");
    EXPECT_EQ(engine.label, "MYDISC");
    EXPECT_EQ(logLines().mid(logLines().size() - 2),
              (QStringList{"========== SAVE IMAGE AS ISO FILE ... ", "File name: /tmp/out.iso"}));
    EXPECT_EQ(logIconAt(-1), log_icon::File);
    EXPECT_TRUE(onlyAbortEnabled());

    finish({WriteStatusEvent{9, 100}});
    EXPECT_EQ(logLines().last(), "Save ISO image file completed!");
    EXPECT_EQ(messages, (std::vector<Message>{{"Information", "Save ISO image completed!"}}));
    EXPECT_EQ(engine.ejects, 0);
    EXPECT_TRUE(form->idle());

    engine.isoStarts = false;
    button("saveIsoButton")->click();
    EXPECT_EQ(messages.back(), (Message{"Error", "Error creating ISO File."}));
    EXPECT_TRUE(form->idle());
}

TEST_F(DiscoraWindow, AbortCancelsAndErrorsEndTheWrite) {
    startOnFolder();
    button("writeButton")->click();
    button("abortButton")->click();
    EXPECT_EQ(engine.aborts, 1);
    EXPECT_EQ(logLines().last(), "Aborting write...");
    finish({WriteStatusEvent{10, 0}});
    EXPECT_EQ(logLines().last(), "Write cancelled!");
    EXPECT_EQ(logIconAt(-1), log_icon::Error);
    EXPECT_TRUE(form->idle());
    EXPECT_TRUE(messages.empty());

    button("writeButton")->click();
    WriteErrorEvent error;
    error.kind = error_kind::OutputFile;
    error.code = 28;
    error.text = "No space left on device";
    deliver({TrackFileWarningEvent{7, "File cannot be read", "/src/a.bin"}});
    EXPECT_EQ(logLines().last(), "File Warning(7): File cannot be read -- /src/a.bin");
    EXPECT_EQ(logIconAt(-1), log_icon::Progress);
    finish({error, WriteStatusEvent{11, 0}});
    EXPECT_EQ(messages, (std::vector<Message>{{"Error", "Output File Error: (28) - No space left on device"}}));
    EXPECT_EQ(logLines().last(), "Write error!");
    EXPECT_EQ(engine.ejects, 0);
    EXPECT_TRUE(form->idle());
}

TEST_F(DiscoraWindow, QuickEraseChecksTheMediaFirst) {
    startOnFolder();
    engine.media = {false, false, false, 0};
    button("quickEraseButton")->click();
    engine.media = {true, false, false, 0};
    button("quickEraseButton")->click();
    engine.media = {true, false, true, 0};
    engine.quickEraseSupported = false;
    button("quickEraseButton")->click();
    engine.quickEraseSupported = true;
    engine.eraseStarts = false;
    button("quickEraseButton")->click();
    EXPECT_EQ(messages, (std::vector<Message>{
                            {"Information", "No media loaded!"},
                            {"Information", "The current media is not re-writable!"},
                            {"Error", "Selected drive does not support re-writable discs of this format."},
                            {"Error", "Can not start erase operation!"}}));
    EXPECT_EQ(engine.erases, 1);
    EXPECT_EQ(logLines().last(), "========== ERASE DISC ... ");
}

TEST_F(DiscoraWindow, QuickEraseRunsThroughItsStatuses) {
    startOnFolder();
    engine.media = {true, false, true, 0x0a};
    button("quickEraseButton")->click();
    EXPECT_TRUE(form->idle()); // busy only once the drive says it started
    deliver({EraseStatusEvent{0, 0}});
    EXPECT_TRUE(onlyAbortEnabled());
    EXPECT_EQ(logLines().last(), "Erasing disc, please wait...");
    deliver({EraseStatusEvent{1, 60}});
    EXPECT_EQ(progress(), 60);
    finish({EraseStatusEvent{2, 100}});
    EXPECT_EQ(logLines().last(), "Erase operation complete!");
    EXPECT_EQ(logIconAt(-1), log_icon::Success);
    EXPECT_EQ(messages, (std::vector<Message>{{"Information", "Erase operation complete."}}));
    EXPECT_TRUE(form->idle());
}

TEST_F(DiscoraWindow, AFailedEraseIsShownAndLogged) {
    startOnFolder();
    engine.media = {true, false, true, 0x0a};
    button("quickEraseButton")->click();
    deliver({EraseStatusEvent{0, 0}});
    finish({EraseErrorEvent{{2, "Medium not present", "Writer (/dev/sr0)", "SORRY"}}, EraseStatusEvent{3, 0}});
    EXPECT_EQ(messages,
              (std::vector<Message>{{"Error", "(Writer (/dev/sr0)) - SORRY\nDevice Error: (2) Medium not present"}}));
    const QStringList lines = logLines();
    EXPECT_EQ(lines.mid(lines.size() - 3),
              (QStringList{"(Writer (/dev/sr0)) - SORRY", "Device Error: (2) Medium not present", "Error erasing disc!"}));
    EXPECT_EQ(logIconAt(-2), log_icon::Error);
    EXPECT_TRUE(form->idle());
}

TEST_F(DiscoraWindow, TrayButtonsActOnTheDrive) {
    startOnFolder();
    button("ejectButton")->click();
    button("closeTrayButton")->click();
    EXPECT_EQ(engine.ejects, 1);
    EXPECT_EQ(engine.trayCloses, 1);
}

TEST_F(DiscoraWindow, TheWindowStaysOpenWhileAWriteRuns) {
    startOnFolder();
    form->show();
    button("writeButton")->click();
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    finish({WriteStatusEvent{10, 0}});
    EXPECT_TRUE(form->close());
}

TEST(DiscoraProgram, WithoutAnArgumentItClosesAtOnce) {
    std::string output;
    const int status = vantora::test::runCommand(
        "DISCORA_DRIVES= QT_QPA_PLATFORM=offscreen timeout 60 '" DISCORA_PROGRAM "' 2>&1", output);
    EXPECT_EQ(status, 0) << output;
}

} // namespace
} // namespace discora
