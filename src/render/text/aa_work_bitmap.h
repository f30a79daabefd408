#pragma once
// A work bitmap whose pixel storage is kept between uses: resizing to a size that fits the
// storage allocates nothing, so an engine drawing many lines does not re-create its bitmaps.

#include <QImage>

#include <cstdint>
#include <vector>

namespace vantora {

class TAAWorkBitmap {
public:
    explicit TAAWorkBitmap(QImage::Format format) : format_(format) {}

    // The image, width x height, contents undefined. The reference stays valid until the next
    // Resize.
    QImage& Resize(int width, int height) {
        if (width != image_.width() || height != image_.height() || image_.isNull()) {
            const int bytesPerPixel = format_ == QImage::Format_Grayscale8 ? 1 : 4;
            const int bytesPerLine = (width * bytesPerPixel + 3) & ~3;
            const std::size_t bytes = static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(height);
            if (bits_.size() < bytes) {
                bits_.resize(bytes);
            } else if (bits_.size() > kKeepBytes && bits_.size() / 4 > bytes) {
                // One huge line should not pin its storage for the rest of the program.
                image_ = QImage();
                bits_ = std::vector<std::uint8_t>(bytes);
            }
            image_ = QImage(bits_.data(), width, height, bytesPerLine, format_);
        }
        return image_;
    }

    QImage& Image() { return image_; }

    // Storage up to this size is kept whatever the next size is.
    static constexpr std::size_t kKeepBytes = 4u << 20;
    std::size_t StorageBytes() const { return bits_.size(); }
    const std::uint8_t* Storage() const { return bits_.data(); }

private:
    QImage::Format format_;
    std::vector<std::uint8_t> bits_;
    QImage image_;
};

} // namespace vantora
