#pragma once
// TFlashImage: a bitmap character. Its pixels come from a JPEG or BMP file, BMP data in memory, a
// caller's pixel buffer, or ready-made tag data; it is written as DefineBitsJPEG2/3 or
// DefineBitsLossless(2). A shape shows it through a bitmap fill (TFlashShape::SetImageFill).

#include "swf/bmp_reader.h"
#include "swf/flash_object.h"
#include "swf/lossless_data.h"
#include "swf/pixel_buffer.h"

#include <filesystem>
#include <future>
#include <memory>
#include <string>
#include <vector>

namespace swf {

class TFlashImage : public TFlashVisualObject {
public:
    enum class Source { None, MemoryData, PreparedLossless, JPEGFile, JPEGMemory };

    explicit TFlashImage(TFlashMovie* owner, const std::filesystem::path& fileName = {});
    ~TFlashImage() override;

    // JPG/JPEG or BMP by extension; anything else throws swf::Error:
    // Image format "GIF" not supported!   Unreadable files throw with the path and the reason.
    void LoadFromFile(const std::filesystem::path& fileName);
    // A complete BMP file image in memory. Throws swf::Error when it cannot be decoded.
    void LoadFromBMPStream(const std::vector<uint8_t>& bmp);
    // A JPEG file image in memory (progressive data is re-encoded as baseline).
    void LoadFromJPEGStream(const std::vector<uint8_t>& jpeg);
    // Pixels of any toolkit; 32-bit layouts give a bitmap with alpha (written premultiplied).
    // The pixels are copied at once and compressed on a worker thread while the caller goes on;
    // the tag waits for them when it is written.
    void LoadFromPixels(const TPixelBuffer& pixels);
    // Ready-made tag data: JPEG bytes, or the zlib-compressed lossless pixel data as the tag carries it.
    void SetData(const std::vector<uint8_t>& data, bool isJPEG, int width, int height, uint8_t format,
                 int colorTableSize, bool hasAlpha);
    // Per-pixel alpha for JPEG data (one byte per pixel, top row first); makes it DefineBitsJPEG3.
    void SetJPEGAlpha(std::vector<uint8_t> alpha);
    // Colour-mapped BMP data only: palette entries of that red, green and blue take its alpha
    // (entries made fully transparent also turn black).
    void SetTransparentColor(uint32_t rgba);
    void SetConvertProgressive(bool on);

    const std::filesystem::path& FileName() const { return fileName_; }
    bool IsJPEG() const { return isJPEG_; }
    Source DataSource() const { return source_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int RowLength() const { return rowLength_; }
    uint8_t BitmapFormat() const { return format_; }
    int ColorTableSize() const { return colorTableSize_; }
    bool HasAlpha() const { return hasAlpha_; }
    const TBMPReader* BMPReader() const { return bmp_.get(); }

    int MinVersion() const override { return hasAlpha_ ? 3 : 2; }
    void WriteToStream(TBitsEngine& be) override;

private:
    void Reset();
    // Takes the result of a background compression, when one is running.
    void AwaitData();
    void TakeBMP(std::unique_ptr<TBMPReader> bmp);
    void TakeJPEG(std::vector<uint8_t> jpeg);
    void PrepareLossless();
    std::vector<uint8_t> JPEGBytes() const;
    std::string Describe() const;

    std::filesystem::path fileName_;
    bool isJPEG_ = false;
    Source source_ = Source::None;
    std::vector<uint8_t> data_; // JPEG bytes or compressed lossless data
    std::future<std::vector<uint8_t>> pendingData_; // data_ being compressed
    std::vector<uint8_t> alpha_;
    int width_ = 0;
    int height_ = 0;
    int rowLength_ = 0;
    uint8_t format_ = bmfNone;
    int colorTableSize_ = 0;
    bool hasAlpha_ = false;
    bool ignoreSourceAlpha_ = false;
    bool convertProgressive_ = true;
    std::unique_ptr<TBMPReader> bmp_;
};

} // namespace swf
