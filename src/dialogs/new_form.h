#pragma once
// "Create New Demo": collects the title, movie size, background colour, frame rate and how the
// first scenes are made. It only collects; the "New..." command applies the values.

#include "dialogs/dialog_driver.h"
#include "dialogs/user_prompts.h"
#include "model/demo_settings.h"

#include <QDialog>

#include <QSize>

#include <span>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace vantora {

class TColorBox;
class TFrameRateGroup;

enum class TSceneCreation : int { OneBlank = 0, ImportImages = 1, TakeScreenShots = 2 };

struct TNewDemoChoice {
    bool Confirmed = false; // only "&OK" confirms; the values are not to be used otherwise
    TDemoSettings Settings;
    TSceneCreation Creation = TSceneCreation::OneBlank;
};

struct TSizePreset {
    const char* caption;
    int width;
    int height;
};

// The preset list, in its order.
std::span<const TSizePreset> SizePresets();

// The entries the Preset box offers after the fixed sizes: the screen's size, and what it shows
// for a size that is no preset.
inline constexpr const char* kScreenSizePreset = "Screen size";
inline constexpr const char* kCustomPreset = "Custom";

// The primary screen's size in device pixels (a high-density screen's shots keep all of them).
QSize ScreenSizeInDevicePixels();

class TNewForm : public QDialog {
    Q_OBJECT
public:
    explicit TNewForm(UserPrompts& prompts, QWidget* parent = nullptr);

    // The values as the controls hold them now (Confirmed left false: the run decides it).
    TNewDemoChoice choice() const;

private:
    void applyPreset(int index);
    // Shows the entry matching the size in the edits: a fixed size, the screen's, or "Custom".
    void showMatchingPreset();

    QLineEdit* titleEdit_;
    QSpinBox* widthEdit_;
    QSpinBox* heightEdit_;
    QComboBox* presetBox_;
    TColorBox* colourBox_;
    TFrameRateGroup* frameRate_;
    QRadioButton* oneBlank_;
    QRadioButton* importImages_;
    QRadioButton* takeShots_;
};

// Runs the dialog and returns what it collected.
TNewDemoChoice RunNewForm(QWidget* parent, UserPrompts& prompts = SystemPrompts(),
                          const DialogDriver& drive = ExecDialog);

} // namespace vantora
