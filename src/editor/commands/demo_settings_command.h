#pragma once
// "Demo Properties": the demo's name, size, colour and frame rate.

#include "model/demo_settings.h"

#include <QUndoCommand>

namespace vantora {

class DemoSettingsCommand : public QUndoCommand {
public:
    DemoSettingsCommand(TVantora& demo, const TDemoSettings& settings);

    void redo() override;
    void undo() override;

private:
    TVantora& demo_;
    TDemoSettings before_;
    TDemoSettings after_;
    bool performed_ = false;
};

} // namespace vantora
