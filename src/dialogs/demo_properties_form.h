#pragma once
// "Demo Properties": edits the name, movie size, background colour and frame rate of the open
// demo. The settings come back only when something was edited and "&OK" closed the dialog, so a
// look at the dialog never marks the demo modified.

#include "dialogs/dialog_driver.h"
#include "dialogs/user_prompts.h"
#include "model/demo_settings.h"

#include <QDialog>

#include <optional>

class QLineEdit;
class QSpinBox;

namespace vantora {

class TColorBox;
class TFrameRateGroup;

class TDemoPropertiesForm : public QDialog {
    Q_OBJECT
public:
    TDemoPropertiesForm(const TDemoSettings& current, UserPrompts& prompts, QWidget* parent = nullptr);

    bool changed() const { return changed_; }
    bool confirmed() const { return confirmed_; }
    // The controls' values; the frame rate stays the initial one when no button is checked.
    TDemoSettings settings() const;

private:
    void markChanged() { changed_ = true; }

    TDemoSettings initial_;
    QLineEdit* nameEdit_;
    QSpinBox* widthEdit_;
    QSpinBox* heightEdit_;
    TColorBox* colourBox_;
    TFrameRateGroup* frameRate_;
    bool changed_ = false;
    bool confirmed_ = false;
};

// The new settings when the user edited something and confirmed; nothing otherwise.
std::optional<TDemoSettings> RunDemoPropertiesForm(const TDemoSettings& current, QWidget* parent,
                                                   UserPrompts& prompts = SystemPrompts(),
                                                   const DialogDriver& drive = ExecDialog);

} // namespace vantora
