#pragma once
// A drop-down list of the named colours, each with a swatch and its display name, optionally with
// a "Custom..." entry that opens the system colour dialog. A colour that has no name is shown on
// the custom entry (or, without one, selects nothing).

#include "dialogs/user_prompts.h"
#include "model/colour.h"

#include <QComboBox>

namespace vantora {

class TColorBox : public QComboBox {
    Q_OBJECT
public:
    enum class CustomEntry { Offered, None };

    TColorBox(UserPrompts& prompts, CustomEntry custom, QWidget* parent = nullptr);

    TColor colour() const { return colour_; }
    // Selects the colour without reporting a choice.
    void setColour(TColor colour);

    static constexpr const char* kCustomCaption = "Custom...";

signals:
    // The user chose a colour from the list or through the custom entry.
    void colourChosen(TColor colour);

private:
    void onActivated(int index);
    void showCustomColour(TColor colour);
    int indexOfNamed(TColor colour) const;

    UserPrompts& prompts_;
    bool hasCustomEntry_;
    TColor colour_ = clWhite;
};

// A small square of the colour with a dark frame, for list entries.
QIcon ColourSwatch(TColor colour);

} // namespace vantora
