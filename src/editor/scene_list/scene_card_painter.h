#pragma once
// Draws one scene card of the scene list: the card itself (frame, thumbnail, length and name) and
// the marks the list puts on it (scene number, selection frame, drop-target line).

#include <QImage>
#include <QString>

class QPainter;
class QRect;

namespace vantora::scene_list {

struct SceneCard {
    const QImage* thumbnail = nullptr; // already the size of the thumbnail box; null draws none
    QRect thumbnailBox;                // card coordinates
    QString length;                    // "10.0s"
    QString name;                      // the text to show (underscores for an empty name)
    int number = 0;                    // 1-based place in the demo
    bool selected = false;
    bool dropTarget = false;
};

// Paints the card with its top-left corner at `card.topLeft()`; `card.size()` is the card size.
void PaintSceneCard(QPainter& painter, const QRect& card, const SceneCard& content);

} // namespace vantora::scene_list
