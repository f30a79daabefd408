#pragma once
// A main window in a fresh program folder, with the test answering its questions and dialogs.

#include "dialogs/publish/publish_prompts.h"
#include "editor/main_window/main_form.h"
#include "fake_services.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>

#include <memory>

namespace vantora::test {

inline void EnsureApplication() {
    static int argc = 1;
    static char name[] = "main_form_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv); // lives until the process ends, as an application does
}

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        makeForm();
    }
    void TearDown() override { form.reset(); }

    void makeForm() {
        form.reset();
        MainFormServices services{&dialogs, &desktop, {}};
        // The window's own dialogs never run modally here: the test answers them.
        services.runDialog = [this](QDialog& dialog) {
            dialogsRun << dialog.windowTitle();
            return answerDialog ? answerDialog(dialog) : int(QDialog::Accepted);
        };
        services.publishPrompts = publishPrompts;
        form = std::make_unique<TMainForm>(services);
    }

    std::filesystem::path settingsFile() const { return home.path() / "Vantora.ini"; }

    // The action of the window with this object name (the design's handler name).
    QAction* action(const char* name) const {
        QAction* found = form->findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QMenu* menu(const char* name) const {
        QMenu* found = form->findChild<QMenu*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Opening a menu the way a user does, so that its enabling is computed.
    void openMenu(QMenu* m) {
        m->popup(form->mapToGlobal(QPoint(10, 10)));
        QApplication::processEvents();
    }
    void closeMenu(QMenu* m) {
        m->hide();
        QApplication::processEvents();
    }
    QStringList reopenCaptions() {
        openMenu(menu("File1"));
        QStringList captions;
        for (QAction* a : menu("Reopen1")->actions())
            captions << a->text() + (a->isEnabled() ? QString() : QStringLiteral(" (disabled)"));
        closeMenu(menu("File1"));
        return captions;
    }

    ScopedProgramFolder home;
    FakeDialogs dialogs;
    FakeDesktop desktop;
    std::function<int(QDialog&)> answerDialog; // presses OK on every dialog when empty
    PublishPrompts* publishPrompts = nullptr;  // the system's own when empty
    QStringList dialogsRun;
    std::unique_ptr<TMainForm> form;
};

} // namespace vantora::test
