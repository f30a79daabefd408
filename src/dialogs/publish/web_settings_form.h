#pragma once
// "Web Page Settings": the page title and whether the page shows its control bar.

#include "dialogs/dialog_driver.h"
#include "publish/publish_settings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace vantora {

class TWebSettingsForm : public QDialog {
    Q_OBJECT
public:
    explicit TWebSettingsForm(const publish::PublishSettings& settings, QWidget* parent = nullptr);
    publish::PublishSettings settings() const;

private:
    publish::PublishSettings settings_;
    QLineEdit* title_;
    QCheckBox* showControls_;
};

bool RunWebSettingsForm(publish::PublishSettings& settings, QWidget* parent, const DialogDriver& drive = ExecDialog);

} // namespace vantora
