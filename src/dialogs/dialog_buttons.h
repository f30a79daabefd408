#pragma once
// The push buttons of the dialogs: named for the tests and the dialog driver, and never narrower
// than 80 px, so that short captions such as "OK" and "Clear" keep a button's usual width.

#include <QString>

class QDialog;
class QLayout;
class QPushButton;
class QWidget;

namespace vantora {

QPushButton* MakeDialogButton(const QString& caption, const char* objectName, QWidget* parent);

// "OkButton": the dialog's default button, accepting it.
QPushButton* MakeOkButton(QDialog& dialog, const QString& caption = QStringLiteral("&OK"));

// The dialog's OK ("&OK", default) and Cancel row, wired to accept and reject.
QLayout* MakeOkCancelRow(QDialog& dialog, const QString& cancelCaption = QStringLiteral("&Cancel"));

} // namespace vantora
