// The File menu: new, open, reopen, save, save as, and the entries to the demo's properties,
// preview, publishing and exit.

#include "editor/main_window/main_form.h"

#include "editor/main_window/main_form_texts.h"
#include "platform/user_dialogs.h"

#include <QAction>
#include <QMenu>

namespace vantora {

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

void TMainForm::New1Click() {}
void TMainForm::Open1Click() {}
void TMainForm::ReopenClick(std::size_t) {}
bool TMainForm::Save1Click() { return false; }
bool TMainForm::SaveAs1Click() { return false; }
bool TMainForm::QuerySaveChanges(const QString&) { return true; }
bool TMainForm::OpenProject(const QString&) { return false; }
bool TMainForm::SaveProjectAs(const QString&) { return false; }

// The demo-properties dialog, the preview and the Publish dialog are opened from here.
void TMainForm::Properties1Click() {}
void TMainForm::Preview1Click() {}
void TMainForm::Publish1Click() {}

void TMainForm::Exit1Click() { close(); }

} // namespace vantora
