#include "editor/commands/demo_settings_command.h"

namespace vantora {

DemoSettingsCommand::DemoSettingsCommand(TVantora& demo, const TDemoSettings& settings)
    : QUndoCommand(QStringLiteral("Demo Properties")), demo_(demo), after_(settings) {}

void DemoSettingsCommand::redo() {
    if (!performed_) {
        performed_ = true;
        before_ = DemoSettingsOf(demo_);
        ApplyDemoSettings(demo_, after_);
        after_ = DemoSettingsOf(demo_); // as clamped by the model
        if (after_ == before_)
            setObsolete(true);
        return;
    }
    ApplyDemoSettings(demo_, after_);
}

void DemoSettingsCommand::undo() { ApplyDemoSettings(demo_, before_); }

} // namespace vantora
