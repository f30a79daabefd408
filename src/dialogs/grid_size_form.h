#pragma once
// "Grid Size": the canvas grid's cell width and height, 2..99 each.

#include "dialogs/dialog_driver.h"

#include <QDialog>

class QSpinBox;

namespace vantora {

class TGridSizeForm : public QDialog {
    Q_OBJECT
public:
    TGridSizeForm(int sizeX, int sizeY, QWidget* parent = nullptr);

    int sizeX() const;
    int sizeY() const;

private:
    QSpinBox* xEdit_;
    QSpinBox* yEdit_;
};

// True only when "&OK" closed the dialog and at least one value differs; then the sizes are set.
bool RunGridSizeForm(int& sizeX, int& sizeY, QWidget* parent, const DialogDriver& drive = ExecDialog);

} // namespace vantora
