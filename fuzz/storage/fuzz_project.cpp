// Feeds arbitrary bytes to the project reader, from memory and streamed in pieces as a file is.
// Both must agree, failures to the message, and whatever they accept must save and load again to
// the same bytes.

#include "storage/byte_stream.h"
#include "storage/demo_record.h"
#include "storage/project_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// Serves the input in pieces whose sizes follow the input's own bytes, so the fuzzer explores
// where the streamed reader's window edges fall.
class PiecewiseSource : public vantora::ByteSource {
public:
    PiecewiseSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint64_t size() const override { return size_; }
    std::size_t read(std::uint8_t* out, std::size_t count) override {
        const std::size_t piece = position_ < size_ ? 1 + data_[position_] * 311u : 1;
        const std::size_t n = std::min({count, size_ - position_, piece});
        std::memcpy(out, data_ + position_, n);
        position_ += n;
        return n;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vantora::TVantora demo;
    const vantora::StorageResult result = vantora::ParseProject({data, size}, demo);
    const bool parsed = static_cast<bool>(result);

    PiecewiseSource source(data, size);
    vantora::ByteReader streamed(source);
    vantora::TVantora streamedDemo;
    vantora::RecordError streamedError;
    if (vantora::ReadDemo(streamed, streamedDemo, streamedError) != parsed ||
        streamedError.toResult().message != result.message)
        __builtin_trap();
    if (!parsed)
        return 0;

    std::vector<std::uint8_t> saved;
    std::vector<std::uint8_t> savedStreamed;
    if (!vantora::SerializeProject(demo, saved) || !vantora::SerializeProject(streamedDemo, savedStreamed) ||
        savedStreamed != saved)
        __builtin_trap();
    vantora::TVantora again;
    std::vector<std::uint8_t> savedAgain;
    if (!vantora::ParseProject(saved, again) || !vantora::SerializeProject(again, savedAgain) || savedAgain != saved)
        __builtin_trap();
    return 0;
}
