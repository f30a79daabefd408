#include "editor/canvas/in_place_text_editor.h"

#include "editor/canvas/in_place_text.h"
#include "editor/document/editor_document.h"
#include "editor/grids/grid_font.h"
#include "model/demo_object.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

namespace vantora::canvas {
namespace {

// A box never smaller than this, so that a tiny label still shows what is typed.
constexpr int kMinimumBoxWidth = 80;

QFont BoxFont(const TDemoObject& object, double zoom) {
    QFont font = ToQFont(object.Font);
    font.setPointSizeF(std::max(1.0, font.pointSizeF() * zoom));
    return font;
}

} // namespace

InPlaceTextEditor::InPlaceTextEditor(EditorDocument& document, QWidget* canvas)
    : QObject(canvas), document_(document), canvas_(canvas) {}

QWidget* InPlaceTextEditor::box() const {
    if (line_)
        return line_;
    return lines_;
}

bool InPlaceTextEditor::open(TDemoObject& object, const QRect& area, double zoom) {
    const InPlaceText style = InPlaceTextOf(object.Kind);
    if (style == InPlaceText::None)
        return false;
    close();
    object_ = &object;
    QRect place = area;
    place.setWidth(std::max(place.width(), kMinimumBoxWidth));
    if (style == InPlaceText::SingleLine) {
        line_ = new QLineEdit(ShownText(object.Text), canvas_);
        line_->setFont(BoxFont(object, zoom));
        place.setHeight(std::max(place.height(), line_->sizeHint().height()));
        line_->selectAll();
    } else {
        lines_ = new QPlainTextEdit(ShownText(object.Text), canvas_);
        lines_->setFont(BoxFont(object, zoom));
        lines_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        place.setHeight(std::max(place.height(), 3 * lines_->fontMetrics().height()));
        lines_->selectAll();
    }
    box()->setObjectName(QStringLiteral("InPlaceText"));
    box()->setGeometry(place);
    box()->installEventFilter(this);
    box()->show();
    box()->setFocus(Qt::OtherFocusReason);
    return true;
}

QString InPlaceTextEditor::boxText() const {
    if (line_)
        return line_->text();
    return lines_ ? lines_->toPlainText() : QString();
}

void InPlaceTextEditor::commit() {
    if (!object_)
        return;
    TDemoObject* object = object_;
    const std::string text = StoredText(boxText());
    close();
    if (text != object->Text)
        document_.applyTextBody(document_.subjectFor(object), text);
}

void InPlaceTextEditor::cancel() { close(); }

void InPlaceTextEditor::close() {
    QWidget* closing = box();
    object_ = nullptr;
    line_ = nullptr;
    lines_ = nullptr;
    if (!closing)
        return;
    closing->removeEventFilter(this);
    closing->hide(); // may move the focus away: the box is already forgotten
    closing->deleteLater();
    if (canvas_->isVisible())
        canvas_->setFocus(Qt::OtherFocusReason);
}

bool InPlaceTextEditor::eventFilter(QObject* watched, QEvent* event) {
    if (!object_ || watched != box())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        // A menu or a pop-up taking the focus for a moment does not end the edit.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason)
            commit();
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool ends = enter && (line_ || key->modifiers().testFlag(Qt::ControlModifier));
    const bool escape = key->key() == Qt::Key_Escape;
    if (!ends && !escape)
        return QObject::eventFilter(watched, event);
    event->accept();
    if (event->type() == QEvent::ShortcutOverride)
        return true; // the keys belong to the box, not to window shortcuts
    if (ends)
        commit();
    else
        cancel();
    return true;
}

} // namespace vantora::canvas
