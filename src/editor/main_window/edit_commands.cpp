// The Edit menu and the canvas pop-up: undo and redo, the clipboard, delete, clear, z-order and
// align on the selected objects.

#include "editor/main_window/main_form.h"

#include "editor/document/editor_document.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QShortcut>
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

// The clipboard, z-order and align are the document's operations: each checks its own conditions
// (a current scene, enough selected objects) and is one undo step.
void TMainForm::Copy1Click() { document_->copyToClipboard(); }
void TMainForm::Paste1Click() { document_->pasteFromClipboard(); }
void TMainForm::Duplicate1Click() { document_->duplicateSelection(); }
void TMainForm::Delete1Click() { document_->deleteSelection(); }
void TMainForm::Clear1Click() { document_->clearScene(); }
void TMainForm::BringToFront1Click() { document_->bringToFront(); }
void TMainForm::SendToBack1Click() { document_->sendToBack(); }
void TMainForm::AlignToGrid1Click() { document_->alignToGrid(); }
void TMainForm::AlignLeft1Click() { document_->align(TAlignMode::Left); }
void TMainForm::AlignCenter1Click() { document_->align(TAlignMode::Center); }
void TMainForm::AlignRight1Click() { document_->align(TAlignMode::Right); }
void TMainForm::AlignTop1Click() { document_->align(TAlignMode::Top); }
void TMainForm::AlignMiddle1Click() { document_->align(TAlignMode::Middle); }
void TMainForm::AlignBottom1Click() { document_->align(TAlignMode::Bottom); }

} // namespace vantora
