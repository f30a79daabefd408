#pragma once
// The scene list's thumbnails (editor state): each scene composed at the demo's size without the
// grid and stretched into its card's thumbnail box. A thumbnail is kept until a change reaches its
// own scene (done, undone or redone alike), so one edit re-renders one card, not the list.

#include "editor/canvas/object_painter.h"
#include "editor/scene_list/scene_card_geometry.h"
#include "model/demo_frame.h"

#include <QImage>
#include <QObject>

#include <unordered_map>

namespace vantora {

class EditorDocument;
struct ModelChange;

class SceneThumbnails : public QObject {
    Q_OBJECT

public:
    explicit SceneThumbnails(EditorDocument& document, QSize card = scene_list::kCardSize, QObject* parent = nullptr);

    // The scene's thumbnail, rendered first when missing or stale. Null when the demo size cannot
    // be drawn.
    const QImage& thumbnail(const TDemoFrame& scene);
    // Where the thumbnail goes on the card for the current demo size.
    QRect thumbnailBox() const;

    // How often this scene has been composed since it joined the demo (for the tests of caching).
    int renderCount(const TDemoFrame* scene) const;
    bool isCurrent(const TDemoFrame* scene) const;

signals:
    // Something the scene's card shows changed (its picture, name or length): repaint that card.
    void cardChanged(const vantora::TDemoFrame* scene);
    // Every card looks different (a new demo, another demo size).
    void allCardsChanged();

private:
    struct Entry {
        QImage picture;
        bool current = false;
        int renders = 0;
    };

    void onModelChange(const ModelChange& change);
    void markStale(const TDemoFrame* scene);
    void clear();
    QImage render(const TDemoFrame& scene);

    EditorDocument& document_;
    QSize card_;
    std::unordered_map<const TDemoFrame*, Entry> entries_;
    canvas::ObjectPainter objectPainter_;
};

} // namespace vantora
