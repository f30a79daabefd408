#pragma once
// The canvas widget: the current scene at the demo's size inside a 3-pixel frame, scaled by the
// zoom (1:1 unless asked). It composes the painters, turns mouse and key events into scene
// coordinates for the interaction, and repaints only the parts that changed.

#include "editor/canvas/background_painter.h"
#include "editor/canvas/canvas_interaction.h"
#include "editor/canvas/cursor_path_painter.h"
#include "editor/canvas/in_place_text_editor.h"
#include "editor/canvas/object_painter.h"
#include "editor/canvas/selection_painter.h"

#include <QFrame>

#include <unordered_map>

namespace vantora {

class EditorDocument;
class ObjectRenderCache;
struct ModelChange;

class SceneCanvas : public QFrame {
    Q_OBJECT

public:
    static constexpr int kFrameWidth = 3;
    static constexpr double kMinZoom = 0.125;
    static constexpr double kMaxZoom = 8.0;

    explicit SceneCanvas(EditorDocument& document, QWidget* parent = nullptr);
    ~SceneCanvas() override;

    canvas::CanvasInteraction& interaction() { return interaction_; }
    // The edit box a double click on a text-carrying object opens.
    canvas::InPlaceTextEditor& inPlaceText() { return *inPlaceText_; }
    // The object pictures it draws: the document's render cache.
    ObjectRenderCache& pictures();

    void setGrid(const canvas::GridSettings& grid);
    const canvas::GridSettings& grid() const { return interaction_.grid(); }
    void setTool(std::optional<TObjectKind> tool) { interaction_.setTool(tool); }

    double zoom() const { return zoom_; }
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();
    void actualSize() { setZoom(1.0); }
    // The largest zoom (never above 1:1) at which the scene and its frame fit into `space`.
    void fitInto(QSize space);

    // The scene point under a widget position, and the widget rectangle of a scene rectangle.
    QPoint scenePoint(QPoint widgetPosition) const;
    QRect widgetRect(const QRect& sceneRect) const;

    // Takes the widget area waiting to be repainted since the last call (for measurements).
    QRegion takePendingRepaint();

    // The scene, its size or the demo changed wholesale: drop the pictures and show it afresh.
    void resetScene();

signals:
    // A press added an object and pressed the select tool again.
    void toolFinished();
    // The mouse went down on the canvas (the window moves focus and refreshes its views).
    void canvasPressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onModelChange(const ModelChange& change);
    void onSelectionChanged();
    void repaintScene(const QRect& sceneRect);
    void repaintObject(const TDemoObject* object);
    void repaintAll();
    // Repaints the cursor path segments that differ from the drawn ones.
    void repaintChangedPath();
    std::vector<canvas::CursorPathSegment> currentPath() const;
    QRect objectExtent(const TDemoObject& object);
    void updateSize();
    void updateHoverCursor(QPoint scenePoint);
    QSize sceneSize() const;
    bool isSelected(const TDemoObject* object) const;
    // The topmost object of the current scene whose pixels hold the scene point, or null.
    TDemoObject* objectAt(QPoint point) const;

    EditorDocument& document_;
    canvas::CanvasInteraction interaction_;
    canvas::BackgroundPainter background_;
    canvas::ObjectPainter objects_;
    canvas::CursorPathPainter cursorPath_;
    canvas::SelectionPainter selection_;
    canvas::InPlaceTextEditor* inPlaceText_;
    double zoom_ = 1.0;
    std::optional<QRect> drawnBand_;
    // Where each object was last drawn (frame, handles and picture), to repaint its old place.
    std::unordered_map<const TDemoObject*, QRect> drawnExtents_;
    std::vector<const TDemoObject*> drawnSelection_;
    std::vector<canvas::CursorPathSegment> drawnPath_;
    QRegion pending_;
};

} // namespace vantora
