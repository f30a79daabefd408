#pragma once
// The JPEG codec of the whole program, over libjpeg and nothing else: the SWF writer and the
// picture library both use it, so a picture encodes to the same bytes whichever of them asks.
//
// Decoding reads baseline and progressive files (greyscale, YCbCr, RGB, CMYK) into opaque 32-bit
// 0xAARRGGBB words and refuses damaged or cut-short data instead of filling it with grey.
// Encoding writes a baseline file with libjpeg's default settings at the given quality; alpha is
// ignored.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace vantora::jpeg {

// JPEG stores its sizes in 16 bits; we stay a little below that.
inline constexpr int kMaxSide = 65500;

// How one pixel is laid out in the caller's rows.
enum class PixelLayout {
    Rgb24,     // bytes R, G, B
    Bgr24,     // bytes B, G, R
    Rgba32,    // bytes R, G, B, A
    Bgra32,    // bytes B, G, R, A
    ArgbWords, // native 32-bit words 0xAARRGGBB
};

struct PixelView {
    const std::uint8_t* pixels = nullptr; // first byte of the top row
    int width = 0;
    int height = 0;
    std::size_t stride = 0; // bytes from one row to the next
    PixelLayout layout = PixelLayout::ArgbWords;
};

// Encodes `image` into `out` (replaced). False with a reason in `error` when the image is empty,
// too large, or libjpeg or memory fails. `quality` is clamped to 1..100.
bool encode(const PixelView& image, int quality, std::vector<std::uint8_t>& out, std::string& error);

// Encodes a picture handed over a few rows at a time; the bytes are those of encode() over the
// whole picture. start(), then writeRows() until every row is given, then finish().
class Encoder {
public:
    Encoder();
    ~Encoder();
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    // `out` (replaced) receives the file and must outlive the encoder. `quality` is clamped to 1..100.
    bool start(int width, int height, PixelLayout layout, int quality, std::vector<std::uint8_t>& out);
    // The next `count` rows, the first at `rows`, each `stride` bytes after the one before.
    bool writeRows(const std::uint8_t* rows, std::size_t stride, int count);
    // Ends the file; false when rows are missing or libjpeg failed.
    bool finish();
    // Why the last step failed.
    const std::string& message() const { return message_; }

private:
    // Marks the encoder failed with libjpeg's reason and empties the output; returns false.
    bool libjpegFailed();

    struct State;
    std::unique_ptr<State> state_;
    std::string message_;
};

struct Header {
    int width = 0;      // of the decoded picture
    int height = 0;
    int components = 0; // colour components stored in the file
    bool progressive = false;
};

// Decodes in two steps so that the caller can check the size and allocate the pixels in between.
class Decoder {
public:
    explicit Decoder(std::span<const std::uint8_t> bytes);
    ~Decoder();
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    // Reads the headers. False when the data is not a JPEG file libjpeg can read.
    bool readHeader();
    const Header& header() const { return header_; }
    // Decodes every row into `argb` (header().width x header().height words, top row first),
    // every pixel opaque. False on damaged or cut-short data; `argb` is then partly written.
    bool readArgb(std::uint32_t* argb);
    // The same a few rows at a time: startRows(), then readRows() until it returns 0, then
    // finishRows(). readRows decodes the next rows, at most `maxRows` (1 to 16), into `argb`, rows
    // of header().width words `stride` words apart. It returns how many it decoded, 0 once every
    // row is read and -1 on damaged or cut-short data.
    bool startRows();
    int readRows(std::uint32_t* argb, std::size_t stride, int maxRows);
    bool finishRows();
    // Why the last step failed.
    const std::string& message() const { return message_; }

private:
    struct State;
    std::unique_ptr<State> state_;
    Header header_;
    std::string message_;
    bool started_ = false;
    bool failed_ = false;
};

// Decodes a JPEG file and encodes its pixels again at `quality`, one strip of rows at a time: the
// bytes are those of decoding the whole picture and encoding it, without ever holding it. False
// with a reason in `error` when the file cannot be decoded or the encoding fails.
bool reencode(std::span<const std::uint8_t> jpeg, int quality, std::vector<std::uint8_t>& out, std::string& error);

} // namespace vantora::jpeg
