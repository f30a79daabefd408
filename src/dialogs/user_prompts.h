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

// The real message boxes and dialogs.
UserPrompts& SystemPrompts();

// "Icons (*.ico)|*.ico|Text (*.txt)|*.txt" becomes "Icons (*.ico);;Text (*.txt)": the names of
// the pairs, which already show their patterns.
QString DialogFileFilter(const QString& pairedFilter);

} // namespace vantora
