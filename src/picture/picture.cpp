#include "picture/picture.h"

#include <utility>

namespace vantora {

Picture::Picture(PictureFormat format, std::vector<std::uint8_t> bytes) { assign(format, std::move(bytes)); }

void Picture::assign(PictureFormat format, std::vector<std::uint8_t> bytes) {
    bytes_ = std::move(bytes);
    format_ = bytes_.empty() ? PictureFormat::Empty : format;
}

void Picture::clear() {
    format_ = PictureFormat::Empty;
    bytes_.clear();
}

RgbaImage Picture::decode(std::string* error) const {
    // The codecs join here; until then nothing can be decoded.
    if (error)
        *error = empty() ? "The picture is empty." : "This picture format cannot be decoded.";
    return {};
}

} // namespace vantora
