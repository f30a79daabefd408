#include "player/inflate.h"

#include "player/movie_error.h"

#include <zlib.h>

#include <memory>

namespace player {

std::vector<uint8_t> InflateLimited(std::span<const uint8_t> data, size_t maxBytes) {
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        throw MovieError("zlib could not start");
    const std::unique_ptr<z_stream, int (*)(z_stream*)> guard(&zs, inflateEnd);
    std::vector<uint8_t> out;
    zs.next_in = const_cast<Bytef*>(data.data());
    zs.avail_in = uInt(std::min<size_t>(data.size(), 0x7fffffff));
    uint8_t chunk[65536];
    for (;;) {
        zs.next_out = chunk;
        zs.avail_out = sizeof chunk;
        const int rc = inflate(&zs, Z_NO_FLUSH);
        const size_t produced = sizeof chunk - zs.avail_out;
        if (out.size() + produced > maxBytes)
            throw MovieError("compressed data inflates past the size limit");
        out.insert(out.end(), chunk, chunk + produced);
        if (rc == Z_STREAM_END)
            return out;
        if (rc == Z_BUF_ERROR && zs.avail_in == 0)
            return out; // cut short
        if (rc != Z_OK)
            throw MovieError("damaged compressed data");
    }
}

} // namespace player
