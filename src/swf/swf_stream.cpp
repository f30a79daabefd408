#include "swf/swf_stream.h"

#include "swf/bit_counts.h"
#include "swf/bits_engine.h"
#include "swf/deflate.h"
#include "swf/errors.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>

namespace swf {

TBasedSWFStream::TBasedSWFStream(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax, double frameRate, bool pixelUnits) {
    SetUnitsInPixels(pixelUnits);
    frameRect_ = TSWFRect(xMin * units_, yMin * units_, xMax * units_, yMax * units_);
    SetFrameRate(frameRate);
}

void TBasedSWFStream::SetUnitsInPixels(bool pixels) {
    pixelUnits_ = pixels;
    units_ = pixels ? 20 : 1;
}

void TBasedSWFStream::SetVersion(int version) { version_ = (compressed_ && version < 6) ? 6 : version; }

void TBasedSWFStream::SetCompressed(bool on) {
    compressed_ = on;
    if (on && version_ < 6)
        version_ = 6;
}

void TBasedSWFStream::SetFrameRate(double rate) {
    if (!(rate >= 0.0 && rate < 256.0))
        throw Error("frame rate " + std::to_string(rate) + " is outside 0..255.99");
    const double whole = std::trunc(rate);
    const long fraction = std::lround((rate - whole) * 256.0);
    // A fraction that rounds up to 256 carries into the integer part.
    frameRate_ = uint16_t(std::min<long>(long(whole) * 256 + fraction, 0xFFFF));
}

uint32_t TBasedSWFStream::HeaderSize() const {
    const int n = FieldWidth({frameRect_.XMin(), frameRect_.XMax(), frameRect_.YMin(), frameRect_.YMax()});
    return 12 + uint32_t((5 + 4 * n + 7) / 8);
}

void TBasedSWFStream::NotifyProgress(int percent, int phase) {
    if (OnProgress)
        OnProgress(*this, percent, phase);
}

std::vector<uint8_t> TBasedSWFStream::HeaderTail(uint16_t frameCount) const {
    std::vector<uint8_t> out;
    TBitsEngine be(out);
    be.WriteRect(frameRect_);
    be.WriteWord(frameRate_);
    be.WriteWord(frameCount);
    return out;
}

std::array<uint8_t, 8> TBasedSWFStream::FileHead() {
    const uint64_t fileLength = uint64_t(body_.size()) + HeaderSize();
    if (fileLength > 0xFFFFFFFFull)
        throw Error("movie of " + std::to_string(fileLength) + " bytes is larger than the 4 GiB a SWF header can state");
    if (compressed_ && version_ < 6)
        version_ = 6;
    return {uint8_t(compressed_ ? 'C' : 'F'), 'W', 'S', uint8_t(version_),
            uint8_t(fileLength), uint8_t(fileLength >> 8), uint8_t(fileLength >> 16), uint8_t(fileLength >> 24)};
}

void TBasedSWFStream::SaveToStream(std::ostream& destination) {
    const std::array<uint8_t, 8> head = FileHead();
    destination.write(reinterpret_cast<const char*>(head.data()), std::streamsize(head.size()));
    const std::vector<uint8_t> tail = HeaderTail(frameCount_);
    if (!compressed_) {
        destination.write(reinterpret_cast<const char*>(tail.data()), std::streamsize(tail.size()));
        destination.write(reinterpret_cast<const char*>(body_.data()), std::streamsize(body_.size()));
    } else if (const TCompressedBlocks* ready = PrecompressedTailAndBody(tail)) {
        ready->WriteTo(destination);
        NotifyProgress(100, 2);
    } else {
        const double base = double(body_.size()) - 22.0;
        TDeflateWriter z(destination, [this, base](uint64_t consumed) {
            if (base > 0)
                NotifyProgress(int(std::lround(100.0 * double(consumed) / base)), 2);
        });
        z.Write(tail.data(), tail.size());
        z.Write(body_.data(), body_.size());
        z.Finish();
    }
    if (!destination)
        throw Error("writing the movie failed");
}

void TBasedSWFStream::SaveToFile(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    errno = 0;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        throw Error("cannot create " + QuotedPath(path) + ": " + std::strerror(errno ? errno : EIO));
    try {
        SaveToStream(file);
        file.close();
    } catch (const Error& e) {
        throw Error("cannot write " + QuotedPath(path) + ": " + e.what() + (errno ? std::string(" (") + std::strerror(errno) + ")" : ""));
    }
    if (!file)
        throw Error("cannot write " + QuotedPath(path) + ": " + std::strerror(errno ? errno : EIO));
}

} // namespace swf
