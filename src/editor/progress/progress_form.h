#pragma once
// The one progress window: caption "Progress", a label and a bar. Loading, saving and building
// open it with a label text and a range and advance it position by position; at most one is open.

#include <QDialog>

class QLabel;
class QProgressBar;

namespace vantora {

class TProgressForm : public QDialog {
public:
    // Opens the window over `parent` (closing one that is still open).
    TProgressForm(QWidget* parent, const QString& label, int maximum, int position = 0);
    ~TProgressForm() override;

    // Moves the bar and lets the window repaint (but runs no user input meanwhile).
    void setPosition(int position);

    QString labelText() const;
    int position() const;
    int maximum() const;

    // The open progress window, or null.
    static TProgressForm* Current();

private:
    QLabel* label_;
    QProgressBar* bar_;
};

} // namespace vantora
