// Publish from the main window through to the disc burner: "Burn CD Directly" publishes the
// AutoRun folder into the temporary CD folder and hands that folder to the burner, which the
// test stands in for. A second run starts from a fresh set of autorun files.
#include "main_form_fixture.h"
#include "scoped_env.h"

#include "editor/document/editor_document.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QRadioButton>

#include <fstream>
#include <iterator>

namespace vantora::test {
namespace {

namespace fs = std::filesystem;

struct FakeBurner final : PublishPrompts {
    QStringList errors;
    std::vector<fs::path> burned;
    std::function<void(const fs::path&)> whileBurning;

    void error(QWidget*, const QString& text) override { errors << text; }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return {}; }
    void openFile(const QString&) override {}
    bool runDiscBurner(const QString& folder, QString&) override {
        burned.push_back(folder.toStdString());
        if (whileBurning)
            whileBurning(burned.back());
        return true;
    }
};

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class PublishCommand : public MainFormTest {
protected:
    void SetUp() override {
        EnsureApplication();
        publishPrompts = &burner;
        makeForm();
        dialogs.openAnswer = QStringLiteral(VANTORA_SAMPLE_PROJECT);
        action("Open1")->trigger();
        ASSERT_FALSE(form->document().demo().Scenes.empty());
        answerDialog = [this](QDialog& dialog) {
            if (dialog.windowTitle() != QLatin1String("Publish Demo"))
                return int(QDialog::Accepted);
            dialog.findChild<QRadioButton*>(QStringLiteral("Target%1").arg(target))->setChecked(true);
            dialog.findChild<QRadioButton*>(QStringLiteral("BurnRadio"))->setChecked(true);
            for (QPushButton* button : dialog.findChildren<QPushButton*>())
                if (button->text() == QLatin1String("OK"))
                    button->click();
            return dialog.result();
        };
    }

    // Publish... with one of the AutoRun targets (3 the program, 4 the HTML page).
    void publish(int autorunTarget) {
        target = autorunTarget;
        action("Publish1")->trigger();
    }

    TempDir temp;
    ScopedEnv tmpdir{"TMPDIR", temp.path().string()};
    ScopedEnv resources{"VANTORA_RESOURCES", VANTORA_TEST_RESOURCES};
    FakeBurner burner;
    int target = 3;
};

TEST_F(PublishCommand, BurnCdDirectlyHandsTheTemporaryCdFolderToTheBurner) {
    const fs::path folder = temp.path() / "Vantora" / "TmpCDROM";
    std::vector<std::string> present;
    burner.whileBurning = [&](const fs::path& f) {
        for (const char* name : {"autorun.inf", "autorun.htm", "autorun.swf", "autorun.exe"})
            if (fs::exists(f / name))
                present.emplace_back(name);
    };
    publish(4);
    ASSERT_EQ(burner.burned, std::vector<fs::path>{folder}) << burner.errors.join("\n").toStdString();
    EXPECT_EQ(present, (std::vector<std::string>{"autorun.inf", "autorun.htm", "autorun.swf", "autorun.exe"}));
    EXPECT_TRUE(burner.errors.isEmpty());
}

TEST_F(PublishCommand, ASecondBurnDeletesTheFirstRunsAutorunFilesFirst) {
    publish(4);
    ASSERT_EQ(burner.burned.size(), 1u) << burner.errors.join("\n").toStdString();
    const fs::path folder = burner.burned[0];
    const std::string launcher = readText(folder / "autorun.exe");
    std::ofstream(folder / "notes.txt") << "kept";

    bool checked = false;
    burner.whileBurning = [&](const fs::path& f) {
        checked = true;
        // The program needs neither page nor movie beside it: what is left of them is the last run's.
        EXPECT_FALSE(fs::exists(f / "autorun.htm"));
        EXPECT_FALSE(fs::exists(f / "autorun.swf"));
        EXPECT_NE(readText(f / "autorun.exe"), launcher);
        EXPECT_EQ(readText(f / "notes.txt"), "kept");
    };
    publish(3);
    EXPECT_TRUE(checked);
    EXPECT_EQ(burner.burned.size(), 2u);
    EXPECT_TRUE(burner.errors.isEmpty()) << burner.errors.join("\n").toStdString();
}

} // namespace
} // namespace vantora::test
