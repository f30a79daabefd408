#pragma once
// How a dialog is run. The program runs it modally with exec(); tests pass a driver that sets the
// controls, presses a button and returns the dialog's result, so no human is needed.

#include <functional>

class QDialog;

namespace vantora {

using DialogDriver = std::function<int(QDialog&)>;

// Runs the dialog modally and returns its result code.
int ExecDialog(QDialog& dialog);

} // namespace vantora
