#include "dialogs/grid_size_form.h"

#include "dialogs/dialog_buttons.h"
#include "storage/editor_settings.h"

#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vantora {
namespace {

QSpinBox* MakeGridEdit(int value, QWidget* parent) {
    auto* edit = new QSpinBox(parent);
    edit->setRange(kMinGridSize, kMaxGridSize);
    edit->setValue(value);
    edit->setMinimumWidth(70);
    return edit;
}

} // namespace

TGridSizeForm::TGridSizeForm(int sizeX, int sizeY, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Grid Size"));
    setObjectName(QStringLiteral("GridSizeForm"));
    xEdit_ = MakeGridEdit(sizeX, this);
    xEdit_->setObjectName(QStringLiteral("GridXEdit"));
    yEdit_ = MakeGridEdit(sizeY, this);
    yEdit_->setObjectName(QStringLiteral("GridYEdit"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Grid Size X:"), xEdit_);
    form->addRow(QStringLiteral("Grid Size Y:"), yEdit_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(MakeOkCancelRow(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Enter in an edit presses the default "&OK", Escape rejects: QDialog's own keys.
    xEdit_->setFocus();
    xEdit_->selectAll();
}

int TGridSizeForm::sizeX() const { return xEdit_->value(); }
int TGridSizeForm::sizeY() const { return yEdit_->value(); }

bool RunGridSizeForm(int& sizeX, int& sizeY, QWidget* parent, const DialogDriver& drive) {
    TGridSizeForm form(sizeX, sizeY, parent);
    if (drive(form) != QDialog::Accepted)
        return false;
    if (form.sizeX() == sizeX && form.sizeY() == sizeY)
        return false;
    sizeX = form.sizeX();
    sizeY = form.sizeY();
    return true;
}

} // namespace vantora
