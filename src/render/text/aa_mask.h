#pragma once
// An 8-bit coverage mask: 0 = empty, 255 = fully covered. Rows are kept bottom-up with a stride
// rounded up to a multiple of 4, the layout of a device-independent grey bitmap; ScanLine takes
// the row counted from the top. Resizing keeps the storage when it is large enough, so one mask
// serves every line of a text.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantora {

class TAAMask {
public:
    TAAMask() = default;
    TAAMask(int width, int height) { SetSize(width, height); }

    // Negative sizes count as 0. The contents are cleared to 0.
    void SetSize(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Stride() const { return stride_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    // Row `row` (0 = top). Raises TAAError "Invalid line!" outside 0..Height()-1.
    std::uint8_t* ScanLine(int row) {
        CheckRow(row);
        return bits_.data() + static_cast<std::size_t>(height_ - 1 - row) * static_cast<std::size_t>(stride_);
    }
    const std::uint8_t* ScanLine(int row) const {
        CheckRow(row);
        return bits_.data() + static_cast<std::size_t>(height_ - 1 - row) * static_cast<std::size_t>(stride_);
    }

    std::uint8_t Value(int x, int y) const { return ScanLine(y)[x]; }
    void SetValue(int x, int y, std::uint8_t value) { ScanLine(y)[x] = value; }

    void Fill(std::uint8_t value);

private:
    void CheckRow(int row) const {
        if (row < 0 || row >= height_) {
            ThrowInvalidLine();
        }
    }
    [[noreturn]] static void ThrowInvalidLine();

    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    std::vector<std::uint8_t> bits_;
};

} // namespace vantora
