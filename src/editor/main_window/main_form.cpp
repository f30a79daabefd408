#include "editor/main_window/main_form.h"

#include "dialogs/colour_conversion.h"
#include "editor/capture/capture_tool.h"
#include "editor/capture/tool_screen_shots.h"
#include "editor/document/editor_document.h"
#include "editor/library/library_sound_player.h"
#include "editor/library/library_tabs.h"
#include "editor/main_window/main_form_texts.h"
#include "platform/desktop_services.h"
#include "platform/user_dialogs.h"
#include "storage/app_settings_file.h"
#include "storage/ini_file.h"
#include "storage/library_folders.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPalette>
#include <QScreen>
#include <QTimer>

namespace vantora {
namespace {

constexpr std::string_view kWindowSection = "WINDOW";
constexpr std::string_view kGeometryKey = "GEOMETRY";

// The stand-alone program and the CD folder are put together in the system's temporary folder.
void EnsurePlayerScratchFolders() { QDir(QDir::tempPath()).mkpath(QStringLiteral("Vantora/TmpCDROM")); }

} // namespace

TMainForm::TMainForm(MainFormServices services, QWidget* parent)
    : QMainWindow(parent), services_(services), document_(std::make_unique<EditorDocument>()) {
    setObjectName(QStringLiteral("MainForm"));
    screenShots_ = std::make_unique<ToolScreenShots>(captureTool(), this);
    EnsurePlayerScratchFolders();
    setWindowTitle(kProgramTitle + QStringLiteral("[*]"));
    actions_ = BuildMainFormActions(*this);
    BuildLayout();
    ReadSettings();
    EnsureWorkFolder();
    ConnectActions();
    ConnectDocument();
    RestoreGeometry();
    RefreshSceneList();
    UpdateCaption();
}

// The library tabs listen to the sound player, which dies with the members: they go first.
TMainForm::~TMainForm() { delete libraries_; }

void TMainForm::ReadSettings() {
    settingsFile_ = SettingsFile();
    settings_ = EditorSettings{};
    settings_.BackColor = FromQColor(palette().color(QPalette::Button));
    settings_ = ReadEditorSettings(settingsFile_, settings_);
    actions_.DisplayGrid1->setChecked(settings_.DisplayGrid);
    actions_.SnapToGrid1->setChecked(settings_.SnapToGrid);
    document_->setGridSize(settings_.GridSizeX, settings_.GridSizeY);
    RedrawSceneBackground();
    recent_ = ReadRecentProjects(settingsFile_);
}

void TMainForm::ConnectActions() {
    ConnectFileActions();
    ConnectSceneActions();
    ConnectEditActions();
    ConnectSettingsActions();
    ConnectHelpActions();
    ConnectGalleryActions();
    ConnectCheckActions();
}

void TMainForm::FormShow(const QString& commandLineProject) {
    if (!commandLineProject.isEmpty())
        OpenProject(commandLineProject);
    // The start-up tips come up once the window is on the screen.
    QTimer::singleShot(100, this, [this] { ShowStartupTips(); });
}

void TMainForm::ActivateFromOtherInstance(const QString& projectFile) {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    // While the window is disabled (a capture runs) or a dialog of it is open, the request only
    // brings it to the front: opening a project under a running command would pull the demo away
    // from it.
    if (projectFile.isEmpty() || !isEnabled() || QApplication::activeModalWidget())
        return;
    if (!QFileInfo::exists(projectFile)) {
        dialogs().message(this, kOpenCaption, kFileNotFound, MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    if (QuerySaveChanges(kConfirmCaption))
        OpenProject(projectFile);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!QuerySaveChanges(kExitCaption)) {
        event->ignore();
        return;
    }
    closing_ = true;
    SaveGeometry();
    WriteRecentProjects(settingsFile_, recent_);
    event->accept();
}

void TMainForm::RestoreGeometry() {
    const IniFile ini = IniFile::Load(settingsFile_);
    if (const auto saved = ini.value(kWindowSection, kGeometryKey)) {
        if (restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(*saved))))
            return;
    }
    // First start: the whole work area of the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
}

void TMainForm::SaveGeometry() const {
    IniFile ini = IniFile::Load(settingsFile_);
    ini.setValue(kWindowSection, kGeometryKey, saveGeometry().toBase64().toStdString());
    ini.save(settingsFile_);
}

int TMainForm::RunDialog(QDialog& dialog) {
    return services_.runDialog ? services_.runDialog(dialog) : dialog.exec();
}

UserDialogs& TMainForm::dialogs() const { return services_.dialogs ? *services_.dialogs : DefaultUserDialogs(); }

DesktopServices& TMainForm::desktop() const {
    return services_.desktop ? *services_.desktop : DefaultDesktopServices();
}

SoundPlayer& TMainForm::soundPlayer() {
    if (services_.soundPlayer)
        return *services_.soundPlayer;
    if (!ownSoundPlayer_)
        ownSoundPlayer_ = std::make_unique<LibrarySoundPlayer>();
    return *ownSoundPlayer_;
}

CaptureTool& TMainForm::captureTool() const {
    return services_.captureTool ? *services_.captureTool : ProgramCaptureTool();
}

std::optional<TObjectKind> TMainForm::currentTool() const {
    const QAction* checked = actions_.tools->checkedAction();
    if (!checked || checked == actions_.ToolSelect)
        return std::nullopt;
    return static_cast<TObjectKind>(checked->data().toInt());
}

QString TMainForm::statusPanelText(int panel) const {
    if (panel < 0 || panel >= 3)
        return {};
    return statusPanels_[panel]->text();
}

} // namespace vantora
