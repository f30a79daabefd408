// The views that follow the demo: the scene list, the object box, the canvas frame, the status
// bar and the caption.

#include "editor/main_window/main_form.h"

#include "editor/main_window/enabling_rules.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

namespace vantora {

void TMainForm::ConnectDocument() {}
void TMainForm::RefreshSceneList() { UpdateStatusBar(); }
void TMainForm::RefreshObjectBox() {}
void TMainForm::ShowSelectedScene() {}

void TMainForm::UpdateStatusBar() {
    statusPanels_[0]->setText(ScenePanelText(selectedSceneIndex(), static_cast<std::size_t>(sceneList_->count())));
    statusPanels_[1]->setText(ObjectPanelText(CurrentObjectPick()));
}

void TMainForm::UpdateCaption() { statusPanels_[2]->setText(CaptionPanelText("Demo", {})); }

std::optional<std::size_t> TMainForm::selectedSceneIndex() const {
    const int row = sceneList_->currentRow();
    if (row < 0 || sceneList_->selectedItems().isEmpty())
        return std::nullopt;
    return static_cast<std::size_t>(row);
}

void TMainForm::selectScene(std::optional<std::size_t> index) {
    if (index && *index < static_cast<std::size_t>(sceneList_->count()))
        sceneList_->setCurrentRow(static_cast<int>(*index));
    else
        sceneList_->clearSelection();
}

CommandState TMainForm::CurrentCommandState() const { return {}; }
ObjectPick TMainForm::CurrentObjectPick() const { return {}; }

} // namespace vantora
