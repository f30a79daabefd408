#pragma once
// "Executable File Settings": title, window style and exit key, the version texts and numbers,
// and the program icon. With the CD launcher the style and exit key are disabled.

#include "dialogs/dialog_driver.h"
#include "dialogs/user_prompts.h"
#include "publish/publish_settings.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace vantora {

class TExeSettingsForm : public QDialog {
    Q_OBJECT
public:
    TExeSettingsForm(const publish::PublishSettings& settings, bool windowSettings, UserPrompts& prompts,
                     QWidget* parent = nullptr);

    // The settings with this dialog's values copied in.
    publish::PublishSettings settings() const;
    // "Version " and the four numbers, each followed by ".".
    QString versionText() const;

private:
    void updateVersionLabel();
    void updateIconImage();
    void selectIconFile();
    bool eventFilter(QObject* watched, QEvent* event) override;

    publish::PublishSettings settings_;
    UserPrompts& prompts_;
    QLineEdit* title_;
    QComboBox* style_;
    QComboBox* exitKey_;
    QLineEdit* description_;
    QLineEdit* company_;
    QLineEdit* copyright_;
    QSpinBox* version_[4];
    QLabel* versionLabel_;
    QLabel* iconImage_;
};

// Copies the dialog's values back only when OK closed it; returns whether it did.
bool RunExeSettingsForm(publish::PublishSettings& settings, bool windowSettings, UserPrompts& prompts, QWidget* parent,
                        const DialogDriver& drive = ExecDialog);

} // namespace vantora
