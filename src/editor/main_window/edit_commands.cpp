// The Edit menu and the canvas pop-up: undo and redo, the clipboard, delete, clear, z-order and
// align on the selected objects.

#include "editor/main_window/main_form.h"

#include <QAction>

namespace vantora {

void TMainForm::ConnectEditActions() {
    connect(actions_.Copy1, &QAction::triggered, this, [this] { Copy1Click(); });
    connect(actions_.Paste1, &QAction::triggered, this, [this] { Paste1Click(); });
    connect(actions_.Duplicate1, &QAction::triggered, this, [this] { Duplicate1Click(); });
    connect(actions_.Delete1, &QAction::triggered, this, [this] { Delete1Click(); });
    connect(actions_.Clear1, &QAction::triggered, this, [this] { Clear1Click(); });
    connect(actions_.BringToFront1, &QAction::triggered, this, [this] { BringToFront1Click(); });
    connect(actions_.SendToBack1, &QAction::triggered, this, [this] { SendToBack1Click(); });
    const AlignActions& al = actions_.align;
    connect(al.AlignToGrid1, &QAction::triggered, this, [this] { AlignToGrid1Click(); });
    connect(al.AlignLeft1, &QAction::triggered, this, [this] { AlignLeft1Click(); });
    connect(al.AlignCenter1, &QAction::triggered, this, [this] { AlignCenter1Click(); });
    connect(al.AlignRight1, &QAction::triggered, this, [this] { AlignRight1Click(); });
    connect(al.AlignTop1, &QAction::triggered, this, [this] { AlignTop1Click(); });
    connect(al.AlignMiddle1, &QAction::triggered, this, [this] { AlignMiddle1Click(); });
    connect(al.AlignBottom1, &QAction::triggered, this, [this] { AlignBottom1Click(); });
}

void TMainForm::Copy1Click() {}
void TMainForm::Paste1Click() {}
void TMainForm::Duplicate1Click() {}
void TMainForm::Delete1Click() {}
void TMainForm::Clear1Click() {}
void TMainForm::BringToFront1Click() {}
void TMainForm::SendToBack1Click() {}
void TMainForm::AlignToGrid1Click() {}
void TMainForm::AlignLeft1Click() {}
void TMainForm::AlignCenter1Click() {}
void TMainForm::AlignRight1Click() {}
void TMainForm::AlignTop1Click() {}
void TMainForm::AlignMiddle1Click() {}
void TMainForm::AlignBottom1Click() {}

} // namespace vantora
