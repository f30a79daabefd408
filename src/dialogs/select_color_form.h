#pragma once
// "Color Editor": picks a colour from the palette picture, the named colours or the system colour
// dialog, showing the new colour beside the current one.

#include "dialogs/colour_palette.h"
#include "dialogs/dialog_driver.h"
#include "dialogs/user_prompts.h"

#include <QDialog>
#include <QWidget>

class QLabel;

namespace vantora {

class TColorBox;

// The palette picture with the marker of the chosen colour; a click reports the colour under it.
class TPaletteView : public QWidget {
    Q_OBJECT
public:
    explicit TPaletteView(QWidget* parent = nullptr);

    void setMarker(std::optional<PaletteMarker> marker);
    const std::optional<PaletteMarker>& marker() const { return marker_; }

signals:
    void colourClicked(TColor colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::optional<PaletteMarker> marker_;
};

class TSelectColorForm : public QDialog {
    Q_OBJECT
public:
    TSelectColorForm(TColor initial, UserPrompts& prompts, QWidget* parent = nullptr);

    TColor colour() const { return colour_; }
    // Shows a colour as the chosen one: colour box, "New" panel, hex text and palette marker.
    void showColour(TColor colour);

private:
    void chooseCustom();

    UserPrompts& prompts_;
    TColor colour_;
    TPaletteView* palette_;
    TColorBox* colourBox_;
    QLabel* newPanel_;
    QLabel* hexLabel_;
};

// True only when "&OK" closed the dialog and the colour differs from the initial one; then it is set.
bool RunSelectColorForm(TColor& colour, QWidget* parent, UserPrompts& prompts = SystemPrompts(),
                        const DialogDriver& drive = ExecDialog);

} // namespace vantora
