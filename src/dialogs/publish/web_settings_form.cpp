#include "dialogs/publish/web_settings_form.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vantora {

TWebSettingsForm::TWebSettingsForm(const publish::PublishSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle("Web Page Settings");
    title_ = new QLineEdit(QString::fromStdString(settings.title));
    title_->setObjectName("TitleEdit");
    showControls_ = new QCheckBox("Show controls");
    showControls_->setObjectName("ShowControlsCheck");
    showControls_->setChecked(settings.showControls);

    auto* form = new QFormLayout;
    form->addRow("Title:", title_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(showControls_);
    layout->addWidget(buttons);
}

publish::PublishSettings TWebSettingsForm::settings() const {
    publish::PublishSettings settings = settings_;
    settings.title = title_->text().toStdString();
    settings.showControls = showControls_->isChecked();
    return settings;
}

bool RunWebSettingsForm(publish::PublishSettings& settings, QWidget* parent, const DialogDriver& drive) {
    TWebSettingsForm form(settings, parent);
    if (drive(form) != QDialog::Accepted)
        return false;
    settings = form.settings();
    return true;
}

} // namespace vantora
