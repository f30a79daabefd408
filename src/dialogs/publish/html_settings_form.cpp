#include "dialogs/publish/html_settings_form.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vantora {

THTMLSettingsForm::THTMLSettingsForm(const publish::PublishSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle("HTML File Settings");
    title_ = new QLineEdit(QString::fromStdString(settings.title));
    title_->setObjectName("TitleEdit");
    swfName_ = new QLineEdit(QString::fromStdString(settings.swfName));
    swfName_->setObjectName("SwfNameEdit");
    browserPlayer_ = new QCheckBox(kBrowserPlayerCaption);
    browserPlayer_->setObjectName("BrowserPlayerCheck");
    browserPlayer_->setChecked(settings.includeBrowserPlayer);

    auto* form = new QFormLayout;
    form->addRow("Title:", title_);
    form->addRow("SWF File Name:", swfName_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(browserPlayer_);
    layout->addWidget(buttons);
}

publish::PublishSettings THTMLSettingsForm::settings() const {
    publish::PublishSettings settings = settings_;
    settings.title = title_->text().toStdString();
    settings.swfName = swfName_->text().toStdString();
    settings.includeBrowserPlayer = browserPlayer_->isChecked();
    return settings;
}

bool RunHtmlSettingsForm(publish::PublishSettings& settings, QWidget* parent, const DialogDriver& drive) {
    THTMLSettingsForm form(settings, parent);
    if (drive(form) != QDialog::Accepted)
        return false;
    settings = form.settings();
    return true;
}

} // namespace vantora
