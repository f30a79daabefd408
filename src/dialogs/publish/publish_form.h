#pragma once
// "Publish Demo": the targets, each with its settings dialog, the AutoRun CD/DVD choices and
// the CD icon. OK runs the chosen target and closes the dialog only when it succeeded. The
// settings start from the demo at every opening; the target and the folder published to last
// are remembered in the settings file.

#include "dialogs/dialog_driver.h"
#include "dialogs/publish/publish_prompts.h"
#include "dialogs/user_prompts.h"
#include "model/demo.h"
#include "publish/publisher.h"

#include <QDialog>

#include <memory>
#include <vector>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vantora {

class TPublishForm : public QDialog {
    Q_OBJECT
public:
    // `driveSettings` runs the two settings dialogs (tests drive them; the program shows them).
    TPublishForm(const TVantora& demo, UserPrompts& prompts, PublishPrompts& publishPrompts, QWidget* parent = nullptr,
                 DialogDriver driveSettings = ExecDialog);
    ~TPublishForm() override;

    const publish::PublishSettings& settings() const { return settings_; }
    // The progress window the movie builds report to (not owned; null: none).
    void setProgress(const ProgressObserver* progress) { progress_ = progress; }
    int selectedTarget() const;

    // OK: runs the selected target; true when it succeeded (the dialog then closes).
    bool runSelectedTarget();

private:
    void updateEnabling();
    void openSettings(int target);
    void selectCdIcon();
    void showCdIcon();
    void setBusy(bool busy);
    void burn(const std::filesystem::path& folder);
    std::filesystem::path askTarget(const publish::TPublisher& publisher);
    void restoreChoice();
    void rememberChoice(const publish::TPublisher& publisher, const std::filesystem::path& target);
    QString lastFolder() const;
    void offerToOpen(int target, const publish::PublishResult& result);

    const TVantora& demo_;
    UserPrompts& prompts_;
    PublishPrompts& publishPrompts_;
    DialogDriver driveSettings_;
    const ProgressObserver* progress_ = nullptr;
    publish::PublishSettings settings_;
    std::vector<std::unique_ptr<publish::TPublisher>> publishers_;
    std::vector<QRadioButton*> targets_;
    std::vector<QPushButton*> settingsButtons_; // null for the SWF target
    QGroupBox* publishGroup_;
    QRadioButton* burnDirectly_;
    QRadioButton* saveInFolder_;
    QLabel* cdIconCaption_;
    QLabel* cdIconPanel_;
    QPushButton* cdIconButton_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

// Opens the dialog for one Publish command; true when a target was published.
bool RunPublishForm(const TVantora& demo, QWidget* parent, const ProgressObserver* progress = nullptr,
                    UserPrompts& prompts = SystemPrompts(), PublishPrompts& publishPrompts = SystemPublishPrompts(),
                    const DialogDriver& drive = ExecDialog, const DialogDriver& driveSettings = ExecDialog);

} // namespace vantora
