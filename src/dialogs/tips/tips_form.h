#pragma once
// "What's New?": the rich text of "Tips.rtf" in the program folder, shown at start-up once per
// program version and whenever the user asks for it.

#include "dialogs/dialog_driver.h"

#include <QDialog>

#include <filesystem>
#include <string>

class QCheckBox;

namespace vantora {

inline constexpr const char* kTipsFileName = "Tips.rtf";

enum class TipsOccasion { StartUp, Menu };

struct TipsDecision {
    bool show = false;
    bool offerCheckBox = false; // "Show this on startup", only while this version is unacknowledged
};

// At start-up the window stays away once the stored version is the program's; from the menu it
// shows in any case. Either way only when there is a tips file.
TipsDecision DecideTips(TipsOccasion occasion, const std::string& storedVersion, const std::string& programVersion,
                        bool tipsFileExists);

class TTipsForm : public QDialog {
    Q_OBJECT
public:
    TTipsForm(const std::filesystem::path& tipsFile, bool offerCheckBox, QWidget* parent = nullptr);

    // True when the user unticked "Show this on startup" and closed with OK.
    bool acknowledged() const;

private:
    QCheckBox* showOnStartup_;
};

// Shows the window when DecideTips says so, reading and writing `Version` in the settings file.
// True when it was shown.
bool RunTipsForm(TipsOccasion occasion, QWidget* parent, const DialogDriver& drive = ExecDialog);

} // namespace vantora
