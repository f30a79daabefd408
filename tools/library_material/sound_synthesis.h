#pragma once
// The sounds of the "Audios" library and the default mouse-click sound, synthesised from sine
// waves, enveloped noise and frequency sweeps. Noise comes from a fixed-seed generator, so every
// run gives the same samples.

#include "library_material/material_file.h"

#include <vector>

namespace vantora::material {

// A mouse button pressed and released: two short clicks, about 0.1 s in all.
std::vector<double> MouseClickSound();

// "DefaultClick.wav" and the WAV files of "Audios".
MaterialFiles SoundFiles();

} // namespace vantora::material
