#include "dialogs/dialog_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace vantora {

QPushButton* MakeDialogButton(const QString& caption, const char* objectName, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setMinimumWidth(80);
    return button;
}

QPushButton* MakeOkButton(QDialog& dialog, const QString& caption) {
    QPushButton* ok = MakeDialogButton(caption, "OkButton", &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    return ok;
}

QLayout* MakeOkCancelRow(QDialog& dialog, const QString& cancelCaption) {
    QPushButton* ok = MakeOkButton(dialog);
    QPushButton* cancel = MakeDialogButton(cancelCaption, "CancelButton", &dialog);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

} // namespace vantora
