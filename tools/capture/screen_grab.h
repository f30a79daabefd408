#pragma once
// One shot: the whole screen as a JPEG of quality 100, and the click that landed on it.

#include "model/screen_shot.h"

#include <QPoint>
#include <QString>

#include <cstdint>
#include <optional>

namespace vantora::grabbit {

inline constexpr int kShotJpegQuality = 100;

struct GrabbedClick {
    TScreenShot picture; // no events: the shot sequence decides where the click is filed
    TShotEvent click;
};

// Grabs the primary screen and records a left click at `click` (global coordinates). Event
// fields: kind 0, value 1 (left button), x and y in screen pixels, then the shot's width and
// height, `elapsedMs` since the capture started, the keyboard modifiers at the click (1 Shift,
// 2 Control, 4 Alt) and two zeros; the text is empty.
std::optional<GrabbedClick> GrabScreenShot(QPoint click, std::int32_t elapsedMs, QString& error);

// Grabs the primary screen alone, as a shot without events.
std::optional<TScreenShot> GrabScreenPicture(QString& error);

} // namespace vantora::grabbit
