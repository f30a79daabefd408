#include "dialogs/radio_tab_stop.h"

#include <QRadioButton>

#include <algorithm>

namespace vantora {
namespace {

void MoveTabStop(const std::vector<QRadioButton*>& buttons) {
    const bool anyChecked = std::any_of(buttons.begin(), buttons.end(), [](auto* b) { return b->isChecked(); });
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const bool stop = buttons[i]->isChecked() || (!anyChecked && i == 0);
        buttons[i]->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

} // namespace

void KeepTabStopOnCheckedButton(const std::vector<QRadioButton*>& buttons) {
    for (QRadioButton* button : buttons)
        QObject::connect(button, &QRadioButton::toggled, button, [buttons] { MoveTabStop(buttons); });
    MoveTabStop(buttons);
}

} // namespace vantora
