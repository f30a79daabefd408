#include "preview/preview_window_size.h"

#include <algorithm>
#include <cstdint>

namespace vantora {
namespace {

// Sums of absurd movie sizes stay in range.
int Fit(std::int64_t wanted, int minimum, int available) {
    std::int64_t size = std::max<std::int64_t>(wanted, minimum);
    if (available > 0)
        size = std::min<std::int64_t>(size, available);
    return int(std::min<std::int64_t>(size, 1 << 24));
}

} // namespace

QSize PreviewWindowSize(QSize movie, QSize controls, QSize available) {
    const std::int64_t width = std::int64_t(std::max(movie.width(), 0)) + std::max(controls.width(), 0);
    const std::int64_t height = std::int64_t(std::max(movie.height(), 0)) + std::max(controls.height(), 0);
    return {Fit(width, kPreviewMinimumSize.width(), available.width()),
            Fit(height, kPreviewMinimumSize.height(), available.height())};
}

} // namespace vantora
