// The demo check: Tools > "Check Demo", and the same list before Preview and Publish when it
// finds something. Picking a finding selects its scene and object.

#include "editor/main_window/main_form.h"

#include "dialogs/demo_check_form.h"
#include "editor/document/editor_document.h"
#include "editor/document/editor_selection.h"

#include <QAction>

namespace vantora {

void TMainForm::ConnectCheckActions() {
    connect(actions_.CheckDemo1, &QAction::triggered, this, [this] { CheckDemo1Click(); });
}

void TMainForm::CheckDemo1Click() { ShowDemoCheck(CheckDemo(document_->demo())); }

void TMainForm::ShowDemoCheckFindings() {
    const std::vector<DemoFinding> findings = CheckDemo(document_->demo());
    if (!findings.empty())
        ShowDemoCheck(findings);
}

void TMainForm::ShowDemoCheck(const std::vector<DemoFinding>& findings) {
    if (!demoCheckForm_) {
        demoCheckForm_ = new TDemoCheckForm(this);
        connect(demoCheckForm_, &TDemoCheckForm::findingPicked, this,
                [this](std::size_t scene, std::size_t object) { SelectFinding(scene, object); });
    }
    demoCheckForm_->showFindings(document_->demo(), findings);
    demoCheckForm_->show();
    demoCheckForm_->raise();
}

// The demo may have changed since the check: a scene or object that is gone selects nothing.
void TMainForm::SelectFinding(std::size_t scene, std::size_t object) {
    const auto& scenes = document_->demo().Scenes;
    if (scene >= scenes.size() || !scenes[scene])
        return;
    selectScene(scene);
    const auto& objects = scenes[scene]->Objects;
    if (object < objects.size() && objects[object])
        document_->selection().selectOnly(objects[object].get());
    else
        document_->selection().clear();
}

} // namespace vantora
