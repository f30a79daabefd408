#pragma once
// The tag classes' common base and the tag header rule.
//
// Every item that can go into a movie body derives from TBasedSWFObject. Raw tags (TSWFObject)
// are plain data plus one WriteTagBody function; WriteToStream frames that body with the header.

#include "swf/bits_engine.h"

#include <cstdint>

namespace swf {

enum TagCode : uint16_t {
    tagEnd = 0,
    tagShowFrame = 1,
    tagDefineShape = 2,
    tagPlaceObject = 4,
    tagRemoveObject = 5,
    tagDefineBits = 6,
    tagDefineButton = 7,
    tagSetBackgroundColor = 9,
    tagDefineText = 11,
    tagDoAction = 12,
    tagDefineSound = 14,
    tagStartSound = 15,
    tagDefineButtonSound = 17,
    tagSoundStreamHead = 18,
    tagSoundStreamBlock = 19,
    tagDefineBitsLossless = 20,
    tagDefineBitsJPEG2 = 21,
    tagDefineShape2 = 22,
    tagProtect = 24,
    tagPlaceObject2 = 26,
    tagRemoveObject2 = 28,
    tagDefineShape3 = 32,
    tagDefineText2 = 33,
    tagDefineButton2 = 34,
    tagDefineBitsJPEG3 = 35,
    tagDefineBitsLossless2 = 36,
    tagDefineEditText = 37,
    tagDefineSprite = 39,
    tagFrameLabel = 43,
    tagSoundStreamHead2 = 45,
    tagDefineFont2 = 48,
    tagDoInitAction = 59,
    tagDefineVideoStream = 60,
    tagFileAttributes = 69,
    tagPlaceObject3 = 70,
    tagMetadata = 77,
};

// Opens a tag: reserves the longest header so the body can be written in place, with no copy of
// long bodies. Close it with EndTag once the body is complete.
size_t BeginTag(TBitsEngine& be);
// Writes the header for the body written since BeginTag: the short form (code*64 + length) for
// bodies up to 62 bytes, else the long form (code*64 + 63, 32-bit length). The lossless bitmap and
// video tags always take the long form. Returns the body length.
uint32_t EndTag(TBitsEngine& be, size_t start, uint16_t code);
// True for the tags that always carry the long header.
bool AlwaysLongHeader(uint16_t code);

class TBasedSWFObject {
public:
    virtual ~TBasedSWFObject() = default;
    TBasedSWFObject() = default;
    TBasedSWFObject(const TBasedSWFObject&) = delete;
    TBasedSWFObject& operator=(const TBasedSWFObject&) = delete;

    // Copies the settings of a like object (the default copies nothing).
    virtual void Assign(const TBasedSWFObject& source) { (void)source; }
    // 0 for raw tags, 1 for the high-level TFlash objects.
    virtual int LibraryLevel() const = 0;
    // The lowest SWF version the object's output needs.
    virtual int MinVersion() const { return 1; }
    // Writes the complete tag(s).
    virtual void WriteToStream(TBitsEngine& be) = 0;
};

class TSWFObject : public TBasedSWFObject {
public:
    explicit TSWFObject(uint16_t tagCode) : tagCode_(tagCode) {}
    uint16_t TagCode() const { return tagCode_; }
    int32_t BodyLength() const { return bodyLength_; }

    int LibraryLevel() const override { return 0; }
    void WriteToStream(TBitsEngine& be) override;
    // Writes the body without header.
    virtual void WriteTagBody(TBitsEngine& be) { (void)be; }

private:
    uint16_t tagCode_;
    int32_t bodyLength_ = 0;
};

} // namespace swf
