#include "editor/main_window/object_box.h"

#include "editor/main_window/tool_bar_icons.h"
#include "model/demo_frame.h"
#include "model/object_kind.h"
#include "model/object_operations.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include <algorithm>

namespace vantora {
namespace {

constexpr int kIconSide = 16;
const QColor kKindGrey(128, 128, 128);

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString KindCaption(const QModelIndex& index) {
    return QLatin1Char('[') + index.data(kObjectBoxKindRole).toString() + QLatin1Char(']');
}

// One entry inside `rect`: icon, name in `nameColour`, then the kind in grey.
void PaintEntry(QPainter& painter, const QRect& rect, const QModelIndex& index, const QColor& nameColour) {
    const bool isScene = index.data(kObjectBoxIsSceneRole).toBool();
    const QString name = index.data(Qt::DisplayRole).toString();
    const QIcon icon = qvariant_cast<QIcon>(index.data(Qt::DecorationRole));
    const QFontMetrics metrics(painter.font());
    const int nameX = rect.left() + ObjectBoxNameX(isScene);
    const int kindX = rect.left() + ObjectBoxKindX(isScene, metrics.horizontalAdvance(name));
    if (!icon.isNull())
        icon.paint(&painter, QRect(rect.left() + ObjectBoxIconX(isScene),
                                   rect.top() + (rect.height() - kIconSide) / 2, kIconSide, kIconSide));
    painter.setPen(nameColour);
    painter.drawText(QRect(nameX, rect.top(), std::max(0, kindX - nameX), rect.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, name);
    painter.setPen(kKindGrey);
    painter.drawText(QRect(kindX, rect.top(), std::max(0, rect.right() + 1 - kindX), rect.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, KindCaption(index));
}

class ObjectBoxDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem panel = option;
        initStyleOption(&panel, index);
        panel.text.clear();
        panel.icon = QIcon();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        painter->save();
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &panel, painter, widget);
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        painter->setFont(option.font);
        PaintEntry(*painter, option.rect, index,
                   option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QFontMetrics metrics(option.font);
        const bool isScene = index.data(kObjectBoxIsSceneRole).toBool();
        const int nameWidth = metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString());
        const int width = ObjectBoxKindX(isScene, nameWidth) + metrics.horizontalAdvance(KindCaption(index)) + 8;
        return QSize(width, std::max(kIconSide + 2, metrics.height() + 4));
    }
};

} // namespace

// The scene sits at the left edge; its objects are indented under it.
int ObjectBoxIconX(bool isScene) { return isScene ? 0 : 8; }
int ObjectBoxNameX(bool isScene) { return isScene ? 18 : 26; }
int ObjectBoxKindX(bool isScene, int nameWidth) {
    return isScene ? 30 + std::max(nameWidth, 58) : 38 + std::max(nameWidth, 50);
}

void FillObjectBox(QComboBox& box, const TDemoFrame* scene, const std::vector<TDemoObject*>& selected) {
    box.clear();
    if (!scene)
        return;
    box.addItem(SceneIcon(), QString::fromStdString(scene->Name));
    box.setItemData(0, QStringLiteral("Scene"), kObjectBoxKindRole);
    box.setItemData(0, true, kObjectBoxIsSceneRole);
    for (const auto& object : scene->Objects) {
        const int item = box.count();
        box.addItem(ObjectKindIcon(object->Kind), QString::fromStdString(object->Name));
        box.setItemData(item, Text(ObjectKindName(object->Kind)), kObjectBoxKindRole);
        box.setItemData(item, false, kObjectBoxIsSceneRole);
    }
    if (selected.empty())
        box.setCurrentIndex(0);
    else if (selected.size() == 1 && IndexOfObject(*scene, selected.front()) < scene->Objects.size())
        box.setCurrentIndex(static_cast<int>(IndexOfObject(*scene, selected.front())) + 1);
    else
        box.setCurrentIndex(-1);
}

ObjectBox::ObjectBox(QWidget* parent) : QComboBox(parent) {
    setIconSize(QSize(kIconSide, kIconSide));
    setItemDelegate(new ObjectBoxDelegate(this));
}

void ObjectBox::showPopup() {
    QAbstractItemView* list = view();
    const int frame = 2 * list->frameWidth() + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    list->setMinimumWidth(list->sizeHintForColumn(0) + frame);
    QComboBox::showPopup();
}

void ObjectBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0)
        return;
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.setClipRect(field);
    const QModelIndex index = model()->index(currentIndex(), modelColumn(), rootModelIndex());
    PaintEntry(painter, field, index, palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
}

} // namespace vantora
