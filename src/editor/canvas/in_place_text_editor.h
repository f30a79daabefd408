#pragma once
// The edit box a double click opens over a text-carrying object on the canvas. A one-line box
// ends with Enter, a several-line box with Ctrl+Enter; leaving it ends it too, and Escape takes
// it back. The text reaches the model through the document as one undoable step.

#include <QObject>
#include <QRect>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace vantora {

class EditorDocument;
struct TDemoObject;

namespace canvas {

class InPlaceTextEditor : public QObject {
    Q_OBJECT

public:
    InPlaceTextEditor(EditorDocument& document, QWidget* canvas);

    // Opens a box for `object` (of the current scene) over `area`, in the object's font scaled by
    // `zoom`. False for objects whose text is not edited in place.
    bool open(TDemoObject& object, const QRect& area, double zoom);
    bool isOpen() const { return object_ != nullptr; }
    const TDemoObject* object() const { return object_; }
    // The edit box while open (a QLineEdit or a QPlainTextEdit), else null.
    QWidget* box() const;
    // Ends the edit and stores the text when it changed.
    void commit();
    // Ends the edit and leaves the object as it was.
    void cancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString boxText() const;
    void close();

    EditorDocument& document_;
    QWidget* canvas_;
    TDemoObject* object_ = nullptr;
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* lines_ = nullptr;
};

} // namespace canvas
} // namespace vantora
