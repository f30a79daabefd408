#pragma once
// Controls that the "Create New Demo" and "Demo Properties" dialogs share: the size spin edits and
// the frames-per-second group.

#include <QGroupBox>

#include <cstdint>
#include <initializer_list>

class QRadioButton;
class QSpinBox;

namespace vantora {

// A spin edit for a movie width or height: 1..9999, so at most four digits.
QSpinBox* MakeDemoSizeEdit(int value, QWidget* parent);

// Chains the tab order through the widgets in the order given.
void SetTabChain(std::initializer_list<QWidget*> widgets);

// Radio buttons "10", "20", "40" for the frame-rate factors 1, 2, 4.
class TFrameRateGroup : public QGroupBox {
    Q_OBJECT
public:
    TFrameRateGroup(const QString& title, QWidget* parent);

    // The factor of the checked button, or `whenNone` when no button is checked.
    std::int32_t factor(std::int32_t whenNone) const;
    // Checks the button of the factor; any other value checks none.
    void setFactor(std::int32_t factor);

    QRadioButton* button(std::int32_t factor) const;

signals:
    void clicked();

private:
    QRadioButton* buttons_[3] = {};
};

} // namespace vantora
