#include "dialogs/dialog_driver.h"

#include <QDialog>

namespace vantora {

int ExecDialog(QDialog& dialog) { return dialog.exec(); }

} // namespace vantora
