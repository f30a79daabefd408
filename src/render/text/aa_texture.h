#pragma once
// A picture fill of the text. The engine supports it; the authoring program's objects do not
// use it.

#include <QImage>

namespace vantora {

enum class TAATextureMode { tmTiled, tmStretched, tmCenter, tmNormal };

struct TAATexture {
    bool Enabled = false;
    QImage Picture;
    TAATextureMode Mode = TAATextureMode::tmTiled;
};

} // namespace vantora
