#pragma once
// TSoundSource: bounded random access to the bytes of a sound file, from memory or from a file.
// The sound readers reach the file only through it, so every read is checked against the size.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace swf {

class TSoundSource {
public:
    virtual ~TSoundSource() = default;
    virtual uint64_t Size() const = 0;
    // Up to `length` bytes from `offset`; fewer (or none) where the source ends.
    virtual std::vector<uint8_t> Read(uint64_t offset, size_t length) = 0;
};

class TMemorySoundSource : public TSoundSource {
public:
    TMemorySoundSource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint64_t Size() const override { return size_; }
    std::vector<uint8_t> Read(uint64_t offset, size_t length) override;

private:
    const uint8_t* data_;
    size_t size_;
};

class TFileSoundSource : public TSoundSource {
public:
    // Open() tells whether the file could be opened.
    explicit TFileSoundSource(const std::filesystem::path& path);
    bool Open() const { return open_; }
    uint64_t Size() const override { return size_; }
    std::vector<uint8_t> Read(uint64_t offset, size_t length) override;

private:
    std::ifstream in_;
    uint64_t size_ = 0;
    bool open_ = false;
};

// A window of another source (the data chunk of a WAV file holding MPEG audio).
class TWindowSoundSource : public TSoundSource {
public:
    TWindowSoundSource(TSoundSource& inner, uint64_t offset, uint64_t size) : inner_(inner), offset_(offset), size_(size) {}
    uint64_t Size() const override { return size_; }
    std::vector<uint8_t> Read(uint64_t offset, size_t length) override {
        if (offset >= size_)
            return {};
        return inner_.Read(offset_ + offset, size_t(length < size_ - offset ? length : size_ - offset));
    }

private:
    TSoundSource& inner_;
    uint64_t offset_;
    uint64_t size_;
};

// Little- and big-endian fields of a byte buffer; the caller has checked the bounds.
inline uint32_t LE16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
inline uint32_t LE32(const uint8_t* p) { return LE16(p) | LE16(p + 2) << 16; }
inline uint32_t BE32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

} // namespace swf
