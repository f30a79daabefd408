#include "dialogs/demo_check_form.h"

#include "dialogs/dialog_buttons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantora {
namespace {

QString summaryText(std::size_t count) {
    if (count == 0)
        return QStringLiteral("Nothing in this demo stands in a viewer's way.");
    return QStringLiteral("%1 thing(s) may stand in a viewer's way. Pick one to select its scene and object.")
        .arg(count);
}

} // namespace

TDemoCheckForm::TDemoCheckForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DemoCheckForm"));
    setWindowTitle(QStringLiteral("Check Demo"));
    setModal(false);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("SummaryLabel"));
    summary_->setWordWrap(true);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("FindingsList"));
    list_->setMinimumSize(560, 200);
    QPushButton* close = MakeDialogButton(QStringLiteral("&Close"), "CloseButton", this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && std::size_t(row) < findings_.size())
            emit findingPicked(findings_[std::size_t(row)].scene, findings_[std::size_t(row)].object);
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
}

void TDemoCheckForm::showFindings(const TVantora& demo, const std::vector<DemoFinding>& findings) {
    const QSignalBlocker quiet(list_); // refilling picks nothing
    findings_ = findings;
    list_->clear();
    for (const DemoFinding& finding : findings_)
        list_->addItem(QString::fromStdString(FindingLine(demo, finding)));
    summary_->setText(summaryText(findings_.size()));
}

} // namespace vantora
