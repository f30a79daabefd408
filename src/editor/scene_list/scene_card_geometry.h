#pragma once
// Where the parts of a scene card go: the inner area, the thumbnail box scaled from the demo size,
// the text places, and the texts themselves. Plain arithmetic so that it can be checked without a
// window.

#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <string>

namespace vantora::scene_list {

// Every card of the scene list has this size.
inline constexpr QSize kCardSize{128, 100};

// The frame drawn round the card: (2, 2) - (W - 4, H - 4), right and bottom exclusive.
QRect CardFrame(QSize card);
// The light area that holds the thumbnail: (6, 6) - (W - 8, H - 19).
QRect CardInnerArea(QSize card);
// The thumbnail: the demo size scaled by min(1, (W - 15) / width, (H - 26) / height), rounded to
// whole pixels and centred in the inner area. Empty when the demo has no area.
QRect ThumbnailBox(QSize card, std::int64_t demoWidth, std::int64_t demoHeight);

// The top-left corner of the length text.
QPoint LengthTextOrigin(QSize card);
// The box the name is clipped to: (60, H - 19) - (W - 8, H - 5).
QRect NameTextBox(QSize card);
// The row just below the card's texts: the selection frame starts there, so the texts sit on it
// as on a base line and stay readable on a selected card.
int TextBaseline(QSize card);
// The box holding the scene number: (6, H - 19) - (28, H - 6).
QRect NumberBox(QSize card);
// The blue selection frame's outer edge: (3, 3) - (W - 6, H - 7).
QRect SelectionFrame(QSize card);

inline constexpr int kSelectionFrameWidth = 3;
inline constexpr int kDropLineWidth = 3;

// The scene length (tenths of a second) in seconds, as "%2.1fs".
QString LengthText(std::int32_t length);
// The name as the card shows it: a row of underscores stands for an empty name.
QString CardNameText(const std::string& name);

} // namespace vantora::scene_list
