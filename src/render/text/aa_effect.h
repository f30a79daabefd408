#pragma once
// The effect set of one text: what happens to its coverage mask and how it is filled.

#include "render/text/aa_gradual.h"
#include "render/text/aa_shadow.h"
#include "render/text/aa_texture.h"

namespace vantora {

struct TAAEffect {
    int Alpha = 100;         // 0..100, opacity in percent
    int Blur = 0;            // 0..100
    int Noise = 0;           // 0..255, colour noise amplitude
    int Spray = 0;           // 0..255, random displacement radius
    int Angle = 0;           // degrees, counter-clockwise
    bool Outline = false;
    bool HorzMirror = false;
    bool VertMirror = false;
    TAAShadow Shadow;
    TAAGradual Gradual;
    TAATexture Texture;
};

} // namespace vantora
