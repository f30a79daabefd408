#include "swf/sound_source.h"

#include <algorithm>

namespace swf {

std::vector<uint8_t> TMemorySoundSource::Read(uint64_t offset, size_t length) {
    if (offset >= size_)
        return {};
    const size_t n = size_t(std::min<uint64_t>(length, size_ - offset));
    return std::vector<uint8_t>(data_ + offset, data_ + offset + n);
}

TFileSoundSource::TFileSoundSource(const std::filesystem::path& path) : in_(path, std::ios::binary) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    open_ = in_.is_open() && !ec;
    size_ = open_ ? uint64_t(size) : 0;
}

std::vector<uint8_t> TFileSoundSource::Read(uint64_t offset, size_t length) {
    if (!open_ || offset >= size_)
        return {};
    const size_t n = size_t(std::min<uint64_t>(length, size_ - offset));
    std::vector<uint8_t> out(n);
    in_.clear();
    in_.seekg(std::streamoff(offset));
    in_.read(reinterpret_cast<char*>(out.data()), std::streamsize(n));
    out.resize(size_t(std::max<std::streamsize>(in_.gcount(), 0)));
    return out;
}

} // namespace swf
