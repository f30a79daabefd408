#pragma once
// The drop-down of a pick-list cell. It offers the row's values; a stored value that is not
// among them (a code a newer or damaged file holds, "False" of a row that only offers "True")
// is still shown, as a greyed entry at the end that cannot be picked again. When the box is too
// narrow for its text, its tooltip shows the whole of it.

#include <QComboBox>

namespace vantora {

class PickListBox : public QComboBox {
    Q_OBJECT

public:
    // `typed`: the box also takes typed text (its cell is validated when left).
    PickListBox(const QStringList& picks, bool typed, QWidget* parent = nullptr);

    // Shows `value`: its own entry when offered, else the value itself.
    void showValue(const QString& value);
    // True while the shown value is not one of the offered values.
    bool showsUnofferedValue() const;
    // The shown text when the box cannot show all of it, else nothing.
    QString hiddenText() const;

protected:
    bool event(QEvent* event) override;

private:
    void removeUnofferedEntry();

    int offeredCount_ = 0;
};

} // namespace vantora
