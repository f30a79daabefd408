#include "dialogs/publish/publish_form.h"

#include "dialogs/publish/exe_settings_form.h"
#include "dialogs/publish/html_settings_form.h"
#include "dialogs/publish/web_settings_form.h"
#include "dialogs/publish/video_settings_form.h"
#include "dialogs/radio_tab_stop.h"
#include "publish/web/web_publisher.h"
#include "storage/app_settings_file.h"
#include "storage/publish_choice.h"

#include <QApplication>
#include <QDir>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vantora {
namespace {

constexpr const char* kIconFilter = "Icons (*.ico)|*.ico";
enum Target { Swf, Exe, Html, AutoRunExe, AutoRunHtml };

} // namespace

TPublishForm::TPublishForm(const TVantora& demo, UserPrompts& prompts, PublishPrompts& publishPrompts, QWidget* parent,
                           DialogDriver driveSettings)
    : QDialog(parent), demo_(demo), prompts_(prompts), publishPrompts_(publishPrompts),
      driveSettings_(std::move(driveSettings)), settings_(publish::DefaultPublishSettings(demo)),
      publishers_(publish::DialogPublishers()) {
    setWindowTitle("Publish Demo");
    publishGroup_ = new QGroupBox("Publish");
    publishGroup_->setObjectName("PublishGroup");
    auto* grid = new QGridLayout(publishGroup_);
    for (std::size_t i = 0; i < publishers_.size(); ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(publishers_[i]->Name().data(), publishers_[i]->Name().size()));
        radio->setObjectName(QString("Target%1").arg(i));
        targets_.push_back(radio);
        grid->addWidget(radio, static_cast<int>(i), 0);
        QPushButton* button = nullptr;
        if (publishers_[i]->Settings() != publish::SettingsDialog::None) {
            button = new QPushButton("Settings...");
            button->setObjectName(QString("Settings%1").arg(i));
            connect(button, &QPushButton::clicked, this, [this, i] { openSettings(static_cast<int>(i)); });
            grid->addWidget(button, static_cast<int>(i), 1);
        }
        settingsButtons_.push_back(button);
        connect(radio, &QRadioButton::toggled, this, &TPublishForm::updateEnabling);
    }
    auto* autorun = new QGroupBox("AutoRun CD/DVD");
    auto* autorunLayout = new QGridLayout(autorun);
    burnDirectly_ = new QRadioButton("Burn CD Directly");
    burnDirectly_->setObjectName("BurnRadio");
    saveInFolder_ = new QRadioButton("Save Files in a Folder");
    saveInFolder_->setObjectName("FolderRadio");
    burnDirectly_->setChecked(settings_.burnCdDirectly);
    saveInFolder_->setChecked(!settings_.burnCdDirectly);
    cdIconCaption_ = new QLabel("CD Icon:");
    cdIconPanel_ = new QLabel;
    cdIconPanel_->setObjectName("CdIconPanel");
    cdIconPanel_->setFixedSize(40, 40);
    cdIconPanel_->setFrameShape(QFrame::Panel);
    cdIconPanel_->setFrameShadow(QFrame::Sunken);
    cdIconPanel_->setAlignment(Qt::AlignCenter);
    cdIconButton_ = new QPushButton("Select Icon File...");
    cdIconButton_->setObjectName("CdIconButton");
    connect(cdIconButton_, &QPushButton::clicked, this, &TPublishForm::selectCdIcon);
    autorunLayout->addWidget(burnDirectly_, 0, 0, 1, 3);
    autorunLayout->addWidget(saveInFolder_, 1, 0, 1, 3);
    autorunLayout->addWidget(cdIconCaption_, 2, 0);
    autorunLayout->addWidget(cdIconPanel_, 2, 1);
    autorunLayout->addWidget(cdIconButton_, 2, 2);

    auto* buttons = new QDialogButtonBox;
    ok_ = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] {
        if (runSelectedTarget())
            accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(publishGroup_);
    layout->addWidget(autorun);
    layout->addWidget(buttons);
    targets_[Swf]->setChecked(true);
    restoreChoice();
    KeepTabStopOnCheckedButton(targets_);
    KeepTabStopOnCheckedButton({burnDirectly_, saveInFolder_});
    showCdIcon();
    updateEnabling();
}

TPublishForm::~TPublishForm() = default;

int TPublishForm::selectedTarget() const {
    for (std::size_t i = 0; i < targets_.size(); ++i)
        if (targets_[i]->isChecked())
            return static_cast<int>(i);
    return Swf;
}

// Each settings button only for its own target; the AutoRun choices only for the AutoRun targets.
void TPublishForm::updateEnabling() {
    const int selected = selectedTarget();
    for (std::size_t i = 0; i < settingsButtons_.size(); ++i)
        if (settingsButtons_[i])
            settingsButtons_[i]->setEnabled(static_cast<int>(i) == selected);
    const bool autorun = publishers_[selected]->IsAutoRun();
    for (QWidget* control : {static_cast<QWidget*>(burnDirectly_), static_cast<QWidget*>(saveInFolder_),
                             static_cast<QWidget*>(cdIconCaption_), static_cast<QWidget*>(cdIconButton_)})
        control->setEnabled(autorun);
}

void TPublishForm::openSettings(int target) {
    switch (publishers_[target]->Settings()) {
    case publish::SettingsDialog::Html:
        RunHtmlSettingsForm(settings_, this, driveSettings_);
        break;
    case publish::SettingsDialog::Web:
        RunWebSettingsForm(settings_, this, driveSettings_);
        break;
    case publish::SettingsDialog::Executable:
    case publish::SettingsDialog::ExecutableLauncher:
        RunExeSettingsForm(settings_, publishers_[target]->Settings() == publish::SettingsDialog::Executable, prompts_,
                           this, driveSettings_);
        break;
    case publish::SettingsDialog::Video:
        RunVideoSettingsForm(settings_, this, driveSettings_);
        break;
    case publish::SettingsDialog::None:
        break;
    }
}

void TPublishForm::selectCdIcon() {
    const QString file = prompts_.openFileName(this, kIconFilter);
    if (file.isEmpty())
        return;
    settings_.cdIcon = file.toStdString();
    showCdIcon();
}

void TPublishForm::showCdIcon() {
    const QString file = QString::fromStdString(settings_.cdIcon.string());
    cdIconPanel_->setPixmap(!file.isEmpty() && QFileInfo::exists(file) ? QIcon(file).pixmap(32, 32) : QPixmap());
}

void TPublishForm::setBusy(bool busy) {
    publishGroup_->setEnabled(!busy);
    ok_->setEnabled(!busy);
    cancel_->setEnabled(!busy);
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

// Burn CD Directly: the burner runs on the folder while this dialog waits, disabled.
void TPublishForm::burn(const std::filesystem::path& folder) {
    setBusy(true);
    QString error;
    const bool started = publishPrompts_.runDiscBurner(QString::fromStdString(folder.string()), error);
    setBusy(false);
    if (!started)
        publishPrompts_.error(this, error);
}

// The target published last is checked again, found by its caption.
void TPublishForm::restoreChoice() {
    const PublishChoice choice = ReadPublishChoice(SettingsFile());
    for (std::size_t i = 0; i < publishers_.size(); ++i)
        if (!choice.target.empty() && publishers_[i]->Name() == choice.target)
            targets_[i]->setChecked(true);
}

void TPublishForm::rememberChoice(const publish::TPublisher& publisher, const std::filesystem::path& target) {
    PublishChoice choice;
    choice.target = std::string(publisher.Name());
    choice.folder = publisher.IsAutoRun() ? target : target.parent_path();
    if (choice.folder.empty()) // Burn CD Directly names no folder: keep the last one
        choice.folder = ReadPublishChoice(SettingsFile()).folder;
    WritePublishChoice(SettingsFile(), choice);
}

// The save dialog and the folder browser open in the folder of the last output while that folder
// is still there.
QString TPublishForm::lastFolder() const {
    const std::filesystem::path folder = ReadPublishChoice(SettingsFile()).folder;
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error))
        return {};
    return QDir(QString::fromStdString(folder.string())).absolutePath() + QLatin1Char('/');
}

std::filesystem::path TPublishForm::askTarget(const publish::TPublisher& publisher) {
    if (publisher.IsAutoRun()) {
        if (settings_.burnCdDirectly)
            return {};
        return publishPrompts_.chooseFolder(this, "Select Folder for Burning CD/DVD", lastFolder()).toStdString();
    }
    const QString filter = QString::fromUtf8(publisher.FileFilter().data(), publisher.FileFilter().size());
    const std::filesystem::path typed = prompts_.saveFileName(this, filter, lastFolder()).toStdString();
    return publish::CompleteTargetName(publisher, typed);
}

void TPublishForm::offerToOpen(int target, const publish::PublishResult& result) {
    if (result.files.empty())
        return;
    const QString file = QString::fromStdString(result.files.front().string());
    if (target == Swf && prompts_.askYesNo(this, "SWF", "SWF file created, open the folder that holds it?"))
        publishPrompts_.openFile(QFileInfo(file).absolutePath());
    if (target == Exe && prompts_.askYesNo(this, "Executable File", "Executable file created, launch it?"))
        publishPrompts_.openFile(file);
    if (target == Html && prompts_.askYesNo(this, "HTML", "HTML file created, open it?"))
        publishPrompts_.openFile(file);
    // The web page plays from the disk: its index.html opens in the default browser.
    if (dynamic_cast<const publish::TWebPublisher*>(publishers_[target].get()) &&
        prompts_.askYesNo(this, "Web Page (HTML5)", "Web page created, open it?"))
        publishPrompts_.openFile(file);
}

bool TPublishForm::runSelectedTarget() {
    const int target = selectedTarget();
    const publish::TPublisher& publisher = *publishers_[target];
    settings_.burnCdDirectly = burnDirectly_->isChecked();
    const std::filesystem::path chosen = askTarget(publisher);
    if (chosen.empty() && !(publisher.IsAutoRun() && settings_.burnCdDirectly))
        return false; // a cancelled file or folder dialog is no success
    publish::PublishContext context;
    context.progress = progress_;
    context.burnFolder = [this](const std::filesystem::path& folder) { burn(folder); };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const publish::PublishResult result = publisher.Publish(demo_, settings_, chosen, context);
    QApplication::restoreOverrideCursor();
    if (!result.ok()) {
        if (result.failure != publish::PublishFailure::Cancelled)
            publishPrompts_.error(this, QString::fromStdString(result.message));
        return false;
    }
    if (!result.notes.empty()) {
        QString notes;
        for (const std::string& note : result.notes)
            notes += QString::fromStdString(note) + "\n";
        prompts_.information(this, "Information", notes.trimmed());
    }
    rememberChoice(publisher, chosen);
    offerToOpen(target, result);
    return true;
}

bool RunPublishForm(const TVantora& demo, QWidget* parent, const ProgressObserver* progress, UserPrompts& prompts,
                    PublishPrompts& publishPrompts, const DialogDriver& drive, const DialogDriver& driveSettings) {
    TPublishForm form(demo, prompts, publishPrompts, parent, driveSettings);
    form.setProgress(progress);
    return drive(form) == QDialog::Accepted;
}

} // namespace vantora
