#pragma once
// Small WAV and MP3 files made in memory for the sound tests and the fuzz seeds.

#include <cstdint>
#include <string>
#include <vector>

namespace swf_test {

inline void putLE(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

inline void putChunk(std::vector<uint8_t>& out, const char* id, const std::vector<uint8_t>& body, uint32_t claimedSize = 0xFFFFFFFF) {
    out.insert(out.end(), id, id + 4);
    putLE(out, claimedSize == 0xFFFFFFFF ? uint32_t(body.size()) : claimedSize, 4);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 == 1)
        out.push_back(0);
}

inline std::vector<uint8_t> fmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    std::vector<uint8_t> f;
    putLE(f, tag, 2);
    putLE(f, channels, 2);
    putLE(f, rate, 4);
    putLE(f, rate * channels * bits / 8, 4);
    putLE(f, uint32_t(channels * bits / 8), 2);
    putLE(f, bits, 2);
    return f;
}

// A RIFF WAVE file: an optional extra chunk before "fmt ", then "fmt " and "data".
inline std::vector<uint8_t> makeWav(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits,
                                    const std::vector<uint8_t>& data, bool extraChunk = false) {
    std::vector<uint8_t> body = {'W', 'A', 'V', 'E'};
    if (extraChunk)
        putChunk(body, "LIST", {'I', 'N', 'F', 'O', 'x'});
    putChunk(body, "fmt ", fmtBody(tag, channels, rate, bits));
    putChunk(body, "data", data);
    std::vector<uint8_t> file = {'R', 'I', 'F', 'F'};
    putLE(file, uint32_t(body.size()), 4);
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

// `frames` MPEG-1 layer III frames at 128 kbit/s, 44.1 kHz (417 bytes each), stereo or single channel,
// optionally after an ID3v2 tag of `id3Body` bytes.
inline std::vector<uint8_t> makeMp3(int frames, bool mono = false, uint32_t id3Body = 0) {
    std::vector<uint8_t> file;
    if (id3Body > 0) {
        file = {'I', 'D', '3', 3, 0, 0};
        for (int shift = 21; shift >= 0; shift -= 7)
            file.push_back(uint8_t((id3Body >> shift) & 0x7F));
        file.resize(file.size() + id3Body, 0);
    }
    std::vector<uint8_t> frame(417, 0);
    frame[0] = 0xFF;
    frame[1] = 0xFB;
    frame[2] = 0x90;
    frame[3] = mono ? 0xC0 : 0x00;
    for (int i = 0; i < frames; ++i)
        file.insert(file.end(), frame.begin(), frame.end());
    return file;
}

} // namespace swf_test
