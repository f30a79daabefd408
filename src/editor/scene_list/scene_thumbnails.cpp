#include "editor/scene_list/scene_thumbnails.h"

#include "editor/canvas/background_painter.h"
#include "editor/document/editor_document.h"
#include "model/demo.h"
#include "model/model_change.h"
#include "render/render_limits.h"

#include <QPainter>

namespace vantora {
namespace {

// Changes after which the scene looks different; the others (timing, names, stop points,
// animation) leave the picture as it is.
bool ChangesPicture(ModelChangeKind kind) {
    switch (kind) {
    case ModelChangeKind::SceneChanged:
    case ModelChangeKind::ObjectAdded:
    case ModelChangeKind::ObjectRemoved:
    case ModelChangeKind::ObjectsReordered:
    case ModelChangeKind::ObjectChanged: return true;
    default: return false;
    }
}

} // namespace

SceneThumbnails::SceneThumbnails(EditorDocument& document, QSize card, QObject* parent)
    : QObject(parent), document_(document), card_(card) {
    connect(&document_, &EditorDocument::modelChanged, this, &SceneThumbnails::onModelChange);
    connect(&document_, &EditorDocument::demoReset, this, [this] {
        clear();
        emit allCardsChanged();
    });
}

QRect SceneThumbnails::thumbnailBox() const {
    return scene_list::ThumbnailBox(card_, document_.demo().Width, document_.demo().Height);
}

const QImage& SceneThumbnails::thumbnail(const TDemoFrame& scene) {
    Entry& entry = entries_[&scene];
    if (!entry.current) {
        entry.picture = render(scene);
        entry.current = true;
        ++entry.renders;
    }
    return entry.picture;
}

int SceneThumbnails::renderCount(const TDemoFrame* scene) const {
    const auto found = entries_.find(scene);
    return found == entries_.end() ? 0 : found->second.renders;
}

bool SceneThumbnails::isCurrent(const TDemoFrame* scene) const {
    const auto found = entries_.find(scene);
    return found != entries_.end() && found->second.current;
}

void SceneThumbnails::onModelChange(const ModelChange& change) {
    switch (change.kind) {
    case ModelChangeKind::DemoSettings:
        // The size may have changed: every picture and box is drawn again.
        for (auto& [scene, entry] : entries_)
            entry.current = false;
        emit allCardsChanged();
        return;
    case ModelChangeKind::SceneAdded:
    case ModelChangeKind::SceneRemoved:
        // A scene coming or going may reuse a freed scene's address: nothing kept under it is
        // trusted (the document's render cache forgets its objects' pictures).
        entries_.erase(change.scene);
        emit allCardsChanged();
        return;
    case ModelChangeKind::ScenesReordered: emit allCardsChanged(); return;
    default: break; // object pictures: the document's render cache follows the change itself
    }
    if (!change.scene)
        return;
    if (ChangesPicture(change.kind))
        markStale(change.scene);
    emit cardChanged(change.scene);
}

void SceneThumbnails::markStale(const TDemoFrame* scene) {
    const auto found = entries_.find(scene);
    if (found != entries_.end())
        found->second.current = false;
}

void SceneThumbnails::clear() {
    entries_.clear();
}

QImage SceneThumbnails::render(const TDemoFrame& scene) {
    const TVantora& demo = document_.demo();
    const QRect box = thumbnailBox();
    if (box.isEmpty() || !IsRenderableSize(demo.Width, demo.Height))
        return {};
    // The scene as the canvas shows it, at full size and without the grid, then stretched.
    const QSize size(demo.Width, demo.Height);
    const QRect whole(QPoint(0, 0), size);
    QImage full(size, QImage::Format_ARGB32);
    {
        QPainter painter(&full);
        canvas::BackgroundPainter background;
        canvas::GridSettings noGrid;
        noGrid.show = false;
        background.paint(painter, scene, size, noGrid, whole);
        objectPainter_.paint(painter, scene, document_.renderCache(), whole);
    }
    return full.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace vantora
