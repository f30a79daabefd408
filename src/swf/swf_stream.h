#pragma once
// TBasedSWFStream: the file writer. Holds the header fields and the body (all tags), puts the
// header in front, optionally compresses everything after the first 8 bytes, and saves.

#include "swf/records.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <vector>

namespace swf {

class TCompressedBlocks;

class TBasedSWFStream {
public:
    // (sender, percent, phase): phase 1 while the movie writes tags, phase 2 while compressing.
    using ProgressEvent = std::function<void(TBasedSWFStream& sender, int percent, int phase)>;

    TBasedSWFStream(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax, double frameRate, bool pixelUnits);
    virtual ~TBasedSWFStream() = default;
    TBasedSWFStream(const TBasedSWFStream&) = delete;
    TBasedSWFStream& operator=(const TBasedSWFStream&) = delete;

    // Multiplier 20 (coordinates in pixels) or 1 (twips). Does not rescale what is stored.
    void SetUnitsInPixels(bool pixels);
    bool UnitsInPixels() const { return pixelUnits_; }
    int32_t UnitsMultiplier() const { return units_; }

    void SetVersion(int version);
    int Version() const { return version_; }
    void SetCompressed(bool on);
    bool Compressed() const { return compressed_; }

    void SetFrameRate(double rate);
    double FrameRate() const { return (frameRate_ >> 8) + (frameRate_ & 0xFF) / 256.0; }
    uint16_t FrameRateWord() const { return frameRate_; }
    const TSWFRect& FrameRect() const { return frameRect_; }
    void SetFrameRect(const TSWFRect& rect) { frameRect_ = rect; }
    uint16_t FrameCount() const { return frameCount_; }
    void SetFrameCount(uint16_t count) { frameCount_ = count; }

    // Size of the header: signature, version, length, RECT, rate and count.
    uint32_t HeaderSize() const;

    // The movie body: every tag, in file order.
    std::vector<uint8_t>& BodyStream() { return body_; }
    const std::vector<uint8_t>& BodyStream() const { return body_; }

    // The first 8 bytes of the saved file: signature, version and file length. A compressed movie
    // is saved at version 6 at least. Throws swf::Error for a movie larger than a header can state.
    std::array<uint8_t, 8> FileHead();
    // True when what follows the file head is compressed already (SaveToStream only copies it).
    bool CompressedAhead() const { return compressed_ && PrecompressedTailAndBody(HeaderTail(frameCount_)) != nullptr; }

    void SaveToStream(std::ostream& destination);
    // Replaces the file. Failure to create or write it throws swf::Error with the path and reason.
    void SaveToFile(const std::filesystem::path& path);

    ProgressEvent OnProgress;

protected:
    void NotifyProgress(int percent, int phase);
    // The header fields that are compressed with the body: RECT, frame rate and `frameCount`.
    std::vector<uint8_t> HeaderTail(uint16_t frameCount) const;
    // The compressed header tail and body when a subclass compressed them already for exactly
    // `tail` and the current body; nullptr to compress here.
    virtual const TCompressedBlocks* PrecompressedTailAndBody(const std::vector<uint8_t>& tail) const {
        (void)tail;
        return nullptr;
    }

private:

    std::vector<uint8_t> body_;
    bool compressed_ = false;
    bool pixelUnits_ = false;
    int32_t units_ = 1;
    int version_ = 5;
    TSWFRect frameRect_;
    uint16_t frameRate_ = 0;
    uint16_t frameCount_ = 0;
};

} // namespace swf
