#include "picture/picture.h"

#include "picture/bmp_decoder.h"
#include "picture/gif_decoder.h"
#include "picture/ico_decoder.h"
#include "picture/jpeg_codec.h"
#include "picture/picture_file.h"
#include "picture/picture_format.h"
#include "picture/png_codec.h"

#include <utility>

namespace vantora {
namespace {

RgbaImage decodeBytes(PictureFormat format, std::span<const std::uint8_t> bytes, std::string& error,
                      const DecodeLimits& limits) {
    switch (format) {
    case PictureFormat::Empty: error = "The picture is empty."; return {};
    case PictureFormat::Bitmap: return decodeBmp(bytes, error, limits);
    case PictureFormat::Jpeg: return decodeJpeg(bytes, error, limits);
    case PictureFormat::Png: return decodePng(bytes, error, limits);
    case PictureFormat::Gif: return decodeGif(bytes, error, limits);
    case PictureFormat::Icon: return decodeIco(bytes, error, limits);
    case PictureFormat::Metafile: error = "Metafiles are kept but not drawn."; return {};
    }
    error = "This picture format cannot be decoded.";
    return {};
}

void report(std::string* error, std::string text) {
    if (error)
        *error = std::move(text);
}

} // namespace

Picture::Picture(PictureFormat format, std::vector<std::uint8_t> bytes) { assign(format, std::move(bytes)); }

void Picture::assign(PictureFormat format, std::vector<std::uint8_t> bytes) {
    bytes_ = std::move(bytes);
    format_ = bytes_.empty() ? PictureFormat::Empty : format;
}

void Picture::clear() {
    format_ = PictureFormat::Empty;
    bytes_.clear();
}

bool Picture::loadFromBytes(std::vector<std::uint8_t> bytes, std::string* error) {
    const PictureFormat format = detectPictureFormat(bytes);
    if (format == PictureFormat::Empty) {
        report(error, bytes.empty() ? "The picture data is empty." : "The data is not a picture in a known format.");
        return false;
    }
    assign(format, std::move(bytes));
    return true;
}

bool Picture::loadFromFile(const std::filesystem::path& path, std::string* error) {
    std::string reason;
    std::vector<std::uint8_t> bytes;
    if (!readPictureFile(path, bytes, reason)) {
        report(error, std::move(reason));
        return false;
    }
    const PictureFormat format = detectPictureFormat(bytes);
    if (format == PictureFormat::Empty) {
        const PictureFormat promised = pictureFormatFromFileName(path);
        report(error, "\"" + path.filename().string() + "\" is not " +
                          (promised == PictureFormat::Empty ? std::string("a picture in a known format.")
                                                            : "a valid " + std::string(pictureFormatName(promised)) + " file."));
        return false;
    }
    if (format != PictureFormat::Metafile && decodeBytes(format, bytes, reason, {}).empty()) {
        report(error, "\"" + path.filename().string() + "\": " + reason);
        return false;
    }
    assign(format, std::move(bytes));
    return true;
}

RgbaImage Picture::decode(std::string* error) const { return decode(DecodeLimits{}, error); }

RgbaImage Picture::decode(const DecodeLimits& limits, std::string* error) const {
    std::string reason;
    RgbaImage image = decodeBytes(empty() ? PictureFormat::Empty : format_, bytes_, reason, limits);
    if (image.empty())
        report(error, std::move(reason));
    return image;
}

} // namespace vantora
