#pragma once
// The burner's one window, "Burn CD/DVD": drive, volume label and speed, the log, and the
// buttons that write, save an ISO file, abort, erase and move the tray. All disc work is asked of
// a BurnEngine; a timer collects its events so the window stays responsive while it works.

#include "discburn/burn_engine.h"
#include "discburn/log_icon.h"

#include <QIcon>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace discora {

class DiscoraForm : public QWidget {
public:
    explicit DiscoraForm(BurnEngine& engine, QWidget* parent = nullptr);
    ~DiscoraForm() override;

    // The start steps, run once the window is shown: false when the window is to close (no
    // folder given, folder missing, drives unusable).
    bool start(const std::optional<QString>& folder);

    // Message boxes and the ISO file dialog go through these, so that tests can answer them.
    using MessageHandler = std::function<void(const QString& caption, const QString& text)>;
    using IsoPathPrompt = std::function<QString()>;
    void setMessageHandler(MessageHandler handler) { showMessage_ = std::move(handler); }
    void setIsoPathPrompt(IsoPathPrompt prompt) { askIsoPath_ = std::move(prompt); }

    bool idle() const { return idle_; }
    // Takes the engine's pending events and reacts to them; the timer calls it.
    void pollEngine();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void addFolderContents(const QString& folder);
    void listDrives();
    void driveSelected(int comboIndex);
    void setControlsIdle(bool idle);
    void log(const QString& line, int icon = log_icon::None);
    void message(const QString& caption, const QString& text);

    void writeClicked();
    void saveIsoClicked();
    void abortClicked();
    void quickEraseClicked();
    void ejectClicked();
    void closeTrayClicked();

    void onWriteStatus(const WriteStatusEvent& event);
    void onWriteError(const WriteErrorEvent& event);
    void onTrackFileWarning(const TrackFileWarningEvent& event);
    void onEraseStatus(const EraseStatusEvent& event);
    void onEraseError(const EraseErrorEvent& event);

    BurnEngine& engine_;
    MessageHandler showMessage_;
    IsoPathPrompt askIsoPath_;
    bool idle_ = true;
    bool writingDisc_ = false;
    int lastWriteStatus_ = -1; // of the running write, so a repeated status is logged once
    bool polling_ = false;

    QComboBox* driveCombo_ = nullptr;
    QLineEdit* labelEdit_ = nullptr;
    QComboBox* speedCombo_ = nullptr;
    QTreeWidget* logList_ = nullptr;
    QLabel* panel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* writeButton_ = nullptr;
    QPushButton* abortButton_ = nullptr;
    QPushButton* eraseButton_ = nullptr;
    QPushButton* ejectButton_ = nullptr;
    QPushButton* closeTrayButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* saveIsoButton_ = nullptr;
    QTimer* pollTimer_ = nullptr;
};

// Small pictures for the log lines and the drive list, drawn at run time.
QIcon logIcon(int icon);
QIcon driveIcon();

} // namespace discora
