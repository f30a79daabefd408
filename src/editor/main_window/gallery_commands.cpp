// The library tabs in the window: filling them at start-up, "Save Object to Gallery" and "Delete
// Object from Gallery" in the Tools menu, and library items dropped on the canvas.

#include "editor/main_window/main_form.h"

#include "editor/document/editor_document.h"
#include "editor/library/library_drop.h"
#include "editor/library/library_tabs.h"
#include "platform/user_dialogs.h"
#include "storage/gallery_file.h"

#include <QAction>
#include <QMenu>

namespace vantora {

void TMainForm::ConnectGalleryActions() {
    connect(actions_.SaveObjectToGallery1, &QAction::triggered, this, [this] { SaveObjectToGallery1Click(); });
    connect(actions_.DeleteObjectFromGallery1, &QAction::triggered, this, [this] { DeleteObjectFromGallery1Click(); });
    connect(actions_.ToolsMenu, &QMenu::aboutToShow, this, [this] { UpdateGalleryCommands(); });
}

// Saving needs selected objects on the current scene; deleting needs a picked gallery item.
void TMainForm::UpdateGalleryCommands() {
    actions_.SaveObjectToGallery1->setEnabled(!document_->selectedObjects().empty());
    actions_.DeleteObjectFromGallery1->setEnabled(
        !libraries_->list(LibraryKind::Gallery).selectedCaption().isEmpty());
}

void TMainForm::FillLibraryTabs(const std::function<void()>& afterEachStep) { libraries_->fillAll(afterEachStep); }

// Every selected object under its own new file name; a file that cannot be made is reported and
// the others are still saved.
void TMainForm::SaveObjectToGallery1Click() {
    const std::vector<TDemoObject*> selected = document_->selectedObjects();
    if (selected.empty())
        return;
    const std::vector<const TDemoObject*> objects(selected.begin(), selected.end());
    const GallerySaveReport report =
        SaveObjectsToGallery(objects, libraries_->list(LibraryKind::Gallery).folder());
    for (const StorageResult& failure : report.failures)
        ShowStorageError(failure.message);
    if (report.saved > 0)
        libraries_->refillGallery();
}

// The picked gallery item's file goes without a question.
void TMainForm::DeleteObjectFromGallery1Click() {
    TLibraryList& gallery = libraries_->list(LibraryKind::Gallery);
    const QString caption = gallery.selectedCaption();
    if (caption.isEmpty())
        return;
    DeleteGalleryFile(gallery.folder(), caption.toStdString());
    libraries_->refillGallery();
}

void TMainForm::DropLibraryItemOnCanvas(const LibraryItemRef& item, QPoint scenePoint) {
    LibraryDropPrompts prompts;
    prompts.confirm = [this](const QString& caption, const QString& text) {
        return dialogs().message(this, caption, text, MessageIcon::Question, MessageButtons::YesNo) ==
               MessageAnswer::Yes;
    };
    prompts.error = [this](const QString& message) { ShowStorageError(message.toStdString()); };
    DropLibraryItem(*document_, item, scenePoint, prompts);
}

} // namespace vantora
