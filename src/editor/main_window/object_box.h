#pragma once
// The object box above the grids: item 0 is the current scene, then one item per object in
// drawing order, each drawn with its icon, its name and its kind in grey. The picked item follows
// the selection: one selected object picks it, none picks the scene, several pick no item.

#include <QComboBox>

#include <vector>

namespace vantora {

struct TDemoFrame;
struct TDemoObject;

// The roles the box's items carry besides the name (display) and the icon (decoration).
enum ObjectBoxRole : int {
    kObjectBoxKindRole = Qt::UserRole + 1, // "Scene" or the object's kind name
    kObjectBoxIsSceneRole,
};

// Where an entry's name starts and where its grey "[kind]" starts, for a name `nameWidth` wide.
int ObjectBoxIconX(bool isScene);
int ObjectBoxNameX(bool isScene);
int ObjectBoxKindX(bool isScene, int nameWidth);

// Refills `box` for the scene (empty without one) and picks the item the selection names.
void FillObjectBox(QComboBox& box, const TDemoFrame* scene, const std::vector<TDemoObject*>& selected);

class ObjectBox : public QComboBox {
public:
    explicit ObjectBox(QWidget* parent = nullptr);

    // The list opens at least as wide as its widest entry, so that long kinds are not cut.
    void showPopup() override;

protected:
    // The closed box shows its picked entry the way the drop-down list draws it.
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vantora
