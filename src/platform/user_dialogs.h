#pragma once
// The modal questions, notices and common dialogs of the GUI behind one small interface, so that
// windows ask through it and tests answer in their place. The default implementation shows the
// real Qt dialogs.

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

namespace vantora {

enum class MessageIcon { None, Information, Question, Warning, Error };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A modal message box with the caption, text, icon and buttons given. Closing the box without
    // a button counts as Cancel (YesNoCancel), No (YesNo) or Ok.
    virtual MessageAnswer message(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon,
                                  MessageButtons buttons) = 0;

    // The open dialog for an existing file; empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;

    // The save dialog; a name typed without an extension gets `defaultSuffix` (no dot). Empty when
    // cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter, const QString& defaultSuffix) = 0;

    // The colour chooser, starting at `initial`; nothing when cancelled.
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) = 0;
};

// The dialogs the program shows to a person.
UserDialogs& DefaultUserDialogs();

// Turns the "Name (*.ext)|*.ext" filters of the design into Qt's "Name (*.ext)" form.
QString QtDialogFilter(const QString& designFilter);

} // namespace vantora
