#include "player/timeline_reader.h"

#include "player/records.h"

#include <algorithm>

namespace player {

DisplayCommand ReadPlaceObject(uint16_t code, std::span<const uint8_t> body) {
    BitReader r(body);
    DisplayCommand place;
    if (code == 4) {
        place.characterId = r.U16();
        place.depth = r.U16();
        place.matrix = ReadMatrix(r);
        if (!r.AtEnd())
            place.colorTransform = ReadColorTransform(r, false);
        return place;
    }
    const uint8_t flags = r.U8();
    const uint8_t flags3 = code == 70 ? r.U8() : 0;
    place.depth = r.U16();
    place.move = flags & 0x01;
    if (code == 70 && ((flags3 & 0x08) || ((flags3 & 0x10) && (flags & 0x02))))
        r.String(); // class name
    if (flags & 0x02)
        place.characterId = r.U16();
    if (flags & 0x04)
        place.matrix = ReadMatrix(r);
    if (flags & 0x08)
        place.colorTransform = ReadColorTransform(r, true);
    if (flags & 0x10)
        place.ratio = r.U16();
    if (flags & 0x20)
        place.name = r.String();
    if (flags & 0x40)
        place.clipDepth = r.U16();
    // Clip actions (0x80) and the filters and blend modes of PlaceObject3 are not played.
    return place;
}

DisplayCommand ReadRemoveObject(uint16_t code, std::span<const uint8_t> body) {
    BitReader r(body);
    if (code == 5)
        r.U16();
    DisplayCommand remove;
    remove.remove = true;
    remove.depth = r.U16();
    return remove;
}

SoundStart ReadSoundStart(BitReader& r, uint16_t soundId) {
    SoundStart start;
    start.soundId = soundId;
    if (soundId == 0)
        return start;
    const uint8_t flags = r.U8();
    start.stop = flags & 0x20;
    start.noMultiple = flags & 0x10;
    if (flags & 0x01)
        start.inPoint = r.U32();
    if (flags & 0x02)
        start.outPoint = r.U32();
    if (flags & 0x04)
        start.loops = std::max<uint16_t>(r.U16(), 1);
    if (flags & 0x08) {
        const uint8_t points = r.U8();
        r.Bytes(size_t(points) * 8); // envelopes are not applied
    }
    return start;
}

StreamSoundDef ReadStreamHead(std::span<const uint8_t> body) {
    BitReader r(body);
    r.U8();
    const uint8_t format = r.U8();
    StreamSoundDef stream;
    stream.format = format >> 4;
    static const int kRates[4] = {5512, 11025, 22050, 44100};
    stream.rate = kRates[(format >> 2) & 3];
    stream.is16Bit = format & 2;
    stream.stereo = format & 1;
    return stream;
}

} // namespace player
