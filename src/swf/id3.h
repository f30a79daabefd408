#pragma once
// ID3 tag readers. They serve to locate the audio in an MP3 file: the v2 tag at the start (its
// whole size) and the v1 tag in the last 128 bytes. Title and artist are read for completeness.

#include "swf/sound_source.h"

#include <string>

namespace swf {

class TID3v1 {
public:
    // Looks at the last 128 bytes; false when there is no tag.
    bool Read(TSoundSource& source);
    bool Exists() const { return exists_; }
    const std::string& Title() const { return title_; }
    const std::string& Artist() const { return artist_; }
    static constexpr uint32_t kSize = 128;

private:
    bool exists_ = false;
    std::string title_;
    std::string artist_;
};

class TID3v2 {
public:
    // Reads the header at the start; false when there is no (well-formed) tag.
    bool Read(TSoundSource& source);
    bool Exists() const { return exists_; }
    int MajorVersion() const { return version_; }
    // Bytes the tag takes: header, body and footer (may claim more than the file holds).
    uint64_t TotalSize() const { return totalSize_; }

private:
    bool exists_ = false;
    int version_ = 0;
    uint64_t totalSize_ = 0;
};

} // namespace swf
