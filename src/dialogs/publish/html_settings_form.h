#pragma once
// "HTML File Settings": the page title, the movie's file name and whether the page loads the
// browser player for browsers without Flash.

#include "dialogs/dialog_driver.h"
#include "publish/publish_settings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace vantora {

inline constexpr const char* kBrowserPlayerCaption = "Include a player for browsers without Flash";

class THTMLSettingsForm : public QDialog {
    Q_OBJECT
public:
    explicit THTMLSettingsForm(const publish::PublishSettings& settings, QWidget* parent = nullptr);
    publish::PublishSettings settings() const;

private:
    publish::PublishSettings settings_;
    QLineEdit* title_;
    QLineEdit* swfName_;
    QCheckBox* browserPlayer_;
};

bool RunHtmlSettingsForm(publish::PublishSettings& settings, QWidget* parent, const DialogDriver& drive = ExecDialog);

} // namespace vantora
