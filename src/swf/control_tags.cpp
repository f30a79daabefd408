#include "swf/control_tags.h"

namespace swf {

void TSWFRemoveObject::WriteTagBody(TBitsEngine& be) {
    be.WriteWord(CharacterId);
    be.WriteWord(Depth);
}

void TSWFRemoveObject2::WriteTagBody(TBitsEngine& be) { be.WriteWord(Depth); }

void TSWFFrameLabel::WriteTagBody(TBitsEngine& be) {
    be.WriteString(Name, true, be.Version() >= 6);
    if (NamedAnchor)
        be.WriteByte(1);
}

void TSWFProtect::WriteTagBody(TBitsEngine& be) {
    if (!PasswordHash.empty()) {
        be.WriteWord(0); // reserved
        be.WriteString(PasswordHash, true, true);
    }
}

void TSWFFileAttributes::WriteTagBody(TBitsEngine& be) {
    // UB[3] reserved, UseDirectBlit, UseGPU, HasMetadata, ActionScript3, reserved[2], UseNetwork, reserved[24]
    be.WriteByte(uint8_t((HasMetadata ? 0x10 : 0) | (UseNetwork ? 0x01 : 0)));
    be.WriteByte(0);
    be.WriteByte(0);
    be.WriteByte(0);
}

} // namespace swf
