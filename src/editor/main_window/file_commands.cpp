// The File menu: new, open, reopen, save, save as, and the entries to the demo's properties,
// preview, publishing and exit.

#include "editor/main_window/main_form.h"

#include "base/progress.h"
#include "dialogs/demo_properties_form.h"
#include "dialogs/new_form.h"
#include "dialogs/publish/publish_form.h"
#include "editor/document/editor_document.h"
#include "editor/main_window/main_form_texts.h"
#include "editor/progress/progress_form.h"
#include "editor/timeline/preview_playhead.h"
#include "base/program_folder.h"
#include "movie/movie_builder.h"
#include "model/demo_settings.h"
#include "platform/user_dialogs.h"
#include "preview/preview_commands.h"
#include "storage/project_file.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QStandardPaths>

namespace vantora {
namespace {

const QString kProjectFilter = QString::fromUtf8(kProjectFileFilter.data(), kProjectFileFilter.size());
const QString kProjectSuffix = QStringLiteral("vtp");

std::filesystem::path ToPath(const QString& file) { return std::filesystem::path(file.toStdString()); }

} // namespace

void TMainForm::ConnectFileActions() {
    connect(actions_.New1, &QAction::triggered, this, [this] { New1Click(); });
    connect(actions_.Open1, &QAction::triggered, this, [this] { Open1Click(); });
    connect(actions_.Save1, &QAction::triggered, this, [this] { Save1Click(); });
    connect(actions_.SaveAs1, &QAction::triggered, this, [this] { SaveAs1Click(); });
    connect(actions_.Properties1, &QAction::triggered, this, [this] { Properties1Click(); });
    connect(actions_.Preview1, &QAction::triggered, this, [this] { Preview1Click(); });
    connect(actions_.Publish1, &QAction::triggered, this, [this] { Publish1Click(); });
    connect(actions_.Exit1, &QAction::triggered, this, [this] { Exit1Click(); });
    connect(actions_.FileMenu, &QMenu::aboutToShow, this, [this] { UpdateFileMenu(); });
    UpdateFileMenu();
}

void TMainForm::UpdateFileMenu() {
    QMenu* reopen = actions_.Reopen1;
    reopen->clear();
    for (const ReopenItem& item : ReopenItems(recent_)) {
        QAction* action = reopen->addAction(QString::fromStdString(item.caption));
        const std::size_t entry = item.index;
        connect(action, &QAction::triggered, this, [this, entry] { ReopenClick(entry); });
    }
    if (reopen->isEmpty()) {
        QAction* empty = reopen->addAction(QString::fromUtf8(kReopenEmptyCaption.data(), kReopenEmptyCaption.size()));
        empty->setEnabled(false);
    }
}

// "Create New Demo" collects the settings and the first-scene choice; the question about unsaved
// changes comes after it, and only when it was confirmed.
void TMainForm::New1Click() {
    PlatformPrompts prompts(dialogs(), desktop());
    const auto run = [this](QDialog& dialog) { return RunDialog(dialog); };
    const TNewDemoChoice choice = RunNewForm(this, prompts, run);
    if (!choice.Confirmed)
        return;
    if (!QuerySaveChanges(kConfirmCaption))
        return;
    const bool fromScreenShots = choice.Creation == TSceneCreation::TakeScreenShots;
    document_->newDemo(choice.Settings, !fromScreenShots);
    if (fromScreenShots)
        AddScenesFromScreenShots();
}

void TMainForm::Open1Click() {
    const QString file = dialogs().openFileName(this, kOpenCaption, ProjectDialogFolder(), kProjectFilter);
    if (file.isEmpty())
        return;
    if (!QFileInfo(file).isFile()) {
        dialogs().message(this, kOpenCaption, kFileNotFound, MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    if (!QuerySaveChanges(kConfirmCaption))
        return;
    OpenProject(file);
}

void TMainForm::ReopenClick(std::size_t entry) {
    const std::optional<std::filesystem::path> target = ReopenTarget(recent_, entry);
    if (!target)
        return;
    if (!QuerySaveChanges(kConfirmCaption))
        return;
    OpenProject(QString::fromStdString(target->string()));
}

bool TMainForm::Save1Click() {
    if (document_->fileName().isEmpty())
        return SaveAs1Click();
    return SaveProjectAs(document_->fileName());
}

bool TMainForm::SaveAs1Click() {
    QString file = dialogs().saveFileName(this, QStringLiteral("Save As"), ProjectDialogFolder(), kProjectFilter,
                                          kProjectSuffix);
    if (file.isEmpty())
        return false;
    if (QFileInfo(file).suffix().isEmpty())
        file += QLatin1Char('.') + kProjectSuffix;
    return SaveProjectAs(file);
}

bool TMainForm::QuerySaveChanges(const QString& caption) {
    if (!document_->isModified())
        return true;
    switch (dialogs().message(this, caption, kSaveChangesQuestion, MessageIcon::Question, MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes: return Save1Click();
    case MessageAnswer::No: return true;
    default: return false;
    }
}

bool TMainForm::OpenProject(const QString& fileName) {
    const ProgressObserver progress = ProgressForWork();
    const StorageResult result = document_->open(ToPath(fileName), &progress);
    if (!result) {
        ShowStorageError(result.message);
        return false;
    }
    return true;
}

bool TMainForm::SaveProjectAs(const QString& fileName) {
    const ProgressObserver progress = ProgressForWork();
    const StorageResult result = document_->save(ToPath(fileName), &progress);
    if (!result) {
        ShowStorageError(result.message);
        return false;
    }
    AddRecentProject(recent_, document_->demo().Name, fileName.toStdString());
    UpdateCaption();
    return true;
}

QString TMainForm::ProjectDialogFolder() const {
    if (!document_->fileName().isEmpty())
        return QFileInfo(document_->fileName()).absolutePath();
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (documents.exists(kProjectsFolderName))
        return documents.filePath(kProjectsFolderName);
    return {};
}

// Loading and saving show the one progress window while the scenes go by.
ProgressObserver TMainForm::ProgressForWork() {
    auto form = std::make_shared<std::unique_ptr<TProgressForm>>();
    ProgressObserver observer;
    observer.open = [this, form](std::string_view label, int maximum) {
        *form = std::make_unique<TProgressForm>(this, QString::fromUtf8(label.data(), label.size()), maximum);
    };
    observer.advance = [form](int position) {
        if (*form)
            (*form)->setPosition(position);
    };
    observer.close = [form] { form->reset(); };
    return observer;
}

void TMainForm::ShowStorageError(const std::string& message) {
    dialogs().message(this, QString::fromUtf8(kStorageErrorCaption.data(), kStorageErrorCaption.size()),
                      QString::fromStdString(message), MessageIcon::Error, MessageButtons::Ok);
}

// The demo-properties dialog, the preview and the Publish dialog are opened from here.
void TMainForm::Properties1Click() {
    PlatformPrompts prompts(dialogs(), desktop());
    const auto run = [this](QDialog& dialog) { return RunDialog(dialog); };
    const std::optional<TDemoSettings> settings =
        RunDemoPropertiesForm(DemoSettingsOf(document_->demo()), this, prompts, run);
    if (!settings)
        return;
    document_->setDemoSettings(*settings);
    if (!document_->demo().Scenes.empty())
        document_->setCurrentScene(document_->demo().Scenes.front().get());
}
void TMainForm::Preview1Click() {
    ShowDemoCheckFindings();
    // Leaving a property cell commits its edit before the movie is built.
    sceneList_->setFocus();
    // The timeline marks the frame the preview shows while it plays the current scene.
    timeline::PreviewPlayhead playhead(*document_, *timeline_, std::nullopt);
    PreviewDemo(this, document().demo(), ProgramFolder() / std::string(kPreviewMovieName),
                [&playhead](int frame) { playhead.frameShown(frame); });
}
// Publish opens "Publish Demo" on the current demo; the movie builds show the progress window.
void TMainForm::Publish1Click() {
    ShowDemoCheckFindings();
    PlatformPrompts prompts(dialogs(), desktop());
    const auto run = [this](QDialog& dialog) { return RunDialog(dialog); };
    const ProgressObserver progress = ProgressForWork();
    PublishPrompts& publishPrompts =
        services_.publishPrompts ? *services_.publishPrompts : SystemPublishPrompts();
    RunPublishForm(document_->demo(), this, &progress, prompts, publishPrompts, run, run);
}

void TMainForm::Exit1Click() { close(); }

} // namespace vantora
