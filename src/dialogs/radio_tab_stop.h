#pragma once
// Tab enters a row of radio buttons at the checked one, as desktop dialogs do: only that button
// (the first when none is checked) is a Tab stop, so Space there cannot change the choice by
// surprise; the arrow keys still move within the row.

#include <vector>

class QRadioButton;

namespace vantora {

// Keeps the Tab stop of `buttons` on the checked one from now on, whenever the check moves.
void KeepTabStopOnCheckedButton(const std::vector<QRadioButton*>& buttons);

} // namespace vantora
