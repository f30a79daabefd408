#pragma once
// Everything a dialog asks the user outside its own window: message boxes, file dialogs, the
// system colour dialog, opening a web or mail address. The program uses SystemPrompts(); tests
// hand in their own answers.

#include "model/colour.h"

#include <QString>

#include <optional>

class QWidget;

namespace vantora {

class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // A message box with an information icon and an OK button.
    virtual void information(QWidget* parent, const QString& caption, const QString& text) = 0;
    // A Yes/No question with a question icon; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
    // File dialogs; `filter` is in the "Name (*.ext)|*.ext" form. Empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& filter, const QString& suggestedName) = 0;
    // The system colour dialog; nothing when cancelled.
    virtual std::optional<TColor> chooseColour(QWidget* parent, TColor initial) = 0;
    // Opens a web page or a mail address in the desktop's program for it.
    virtual void openAddress(const QString& address) = 0;
};

// The dialogs' questions asked through the program's message boxes, common dialogs and desktop, so
// that whoever answers the main window's questions (a test, too) answers these.
class UserDialogs;
class DesktopServices;

class PlatformPrompts final : public UserPrompts {
public:
    PlatformPrompts(UserDialogs& dialogs, DesktopServices& desktop);

    void information(QWidget* parent, const QString& caption, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& caption, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& filter, const QString& suggestedName) override;
    std::optional<TColor> chooseColour(QWidget* parent, TColor initial) override;
    void openAddress(const QString& address) override;

private:
    UserDialogs& dialogs_;
    DesktopServices& desktop_;
};

// The real message boxes and dialogs.
UserPrompts& SystemPrompts();

} // namespace vantora
