#include "editor/canvas/scene_canvas.h"

#include "editor/document/editor_document.h"
#include "editor/document/editor_selection.h"
#include "model/demo.h"
#include "model/object_kind.h"
#include "render/object_render_cache.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vantora {
namespace {

Qt::CursorShape CursorFor(canvas::HoverShape shape) {
    using canvas::HoverShape;
    switch (shape) {
    case HoverShape::Move: return Qt::SizeAllCursor;
    case HoverShape::SizeNwSe: return Qt::SizeFDiagCursor;
    case HoverShape::SizeNs: return Qt::SizeVerCursor;
    case HoverShape::SizeNeSw: return Qt::SizeBDiagCursor;
    case HoverShape::SizeWe: return Qt::SizeHorCursor;
    case HoverShape::PointerTip: return Qt::UpArrowCursor;
    case HoverShape::Arrow: break;
    }
    return Qt::ArrowCursor;
}

bool AffectsCursorPath(const TDemoObject* object) { return object && object->Kind == TObjectKind::Cursor; }

} // namespace

SceneCanvas::SceneCanvas(EditorDocument& document, QWidget* parent)
    : QFrame(parent), document_(document), interaction_(document),
      inPlaceText_(new canvas::InPlaceTextEditor(document, this)) {
    setObjectName(QStringLiteral("Canvas"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&document_, &EditorDocument::modelChanged, this, &SceneCanvas::onModelChange);
    connect(&document_, &EditorDocument::selectionChanged, this, &SceneCanvas::onSelectionChanged);
    connect(&document_, &EditorDocument::currentSceneChanged, this, [this] { resetScene(); });
    connect(&document_, &EditorDocument::demoReset, this, [this] { resetScene(); });
    resetScene();
}

// An open edit box is dropped, not stored: the document may be going away too.
SceneCanvas::~SceneCanvas() { inPlaceText_->cancel(); }

QSize SceneCanvas::sceneSize() const { return QSize(document_.demo().Width, document_.demo().Height); }

ObjectRenderCache& SceneCanvas::pictures() { return document_.renderCache(); }

bool SceneCanvas::isSelected(const TDemoObject* object) const { return document_.selection().isSelected(object); }

void SceneCanvas::setGrid(const canvas::GridSettings& grid) {
    interaction_.setGrid(grid);
    repaintAll();
}

void SceneCanvas::setZoom(double zoom) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == zoom_)
        return;
    inPlaceText_->commit(); // the box sits where the object was at the old zoom
    zoom_ = zoom;
    updateSize();
    repaintAll();
}

void SceneCanvas::zoomIn() { setZoom(zoom_ * 2); }
void SceneCanvas::zoomOut() { setZoom(zoom_ / 2); }

void SceneCanvas::fitInto(QSize space) {
    const QSize size = sceneSize();
    if (size.width() <= 0 || size.height() <= 0)
        return;
    const double across = double(space.width() - 2 * kFrameWidth) / size.width();
    const double down = double(space.height() - 2 * kFrameWidth) / size.height();
    setZoom(std::min({1.0, across, down}));
}

QPoint SceneCanvas::scenePoint(QPoint widgetPosition) const {
    return QPoint(int(std::floor((widgetPosition.x() - kFrameWidth) / zoom_)),
                  int(std::floor((widgetPosition.y() - kFrameWidth) / zoom_)));
}

QRect SceneCanvas::widgetRect(const QRect& sceneRect) const {
    const QRectF scaled(sceneRect.x() * zoom_ + kFrameWidth, sceneRect.y() * zoom_ + kFrameWidth,
                        sceneRect.width() * zoom_, sceneRect.height() * zoom_);
    return scaled.toAlignedRect().adjusted(-1, -1, 1, 1);
}

QRegion SceneCanvas::takePendingRepaint() {
    QRegion pending = pending_;
    pending_ = QRegion();
    return pending;
}

void SceneCanvas::resetScene() {
    inPlaceText_->cancel(); // its object may be gone with the scene
    background_.invalidate();
    drawnExtents_.clear();
    // Everything is drawn again with the selection as it is now, handles included: forgetting
    // it would leave the handles of objects deselected later on the screen.
    drawnSelection_.clear();
    for (TDemoObject* object : document_.selectedObjects())
        drawnSelection_.push_back(object);
    setVisible(document_.currentScene() != nullptr);
    updateSize();
    repaintAll();
}

void SceneCanvas::updateSize() {
    const QSize size = sceneSize();
    setFixedSize(int(std::ceil(std::max(0, size.width()) * zoom_)) + 2 * kFrameWidth,
                 int(std::ceil(std::max(0, size.height()) * zoom_)) + 2 * kFrameWidth);
}

QRect SceneCanvas::objectExtent(const TDemoObject& object) {
    return canvas::SelectionExtent(object) | canvas::DrawnRect(object, pictures());
}

void SceneCanvas::repaintScene(const QRect& sceneRect) {
    const QRect area = widgetRect(sceneRect) & rect();
    if (area.isEmpty())
        return;
    pending_ += area;
    update(area);
}

std::vector<canvas::CursorPathSegment> SceneCanvas::currentPath() const {
    const TDemoFrame* scene = document_.currentScene();
    if (!scene)
        return {};
    return canvas::CursorPath(*scene, [this](const TDemoObject* object) { return isSelected(object); });
}

void SceneCanvas::repaintChangedPath() {
    std::vector<canvas::CursorPathSegment> now = currentPath();
    const std::size_t count = std::max(now.size(), drawnPath_.size());
    for (std::size_t i = 0; i < count; ++i) {
        const bool inNow = i < now.size(), inDrawn = i < drawnPath_.size();
        if (inNow && inDrawn && now[i] == drawnPath_[i])
            continue;
        if (inDrawn)
            repaintScene(canvas::SegmentExtent(drawnPath_[i]));
        if (inNow)
            repaintScene(canvas::SegmentExtent(now[i]));
    }
    drawnPath_ = std::move(now);
}

void SceneCanvas::repaintAll() {
    drawnPath_ = currentPath();
    drawnExtents_.clear();
    if (const TDemoFrame* scene = document_.currentScene())
        for (const auto& object : scene->Objects)
            drawnExtents_[object.get()] = objectExtent(*object);
    pending_ += rect();
    update();
}

void SceneCanvas::repaintObject(const TDemoObject* object) {
    const auto drawn = drawnExtents_.find(object);
    if (drawn != drawnExtents_.end())
        repaintScene(drawn->second);
    const QRect now = objectExtent(*object);
    drawnExtents_[object] = now;
    repaintScene(now);
}

void SceneCanvas::onModelChange(const ModelChange& change) {
    const TDemoFrame* scene = document_.currentScene();
    switch (change.kind) {
    case ModelChangeKind::DemoSettings:
        background_.invalidate();
        updateSize();
        repaintAll();
        return;
    case ModelChangeKind::ObjectChanged:
        if (!scene || change.scene != scene || !change.object)
            return;
        repaintObject(change.object);
        if (AffectsCursorPath(change.object))
            repaintChangedPath();
        return;
    case ModelChangeKind::ObjectRemoved:
        if (change.scene == scene)
            repaintAll();
        if (change.object == inPlaceText_->object())
            inPlaceText_->cancel();
        return;
    case ModelChangeKind::SceneChanged:
        if (change.scene == scene) {
            background_.invalidate();
            repaintAll();
        }
        return;
    case ModelChangeKind::ObjectAdded:
    case ModelChangeKind::ObjectsReordered:
        if (change.scene == scene)
            repaintAll();
        return;
    default: return;
    }
}

void SceneCanvas::onSelectionChanged() {
    std::vector<const TDemoObject*> now;
    for (TDemoObject* object : document_.selectedObjects())
        now.push_back(object);
    const TDemoFrame* scene = document_.currentScene();
    if (!scene) {
        drawnSelection_ = now;
        repaintAll();
        return;
    }
    // Only objects whose handles appear or go need drawing again.
    for (const auto& object : scene->Objects) {
        const bool was = std::find(drawnSelection_.begin(), drawnSelection_.end(), object.get()) != drawnSelection_.end();
        if (was != isSelected(object.get()))
            repaintObject(object.get());
    }
    drawnSelection_ = now;
    repaintChangedPath(); // a segment is solid after a selected cursor
}

void SceneCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect whole = rect();
    // The 3-pixel frame round the scene.
    painter.fillRect(whole, QColor(0x80, 0x80, 0x80));
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawRect(whole.adjusted(0, 0, -1, -1));
    const TDemoFrame* scene = document_.currentScene();
    const QSize size = sceneSize();
    if (!scene || size.isEmpty())
        return;
    painter.translate(kFrameWidth, kFrameWidth);
    painter.scale(zoom_, zoom_);
    const QRect sceneRect(QPoint(0, 0), size);
    painter.setClipRect(sceneRect);
    const QRect area =
        painter.transform().inverted().mapRect(QRectF(event->rect())).toAlignedRect().adjusted(-1, -1, 1, 1) &
        sceneRect;
    background_.paint(painter, *scene, size, interaction_.grid(), area);
    objects_.paint(painter, *scene, pictures(), area);
    const auto selected = [this](const TDemoObject* object) { return isSelected(object); };
    cursorPath_.paint(painter, *scene, selected);
    selection_.paint(painter, *scene, selected, area);
    if (const std::optional<QRect> band = interaction_.rubberBand())
        selection_.paintRubberBand(painter, *band);
}

void SceneCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    emit canvasPressed();
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    if (interaction_.press(scenePoint(event->position().toPoint()), ctrl))
        emit toolFinished();
}

void SceneCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = scenePoint(event->position().toPoint());
    if (!event->buttons().testFlag(Qt::LeftButton)) {
        updateHoverCursor(point);
        return;
    }
    const std::optional<QRect> bandBefore = interaction_.rubberBand();
    interaction_.drag(point);
    const std::optional<QRect> bandAfter = interaction_.rubberBand();
    if (bandBefore != bandAfter) {
        // The band's outline sits on its own edge pixels.
        if (bandBefore)
            repaintScene(bandBefore->adjusted(-1, -1, 2, 2));
        if (bandAfter)
            repaintScene(bandAfter->adjusted(-1, -1, 2, 2));
    }
}

void SceneCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QFrame::mouseReleaseEvent(event);
        return;
    }
    const std::optional<QRect> band = interaction_.rubberBand();
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    interaction_.release(scenePoint(event->position().toPoint()), ctrl);
    if (band)
        repaintScene(band->adjusted(-1, -1, 2, 2));
}

void SceneCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint point = scenePoint(event->position().toPoint());
        TDemoObject* object = objectAt(point);
        if (object && inPlaceText_->open(*object, widgetRect(canvas::PixelRect(*object)), zoom_))
            return;
    }
    QFrame::mouseDoubleClickEvent(event); // a press like any other
}

TDemoObject* SceneCanvas::objectAt(QPoint point) const {
    const TDemoFrame* scene = document_.currentScene();
    if (!scene)
        return nullptr;
    for (auto it = scene->Objects.rbegin(); it != scene->Objects.rend(); ++it)
        if (canvas::RectangleContains(**it, point))
            return it->get();
    return nullptr;
}

void SceneCanvas::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    const int stepX = shift ? std::max(1, interaction_.grid().x) : 1;
    const int stepY = shift ? std::max(1, interaction_.grid().y) : 1;
    int dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Left: dx = -stepX; break;
    case Qt::Key_Right: dx = stepX; break;
    case Qt::Key_Up: dy = -stepY; break;
    case Qt::Key_Down: dy = stepY; break;
    default: QFrame::keyPressEvent(event); return;
    }
    if (document_.selectedObjects().empty()) {
        QFrame::keyPressEvent(event);
        return;
    }
    interaction_.nudge(dx, dy, event->isAutoRepeat());
    event->accept();
}

void SceneCanvas::updateHoverCursor(QPoint point) { setCursor(CursorFor(interaction_.hoverShape(point))); }

} // namespace vantora
