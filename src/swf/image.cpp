#include "swf/image.h"

#include "swf/deflate.h"
#include "swf/errors.h"
#include "swf/jpeg_codec.h"

#include "base/helper_threads.h"
#include "base/safe_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace swf {

namespace {

// No picture file a movie can hold comes near this; larger files are refused unread.
constexpr std::uintmax_t kMaxImageFileBytes = std::uintmax_t(256) * 1024 * 1024;

std::vector<uint8_t> readFile(const std::filesystem::path& path) {
    std::vector<uint8_t> bytes;
    const vantora::FileReadOutcome read = vantora::ReadFileLimited(path, kMaxImageFileBytes, bytes);
    switch (read.status) {
    case vantora::FileReadOutcome::Status::Done:
        return bytes;
    case vantora::FileReadOutcome::Status::OpenFailed:
        throw Error("cannot open " + QuotedPath(path) + ": " + std::strerror(read.systemError ? read.systemError : ENOENT));
    case vantora::FileReadOutcome::Status::TooLarge:
        throw Error(QuotedPath(path) + " is too large for a picture");
    case vantora::FileReadOutcome::Status::ReadFailed:
        break;
    }
    throw Error("cannot read " + QuotedPath(path) + ": " + std::strerror(read.systemError ? read.systemError : EIO));
}

std::string upperExtension(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    if (!ext.empty() && ext[0] == '.')
        ext.erase(0, 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return ext;
}

} // namespace

TFlashImage::TFlashImage(TFlashMovie* owner, const std::filesystem::path& fileName) : TFlashVisualObject(owner) {
    if (!fileName.empty())
        LoadFromFile(fileName);
}

TFlashImage::~TFlashImage() = default;

std::string TFlashImage::Describe() const {
    std::string s = "image " + std::to_string(CharacterId());
    if (!fileName_.empty())
        s.append(" (").append(QuotedPath(fileName_)).append(")");
    return s;
}

void TFlashImage::AwaitData() {
    if (pendingData_.valid())
        data_ = pendingData_.get();
}

void TFlashImage::Reset() {
    if (pendingData_.valid())
        pendingData_.wait(); // its result is dropped below
    pendingData_ = {};
    isJPEG_ = false;
    source_ = Source::None;
    data_.clear();
    alpha_.clear();
    width_ = height_ = rowLength_ = 0;
    format_ = bmfNone;
    colorTableSize_ = 0;
    hasAlpha_ = false;
    ignoreSourceAlpha_ = false;
    bmp_.reset();
}

void TFlashImage::LoadFromFile(const std::filesystem::path& fileName) {
    const std::string ext = upperExtension(fileName);
    if (ext == "JPG" || ext == "JPEG") {
        std::vector<uint8_t> bytes = readFile(fileName);
        Reset();
        fileName_ = fileName;
        isJPEG_ = true;
        const auto size = ScanJPEGFrameSize(bytes.data(), bytes.size());
        if (size)
            width_ = size->Width, height_ = size->Height;
        if (!convertProgressive_ || size) {
            // The bytes are read again when the tag is written, as the file stands then.
            source_ = Source::JPEGFile;
            return;
        }
        try {
            TakeJPEG(std::move(bytes));
        } catch (const Error& e) {
            Reset();
            throw Error(QuotedPath(fileName) + ": " + e.what());
        }
        return;
    }
    if (ext == "BMP") {
        auto bmp = std::make_unique<TBMPReader>();
        if (!bmp->LoadFromFile(fileName))
            throw Error("cannot load bitmap " + bmp->ErrorText());
        Reset();
        fileName_ = fileName;
        TakeBMP(std::move(bmp));
        return;
    }
    throw Error(std::string("Image format \"").append(ext).append("\" not supported!"));
}

void TFlashImage::LoadFromBMPStream(const std::vector<uint8_t>& data) {
    auto bmp = std::make_unique<TBMPReader>();
    if (!bmp->LoadFromMemory(data))
        throw Error("cannot load bitmap: " + bmp->ErrorText());
    Reset();
    TakeBMP(std::move(bmp));
}

void TFlashImage::TakeBMP(std::unique_ptr<TBMPReader> bmp) {
    isJPEG_ = false;
    width_ = bmp->Width();
    height_ = bmp->Height();
    const TBitmapFormat format = FormatForDepth(bmp->BitsPerPixel());
    format_ = format;
    rowLength_ = LosslessRowLength(format, width_);
    if (format == bmfColorMapped) {
        CompactPalette(*bmp);
        colorTableSize_ = int(bmp->Palette().size());
    }
    if (format == bmf32BitSource) {
        // A 32-bit file whose fourth bytes are all zero stores no alpha: show it opaque rather than
        // not at all.
        ignoreSourceAlpha_ = AlphaBytesAllZero(*bmp);
        hasAlpha_ = true;
    }
    bmp_ = std::move(bmp);
    source_ = Source::None;
}

void TFlashImage::LoadFromJPEGStream(const std::vector<uint8_t>& jpeg) {
    Reset();
    isJPEG_ = true;
    const auto size = ScanJPEGFrameSize(jpeg.data(), jpeg.size());
    if (size && !convertProgressive_) {
        width_ = size->Width, height_ = size->Height;
        data_ = jpeg;
        source_ = Source::JPEGMemory;
        return;
    }
    TakeJPEG(jpeg);
}

void TFlashImage::TakeJPEG(std::vector<uint8_t> jpeg) {
    const TJPEGInfo info = ReadJPEGInfo(jpeg);
    width_ = info.Width;
    height_ = info.Height;
    data_ = info.Progressive && convertProgressive_ ? ReencodeJPEGBaseline(jpeg) : std::move(jpeg);
    source_ = Source::JPEGMemory;
}

void TFlashImage::LoadFromPixels(const TPixelBuffer& px) {
    if (px.Pixels == nullptr || px.Width <= 0 || px.Height <= 0 || px.Width > 65535 || px.Height > 65535 ||
        px.Stride < px.Width * px.BytesPerPixel())
        throw Error("pixel buffer of " + std::to_string(px.Width) + " x " + std::to_string(px.Height) +
                    " (stride " + std::to_string(px.Stride) + ") cannot be a bitmap");
    Reset();
    width_ = px.Width;
    height_ = px.Height;
    rowLength_ = px.Width;
    format_ = bmf24Bit;
    hasAlpha_ = px.HasAlpha();
    std::vector<uint8_t> raw = LosslessFromPixels(px);
    source_ = Source::PreparedLossless;
    // Few at a time, and only on cores the movie's own threads leave free, so that a caller making
    // bitmaps faster than they compress does not pile up threads and pixel copies; the rest are
    // compressed here.
    static std::atomic<int> running{0};
    const int maxRunning = std::min(2, vantora::HelperThreadsBesideBuild());
    if (running.fetch_add(1) >= maxRunning) {
        --running;
        data_ = Deflate(raw.data(), raw.size());
        return;
    }
    try {
        pendingData_ = std::async(std::launch::async, [raw = std::move(raw)] {
            struct Done {
                ~Done() { --running; }
            } done;
            return Deflate(raw.data(), raw.size());
        });
    } catch (const std::system_error&) { // no thread to be had: compress here
        --running;
        data_ = Deflate(raw.data(), raw.size());
    }
}

void TFlashImage::SetData(const std::vector<uint8_t>& data, bool isJPEG, int width, int height, uint8_t format,
                          int colorTableSize, bool hasAlpha) {
    if (width < 0 || width > 65535 || height < 0 || height > 65535)
        throw Error(Describe() + ": bitmap size " + std::to_string(width) + " x " + std::to_string(height) + " does not fit the tag");
    if (!isJPEG && format == bmfColorMapped && (colorTableSize < 1 || colorTableSize > 256))
        throw Error(Describe() + ": colour table of " + std::to_string(colorTableSize) + " entries does not fit the tag");
    Reset();
    isJPEG_ = isJPEG;
    width_ = width;
    height_ = height;
    if (!isJPEG) {
        rowLength_ = width;
        format_ = format;
        hasAlpha_ = hasAlpha;
        colorTableSize_ = colorTableSize;
    }
    data_ = data;
    source_ = Source::MemoryData;
}

void TFlashImage::SetJPEGAlpha(std::vector<uint8_t> alpha) {
    alpha_ = std::move(alpha);
    if (isJPEG_ && !alpha_.empty())
        hasAlpha_ = true;
}

void TFlashImage::SetTransparentColor(uint32_t rgba) {
    if (!bmp_ || format_ != bmfColorMapped)
        return;
    const uint8_t r = uint8_t(rgba), g = uint8_t(rgba >> 8), b = uint8_t(rgba >> 16), a = uint8_t(rgba >> 24);
    std::vector<TBMPPaletteEntry> palette = bmp_->Palette();
    for (TBMPPaletteEntry& e : palette) {
        if (e.Red == r && e.Green == g && e.Blue == b) {
            e.Alpha = a;
            if (a == 0)
                e.Red = e.Green = e.Blue = 0;
        }
    }
    bmp_->SetPalette(std::move(palette));
    hasAlpha_ = true;
    AwaitData();
    data_.clear();
    source_ = Source::None;
}

void TFlashImage::SetConvertProgressive(bool on) {
    const bool turningOn = on && !convertProgressive_;
    convertProgressive_ = on;
    if (turningOn && isJPEG_ && source_ == Source::JPEGFile)
        TakeJPEG(readFile(fileName_));
}

void TFlashImage::PrepareLossless() {
    if (source_ != Source::None || !bmp_ || format_ == bmfNone)
        return;
    const std::vector<uint8_t> raw = LosslessFromBMP(*bmp_, TBitmapFormat(format_), hasAlpha_, ignoreSourceAlpha_);
    data_ = Deflate(raw.data(), raw.size());
    source_ = Source::PreparedLossless;
}

std::vector<uint8_t> TFlashImage::JPEGBytes() const {
    if (source_ == Source::JPEGFile)
        return readFile(fileName_);
    return data_;
}

void TFlashImage::WriteToStream(TBitsEngine& be) {
    try {
        if (isJPEG_) {
            const std::vector<uint8_t> jpeg = JPEGBytes();
            if (jpeg.empty())
                throw Error("has no JPEG data");
            const bool withAlpha = !alpha_.empty();
            const uint16_t code = withAlpha ? tagDefineBitsJPEG3 : tagDefineBitsJPEG2;
            const size_t start = BeginTag(be);
            be.WriteWord(CharacterId());
            if (withAlpha)
                be.WriteDWord(uint32_t(jpeg.size() + 4));
            static const uint8_t kErrorHeader[4] = {0xFF, 0xD9, 0xFF, 0xD8};
            be.WriteBytes(kErrorHeader, 4);
            be.WriteBytes(jpeg);
            if (withAlpha) {
                const std::vector<uint8_t> packed = Deflate(alpha_.data(), alpha_.size());
                be.WriteBytes(packed);
            }
            EndTag(be, start, code);
            return;
        }
        AwaitData();
        PrepareLossless();
        if (data_.empty() || format_ == bmfNone)
            throw Error("has no pixel data");
        const uint16_t code = hasAlpha_ ? tagDefineBitsLossless2 : tagDefineBitsLossless;
        const size_t start = BeginTag(be);
        be.WriteWord(CharacterId());
        be.WriteByte(format_ == bmf32BitSource ? uint8_t(bmf24Bit) : format_);
        be.WriteWord(uint16_t(width_));
        be.WriteWord(uint16_t(height_));
        if (format_ == bmfColorMapped)
            be.WriteByte(uint8_t(std::max(colorTableSize_, 1) - 1));
        be.WriteBytes(data_);
        EndTag(be, start, code);
    } catch (const Error& e) {
        throw Error(Describe() + ": " + e.what());
    }
}

} // namespace swf
