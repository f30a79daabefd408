#pragma once
// Scripted answers for the dialogs' message boxes and file dialogs, and a record of what was asked.

#include "dialogs/dialog_driver.h"
#include "dialogs/user_prompts.h"

#include <QDialog>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>

namespace vantora::test {

struct FakePrompts final : UserPrompts {
    struct Message {
        QString caption;
        QString text;
    };
    std::vector<Message> informations;
    std::vector<Message> questions;
    std::deque<bool> yesNoAnswers; // empty: No
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    QStringList openFilters;
    QStringList saveFilters;
    QStringList saveSuggestions;
    std::deque<std::optional<TColor>> colours;
    QStringList openedAddresses;

    void information(QWidget*, const QString& caption, const QString& text) override {
        informations.push_back({caption, text});
    }
    bool askYesNo(QWidget*, const QString& caption, const QString& text) override {
        questions.push_back({caption, text});
        return pop(yesNoAnswers, false);
    }
    QString openFileName(QWidget*, const QString& filter) override {
        openFilters << filter;
        return pop(openNames, QString());
    }
    QString saveFileName(QWidget*, const QString& filter, const QString& suggestedName) override {
        saveFilters << filter;
        saveSuggestions << suggestedName;
        return pop(saveNames, QString());
    }
    std::optional<TColor> chooseColour(QWidget*, TColor) override {
        return pop(colours, std::optional<TColor>());
    }
    void openAddress(const QString& address) override { openedAddresses << address; }

private:
    template <typename T>
    static T pop(std::deque<T>& answers, T whenEmpty) {
        if (answers.empty())
            return whenEmpty;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// The child of the dialog with this object name; fails the test when it is missing.
template <typename Widget>
Widget* Child(QWidget& parent, const char* name) {
    auto* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no child named " << name;
    return widget;
}

// Clicks the push button with this caption as a user would.
inline void ClickButton(QWidget& parent, const QString& caption) {
    for (QPushButton* button : parent.findChildren<QPushButton*>())
        if (button->text() == caption) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    ADD_FAILURE() << "no button " << caption.toStdString();
}

// Drives a dialog as a user would: shows it, lets `edit` work on its controls, then presses the
// button with this caption.
template <typename Edit>
DialogDriver EditThenPress(const QString& button, Edit edit) {
    return [button, edit](QDialog& dialog) {
        dialog.show();
        edit(dialog);
        ClickButton(dialog, button);
        return dialog.result();
    };
}

inline DialogDriver Press(const QString& button) {
    return EditThenPress(button, [](QDialog&) {});
}

} // namespace vantora::test
