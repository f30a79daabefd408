#pragma once
// The small deterministic generator behind spray and noise. The caller owns it and picks the
// seed, so the same note renders to the same pixels every time (canvas, movie, tests).

#include <cstdint>

namespace vantora {

class TAARandom {
public:
    explicit TAARandom(std::uint64_t seed = 0x5EED5EEDULL) { Seed(seed); }

    // Every seed works; 0 (which xorshift cannot leave) is replaced by a fixed non-zero state.
    void Seed(std::uint64_t seed) { state_ = seed != 0 ? seed : 0x9E3779B97F4A7C15ULL; }

    // A value in 0..range-1; 0 when range is not positive.
    int Random(int range) {
        if (range <= 0) {
            return 0;
        }
        return static_cast<int>((static_cast<std::uint64_t>(Next32()) * static_cast<std::uint32_t>(range)) >> 32);
    }

private:
    // xorshift64*: a few shifts and one multiply per value, plenty for pixel noise and spray.
    std::uint32_t Next32() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return static_cast<std::uint32_t>((state_ * 0x2545F4914F6CDD1DULL) >> 32);
    }

    std::uint64_t state_;
};

} // namespace vantora
