#pragma once
// Softens a coverage mask with a 5 x 5 box filter, mixed with the original by a strength.

#include "render/text/aa_mask.h"

#include <vector>

namespace vantora {

class TAABlur {
public:
    // strength 0..100 (clamped): 0 leaves the mask alone, 100 takes the filtered values. Pixels
    // beyond an edge are replaced by the nearest row or column inside.
    void Apply(TAAMask& mask, int strength);

private:
    // Kept between calls: horizontal 5-pixel sums of every row, and the running 5-row sums.
    std::vector<int> rowSums_;
    std::vector<int> columnSums_;
};

} // namespace vantora
