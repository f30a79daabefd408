#include "render/text/aa_mask.h"

#include "render/text/aa_error.h"

#include <algorithm>

namespace vantora {

void TAAMask::SetSize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    stride_ = (width_ + 3) & ~3;
    const std::size_t bytes = static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_);
    bits_.assign(bytes, 0); // assign keeps the capacity already reserved
}

void TAAMask::ThrowInvalidLine() {
    throw TAAError(kInvalidLine);
}

void TAAMask::Fill(std::uint8_t value) {
    std::fill(bits_.begin(), bits_.end(), value);
}

} // namespace vantora
