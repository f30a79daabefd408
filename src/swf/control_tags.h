#pragma once
// The small raw tags of a timeline: End, ShowFrame, RemoveObject(2), FrameLabel,
// SetBackgroundColor, Protect, FileAttributes, Metadata.

#include "swf/tag_object.h"

#include <string>

namespace swf {

class TSWFEnd : public TSWFObject {
public:
    TSWFEnd() : TSWFObject(tagEnd) {}
};

class TSWFShowFrame : public TSWFObject {
public:
    TSWFShowFrame() : TSWFObject(tagShowFrame) {}
};

class TSWFRemoveObject : public TSWFObject {
public:
    TSWFRemoveObject(uint16_t characterId, uint16_t depth) : TSWFObject(tagRemoveObject), CharacterId(characterId), Depth(depth) {}
    void WriteTagBody(TBitsEngine& be) override;
    uint16_t CharacterId;
    uint16_t Depth;
};

class TSWFRemoveObject2 : public TSWFObject {
public:
    explicit TSWFRemoveObject2(uint16_t depth) : TSWFObject(tagRemoveObject2), Depth(depth) {}
    int MinVersion() const override { return 3; }
    void WriteTagBody(TBitsEngine& be) override;
    uint16_t Depth;
};

class TSWFFrameLabel : public TSWFObject {
public:
    TSWFFrameLabel(std::string name, bool namedAnchor) : TSWFObject(tagFrameLabel), Name(std::move(name)), NamedAnchor(namedAnchor) {}
    int MinVersion() const override { return NamedAnchor ? 6 : 3; }
    void WriteTagBody(TBitsEngine& be) override;
    std::string Name;
    bool NamedAnchor; // UTF-8 from version 6 on, else ANSI
};

class TSWFSetBackgroundColor : public TSWFObject {
public:
    explicit TSWFSetBackgroundColor(TSWFRGB color) : TSWFObject(tagSetBackgroundColor), Color(color) {}
    void WriteTagBody(TBitsEngine& be) override { be.WriteRGB(Color); }
    TSWFRGB Color;
};

class TSWFProtect : public TSWFObject {
public:
    explicit TSWFProtect(std::string passwordHash) : TSWFObject(tagProtect), PasswordHash(std::move(passwordHash)) {}
    int MinVersion() const override { return 2; }
    void WriteTagBody(TBitsEngine& be) override;
    std::string PasswordHash; // an MD5-crypt hash, or empty for no password
};

class TSWFFileAttributes : public TSWFObject {
public:
    TSWFFileAttributes() : TSWFObject(tagFileAttributes) {}
    int MinVersion() const override { return 8; }
    void WriteTagBody(TBitsEngine& be) override;
    bool HasMetadata = false;
    bool UseNetwork = false;
};

class TSWFMetadata : public TSWFObject {
public:
    explicit TSWFMetadata(std::string xml) : TSWFObject(tagMetadata), Xml(std::move(xml)) {}
    void WriteTagBody(TBitsEngine& be) override { be.WriteString(Xml, true, true); }
    std::string Xml;
};

} // namespace swf
