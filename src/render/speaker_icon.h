#pragma once
// The 32 x 32 speaker icon the canvas shows for an Audio object. Drawn once, at first use.

#include <QImage>

namespace vantora {

constexpr int kSpeakerIconSize = 32;

// Format_ARGB32, straight alpha, transparent background.
QImage SpeakerIcon();

} // namespace vantora
