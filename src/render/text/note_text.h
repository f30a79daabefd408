#pragma once
// How a Note's properties set up the multi-line text control that draws its text.

#include "render/text/aa_effect.h"
#include "render/text/aa_text.h"

#include <cstdint>

namespace vantora {

struct TDemoObject;

// The text effects of a note: angle, spray, blur, noise (percent -> 0..255), mirrors, outline,
// gradient (start colour = font colour) and shadow (opacity stays 70). Values outside the
// engine's ranges are clamped; an unknown gradient style turns the gradient off.
TAAEffect NoteTextEffect(const TDemoObject& note);

// The whole control: lines of Text, alignment, BackColor as background, RowPitch, font.
TAAText NoteTextControl(const TDemoObject& note);

// The note's text split into lines (CR LF, LF or CR end a line).
QStringList NoteTextLines(const std::string& text);

// Seed of the generator behind spray and noise: fixed, so a note draws the same every time.
inline constexpr std::uint64_t kNoteTextSeed = 0x4E6F746554657874ULL;

} // namespace vantora
