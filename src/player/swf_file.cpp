#include "player/swf_file.h"

#include "player/bit_reader.h"
#include "player/inflate.h"
#include "player/movie_error.h"
#include "player/records.h"

#include <cstring>


namespace player {

SwfFile ReadSwfFile(std::span<const uint8_t> file) {
    if (file.size() < 8)
        throw MovieError("file too short to be a movie");
    const bool compressed = file[0] == 'C' && file[1] == 'W' && file[2] == 'S';
    const bool plain = file[0] == 'F' && file[1] == 'W' && file[2] == 'S';
    if (!compressed && !plain)
        throw MovieError("not a Flash movie (unknown signature)");
    SwfFile out;
    out.version = file[3];
    out.fileLength = uint32_t(file[4]) | uint32_t(file[5]) << 8 | uint32_t(file[6]) << 16 | uint32_t(file[7]) << 24;
    if (out.fileLength > kMaxMovieBytes)
        throw MovieError("movie is larger than the player accepts");
    // The whole file as it is uncompressed: the 8 plain header bytes, then the body.
    const std::vector<uint8_t> inflated = compressed ? InflateLimited(file.subspan(8), kMaxMovieBytes - 8)
                                                     : std::vector<uint8_t>();
    const std::span<const uint8_t> body = compressed ? std::span<const uint8_t>(inflated) : file.subspan(8);
    out.bytes.resize(8 + body.size());
    std::memcpy(out.bytes.data(), file.data(), 8);
    if (!body.empty())
        std::memcpy(out.bytes.data() + 8, body.data(), body.size());
    BitReader r(std::span<const uint8_t>(out.bytes).subspan(8));
    out.frameRect = ReadRect(r);
    const uint16_t rate = r.U16();
    out.frameRate = (rate >> 8) + (rate & 0xff) / 256.0;
    out.frameCount = r.U16();
    out.tagsStart = 8 + r.Position();
    return out;
}

std::vector<SwfTag> SplitTags(std::span<const uint8_t> data) {
    std::vector<SwfTag> tags;
    size_t pos = 0;
    while (pos + 2 <= data.size()) {
        const uint16_t header = uint16_t(data[pos] | data[pos + 1] << 8);
        pos += 2;
        const uint16_t code = header >> 6;
        size_t length = header & 0x3f;
        if (length == 0x3f) {
            if (pos + 4 > data.size())
                throw MovieError("tag header cut short");
            length = size_t(data[pos]) | size_t(data[pos + 1]) << 8 | size_t(data[pos + 2]) << 16 |
                     size_t(data[pos + 3]) << 24;
            pos += 4;
        }
        if (length > data.size() - pos)
            throw MovieError("tag " + std::to_string(code) + " runs past the end of the movie");
        if (code == 0)
            break;
        tags.push_back({code, data.subspan(pos, length)});
        pos += length;
    }
    return tags;
}

} // namespace player
