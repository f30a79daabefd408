#pragma once
// The two item pictures of the "Audios" list: a page with a note and a band naming the sound
// type, blue for MP3 and green for WAV. Drawn here, at the list's thumbnail size.

#include <QImage>
#include <QSize>

#include <filesystem>

namespace vantora {

enum class SoundIconKind { Wav = 0, Mp3 = 1 };

// MP3 for a file ending in ".mp3" (any case), WAV for everything else the list shows.
SoundIconKind SoundIconKindOf(const std::filesystem::path& file);

// Format_ARGB32 with a transparent background.
QImage SoundIcon(SoundIconKind kind, QSize size);

} // namespace vantora
