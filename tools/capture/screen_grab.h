#pragma once
// One shot: the whole screen or the capture area as a JPEG of quality 100, and the click that
// landed on it.

#include "model/screen_shot.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>

namespace vantora::grabbit {

inline constexpr int kShotJpegQuality = 100;

// A shot of part of the screen: `area` in logical screen coordinates, stored as `size` pixels
// (the demo's size: an area the author resized is scaled to it).
struct ShotRegion {
    QRect area;
    QSize size;
};

struct GrabbedClick {
    TScreenShot picture; // no events: the shot sequence decides where the click is filed
    TShotEvent click;
};

// Grabs the primary screen, or `region` of it, and records a left click at `click` (global
// coordinates), which must lie in the region. Event fields: kind 0, value 1 (left button), x and
// y in the shot's pixels, then the shot's width and height, `elapsedMs` since the capture
// started, the keyboard modifiers at the click (1 Shift, 2 Control, 4 Alt), kFullScreenMark for a
// shot of the whole screen (else 0) and a zero; the text is empty.
std::optional<GrabbedClick> GrabScreenShot(QPoint click, const std::optional<ShotRegion>& region,
                                           std::int32_t elapsedMs, QString& error);

// Grabs the primary screen, or `region` of it, as a shot without events.
std::optional<TScreenShot> GrabScreenPicture(const std::optional<ShotRegion>& region, QString& error);

} // namespace vantora::grabbit
