#pragma once
// Supersampling quality of the text engine: masks are drawn at factor x the final size and
// reduced. The authoring program uses aqNormal.

namespace vantora {

enum class TAAQuality { aqHigh, aqNormal, aqLow, aqNone };

constexpr int SupersamplingFactor(TAAQuality quality) {
    switch (quality) {
    case TAAQuality::aqHigh: return 4;
    case TAAQuality::aqNormal: return 3;
    case TAAQuality::aqLow: return 2;
    case TAAQuality::aqNone: return 1;
    }
    return 3;
}

} // namespace vantora
