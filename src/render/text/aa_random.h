#pragma once
// The small deterministic generator behind spray and noise. The caller owns it and picks the
// seed, so the same note renders to the same pixels every time (canvas, movie, tests).

#include <cstdint>

namespace vantora {

class TAARandom {
public:
    explicit TAARandom(std::uint64_t seed = 0x5EED5EEDULL) : state_(seed) {}

    void Seed(std::uint64_t seed) { state_ = seed; }

    // A value in 0..range-1; 0 when range is not positive.
    int Random(int range) {
        if (range <= 0) {
            return 0;
        }
        return static_cast<int>((static_cast<std::uint64_t>(Next32()) * static_cast<std::uint32_t>(range)) >> 32);
    }

private:
    // SplitMix64: tiny, fast and well mixed even from small seeds.
    std::uint32_t Next32() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
    }

    std::uint64_t state_;
};

} // namespace vantora
