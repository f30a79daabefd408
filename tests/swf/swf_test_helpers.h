#pragma once
// Shared helpers of the SWF tests: bytes of one write, and writing a movie through the independent parser.

#include "swf/bits_engine.h"
#include "swf/movie.h"
#include "swf/tag_object.h"

#include "swf_check.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace swf_test {

using Bytes = std::vector<uint8_t>;

// The bytes one call writes into a fresh engine of `version` (flushed at the end).
template <class Write>
Bytes bytesOf(Write write, int version = swf::TBitsEngine::kDefaultVersion) {
    Bytes out;
    swf::TBitsEngine be(out, version);
    write(be);
    be.FlushBits(true);
    return out;
}

inline Bytes tagBytes(swf::TBasedSWFObject& object) {
    return bytesOf([&](swf::TBitsEngine& be) { object.WriteToStream(be); });
}

inline std::string hex(const Bytes& b) {
    static const char* digits = "0123456789abcdef";
    std::string s;
    for (uint8_t v : b) {
        s += digits[v >> 4];
        s += digits[v & 15];
    }
    return s;
}

// MakeStream, save to `dir/name`, and read it back with the independent parser. Warnings fail the test.
inline vantora::test::SwfSummary saveAndCheck(swf::TFlashMovie& movie, const vantora::test::TempDir& dir,
                                              const std::string& name = "movie.swf") {
    movie.MakeStream();
    movie.SaveToFile(dir / name);
    vantora::test::SwfSummary s = vantora::test::checkSwf(dir / name);
    for (const auto& w : s.warnings)
        ADD_FAILURE() << "parser warning for " << name << ": " << w;
    return s;
}

} // namespace swf_test
