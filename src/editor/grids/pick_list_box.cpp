#include "editor/grids/pick_list_box.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStyleOptionComboBox>
#include <QToolTip>

namespace vantora {

PickListBox::PickListBox(const QStringList& picks, bool typed, QWidget* parent)
    : QComboBox(parent), offeredCount_(int(picks.size())) {
    addItems(picks);
    if (typed) {
        setEditable(true);
        setInsertPolicy(QComboBox::NoInsert);
    }
}

void PickListBox::removeUnofferedEntry() {
    while (count() > offeredCount_)
        removeItem(count() - 1);
}

void PickListBox::showValue(const QString& value) {
    removeUnofferedEntry();
    const int offered = findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (isEditable()) {
        // Typed text that names no entry stays as it is in the edit line.
        setCurrentIndex(offered);
        setEditText(value);
        return;
    }
    if (offered >= 0 || value.isEmpty()) {
        setCurrentIndex(offered);
        return;
    }
    addItem(value);
    if (auto* entries = qobject_cast<QStandardItemModel*>(model()))
        entries->item(count() - 1)->setEnabled(false); // shown, never chosen
    setCurrentIndex(count() - 1);
}

bool PickListBox::showsUnofferedValue() const {
    if (isEditable())
        return !currentText().isEmpty() && findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive) < 0;
    return currentIndex() >= offeredCount_;
}

QString PickListBox::hiddenText() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const QString text = currentText();
    return fontMetrics().horizontalAdvance(text) > field.width() ? text : QString();
}

bool PickListBox::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QComboBox::event(event);
    const QString hidden = hiddenText();
    if (hidden.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), hidden, this);
    return true;
}

} // namespace vantora
