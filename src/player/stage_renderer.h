#pragma once
// Paints a running movie with QPainter: shapes with solid, gradient and bitmap fills and their
// lines, static and field texts, buttons in their current state and sprites, in depth order, with
// the placements' matrices and colour transforms and clip layers (masks).

#include "player/clip_instance.h"
#include "player/movie_definition.h"

#include <QImage>
#include <QPainter>

#include <map>
#include <tuple>

namespace player {

class StageRenderer {
public:
    explicit StageRenderer(const MovieDefinition& movie) : movie_(movie) {}

    // Paints `root` with `stageToDevice` mapping twips to the painter's device.
    void Paint(QPainter& painter, const ClipInstance& root, const QTransform& stageToDevice);

    // The shapes of a button's hit state contain `local` (twips in the button's space).
    bool ButtonHit(const ButtonDef& button, QPointF local) const;

private:
    void PaintClip(QPainter& p, const ClipInstance& clip, const QTransform& t, const ColorTransform& cx);
    void PaintObject(QPainter& p, const DisplayObject& object, const QTransform& t, const ColorTransform& cx);
    void PaintCharacter(QPainter& p, const Character& c, const QTransform& t, const ColorTransform& cx, uint8_t buttonState);
    void PaintShape(QPainter& p, const ShapeDef& shape, const QTransform& t, const ColorTransform& cx);
    void PaintText(QPainter& p, const TextDef& text, const QTransform& t, const ColorTransform& cx);
    void PaintEditText(QPainter& p, const EditTextDef& field, const QTransform& t, const ColorTransform& cx);
    void PaintButton(QPainter& p, const ButtonDef& button, const QTransform& t, const ColorTransform& cx, uint8_t state);
    QBrush FillBrush(const FillStyle& fill, const ColorTransform& cx, bool& smooth);
    static void FillClipped(QPainter& p, const QPainterPath& path, const QBrush& brush);
    // The bitmap as the colour transform leaves it; `padded` adds a ring of its edge pixels.
    const QImage* Bitmap(uint16_t id, const ColorTransform& cx, bool padded);
    // The area a clip layer lets through, in device coordinates.
    QPainterPath MaskPath(const DisplayObject& object, const QTransform& t) const;

    const MovieDefinition& movie_;
    // Bitmaps as a colour transform (and padding) leaves them, by bitmap id, padding and transform.
    std::map<std::tuple<uint16_t, bool, double, double, double, double, double, double, double, double>, QImage> tinted_;
};

} // namespace player
