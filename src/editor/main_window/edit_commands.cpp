// The Edit menu and the canvas pop-up: undo and redo, the clipboard, delete, clear, z-order and
// align on the selected objects.

#include "editor/main_window/main_form.h"

#include "editor/commands/paste_objects_command.h"
#include "editor/commands/reorder_object_command.h"
#include "editor/document/editor_document.h"
#include "editor/main_window/alignment.h"
#include "storage/clipboard_block.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QShortcut>
#include <QMimeData>
#include <QUndoStack>
#include <QMenu>

namespace vantora {

void TMainForm::ConnectEditActions() {
    QUndoStack& history = document_->undoStack();
    connect(actions_.Undo1, &QAction::triggered, &history, &QUndoStack::undo);
    connect(actions_.Redo1, &QAction::triggered, &history, &QUndoStack::redo);
    connect(actions_.EditMenu, &QMenu::aboutToShow, this, [this] {
        actions_.Undo1->setEnabled(document_->undoStack().canUndo());
        actions_.Redo1->setEnabled(document_->undoStack().canRedo());
    });
    connect(actions_.EditMenu, &QMenu::aboutToHide, this, [this] {
        actions_.Undo1->setEnabled(true);
        actions_.Redo1->setEnabled(true);
    });
    connect(actions_.Copy1, &QAction::triggered, this, [this] { Copy1Click(); });
    connect(actions_.Paste1, &QAction::triggered, this, [this] { Paste1Click(); });
    connect(actions_.Duplicate1, &QAction::triggered, this, [this] { Duplicate1Click(); });
    connect(actions_.Delete1, &QAction::triggered, this, [this] { Delete1Click(); });
    connect(actions_.Clear1, &QAction::triggered, this, [this] { Clear1Click(); });
    connect(actions_.BringToFront1, &QAction::triggered, this, [this] { BringToFront1Click(); });
    connect(actions_.SendToBack1, &QAction::triggered, this, [this] { SendToBack1Click(); });
    // Delete in the scene list and the object box deletes the selected objects.
    for (QWidget* widget : {static_cast<QWidget*>(sceneList_), static_cast<QWidget*>(objectBox_)}) {
        auto* deleteKey = new QShortcut(QKeySequence(Qt::Key_Delete), widget, nullptr, nullptr,
                                        Qt::WidgetWithChildrenShortcut);
        connect(deleteKey, &QShortcut::activated, this, [this] { Delete1Click(); });
    }
    const AlignActions& al = actions_.align;
    connect(al.AlignToGrid1, &QAction::triggered, this, [this] { AlignToGrid1Click(); });
    connect(al.AlignLeft1, &QAction::triggered, this, [this] { AlignLeft1Click(); });
    connect(al.AlignCenter1, &QAction::triggered, this, [this] { AlignCenter1Click(); });
    connect(al.AlignRight1, &QAction::triggered, this, [this] { AlignRight1Click(); });
    connect(al.AlignTop1, &QAction::triggered, this, [this] { AlignTop1Click(); });
    connect(al.AlignMiddle1, &QAction::triggered, this, [this] { AlignMiddle1Click(); });
    connect(al.AlignBottom1, &QAction::triggered, this, [this] { AlignBottom1Click(); });
}

// The selected objects, in list order, go to the clipboard in the private format. The next paste
// lands one grid cell away from them.
void TMainForm::Copy1Click() {
    const TDemoFrame* scene = document_->currentScene();
    const std::vector<TDemoObject*> selected = document_->selectedObjects();
    if (!scene || selected.empty())
        return;
    const std::vector<const TDemoObject*> objects(selected.begin(), selected.end());
    std::vector<std::uint8_t> block;
    if (!WriteClipboardBlock(objects, block))
        return; // a copy that cannot be written is dropped without a word
    auto* data = new QMimeData;
    data->setData(QString::fromUtf8(kClipboardMimeType.data(), kClipboardMimeType.size()),
                  QByteArray(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size())));
    QApplication::clipboard()->setMimeData(data);
    pasteOffset_ = settings_.GridSizeX;
}

// The objects on the clipboard join the current scene one paste offset further away than the
// last time, selected; each paste takes the next ones 8 pixels further.
void TMainForm::Paste1Click() {
    TDemoFrame* scene = document_->currentScene();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const QString format = QString::fromUtf8(kClipboardMimeType.data(), kClipboardMimeType.size());
    if (!scene || !data || !data->hasFormat(format))
        return;
    const QByteArray block = data->data(format);
    // A damaged block gives the objects read before the damage; nothing is said about the rest.
    ClipboardContents contents = ReadClipboardBlock(
        std::span(reinterpret_cast<const std::uint8_t*>(block.constData()), static_cast<std::size_t>(block.size())));
    if (contents.objects.empty())
        return;
    document_->push(new PasteObjectsCommand(*scene, &document_->selection(), std::move(contents.objects),
                                            pasteOffset_));
    pasteOffset_ += 8;
}

void TMainForm::Duplicate1Click() {
    Copy1Click();
    Paste1Click();
}

void TMainForm::Delete1Click() { document_->deleteSelection(); }
void TMainForm::Clear1Click() { document_->clearScene(); }
void TMainForm::MoveSelectedObject(ObjectPlace place) {
    TDemoFrame* scene = document_->currentScene();
    const std::vector<TDemoObject*> selected = document_->selectedObjects();
    if (!scene || selected.size() != 1)
        return;
    document_->push(new ReorderObjectCommand(*scene, &document_->selection(), selected.front(), place));
}

void TMainForm::BringToFront1Click() { MoveSelectedObject(ObjectPlace::Front); }
void TMainForm::SendToBack1Click() { MoveSelectedObject(ObjectPlace::Back); }
void TMainForm::AlignSelection(Alignment alignment) {
    const std::vector<TDemoObject*> selected = document_->selectedObjects();
    const std::size_t needed = alignment == Alignment::ToGrid ? 1 : 2;
    if (!document_->currentScene() || selected.size() < needed)
        return;
    const auto changes = AlignObjects(selected, alignment, settings_.GridSizeX, settings_.GridSizeY);
    if (!changes.empty())
        document_->setBounds(changes);
}

void TMainForm::AlignToGrid1Click() { AlignSelection(Alignment::ToGrid); }
void TMainForm::AlignLeft1Click() { AlignSelection(Alignment::Left); }
void TMainForm::AlignCenter1Click() { AlignSelection(Alignment::Center); }
void TMainForm::AlignRight1Click() { AlignSelection(Alignment::Right); }
void TMainForm::AlignTop1Click() { AlignSelection(Alignment::Top); }
void TMainForm::AlignMiddle1Click() { AlignSelection(Alignment::Middle); }
void TMainForm::AlignBottom1Click() { AlignSelection(Alignment::Bottom); }

} // namespace vantora
