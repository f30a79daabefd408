#include "player/movie_reader.h"

#include "player/bit_reader.h"
#include "player/bitmap_reader.h"
#include "player/movie_error.h"
#include "player/shape_reader.h"
#include "player/timeline_reader.h"
#include "player/text_reader.h"

#include <algorithm>
#include <cctype>

namespace player {

namespace {

// A movie with more frames than this in all its timelines together is refused: frame lists are
// kept in memory and each frame costs at least a few bytes of file, so only a lying file gets
// near it.
constexpr size_t kMaxFrames = 1u << 20;
constexpr size_t kMaxWarnings = 100;

std::shared_ptr<ButtonDef> ReadButton2(std::span<const uint8_t> body) {
    BitReader r(body);
    auto button = std::make_shared<ButtonDef>();
    button->id = r.U16();
    button->trackAsMenu = r.U8() & 1;
    const size_t offsetField = r.Position();
    const uint16_t actionOffset = r.U16();
    for (;;) {
        const uint8_t flags = r.U8();
        if (flags == 0)
            break;
        ButtonRecord record;
        record.states = flags & 0x0f;
        record.characterId = r.U16();
        record.depth = r.U16();
        record.matrix = ReadMatrix(r);
        record.colorTransform = ReadColorTransform(r, true);
        if (flags & 0x10) { // filter list: not drawn, skipped record by record is not possible
            throw MovieError("button filters are not supported");
        }
        if (flags & 0x20)
            r.U8(); // blend mode
        button->records.push_back(record);
    }
    if (actionOffset == 0)
        return button;
    size_t at = offsetField + actionOffset;
    while (at < body.size()) {
        r.Seek(at);
        const uint16_t size = r.U16();
        const uint8_t low = r.U8();
        const uint8_t high = r.U8();
        ButtonCondAction action;
        action.conditions = uint16_t(low | (high & 1) << 8);
        const size_t end = size == 0 ? body.size() : at + size;
        if (end > body.size() || end < r.Position())
            throw MovieError("button action runs past the end of the tag");
        auto bytes = body.subspan(r.Position(), end - r.Position());
        action.actions.assign(bytes.begin(), bytes.end());
        button->actions.push_back(std::move(action));
        if (size == 0)
            break;
        at = end;
    }
    return button;
}

void ReadButtonSound(std::span<const uint8_t> body, ButtonDef& button) {
    BitReader r(body);
    r.U16();
    for (auto& sound : button.sounds) {
        if (r.AtEnd())
            break;
        sound = ReadSoundStart(r, r.U16());
    }
}

std::shared_ptr<SoundDef> ReadDefineSound(std::span<const uint8_t> body) {
    BitReader r(body);
    auto sound = std::make_shared<SoundDef>();
    sound->id = r.U16();
    const uint8_t format = r.U8();
    sound->format = format >> 4;
    static const int kRates[4] = {5512, 11025, 22050, 44100};
    sound->rate = kRates[(format >> 2) & 3];
    sound->is16Bit = format & 2;
    sound->stereo = format & 1;
    sound->sampleCount = r.U32();
    if (sound->format == 2)
        r.S16(); // seek samples
    const auto data = r.Rest();
    sound->data.assign(data.begin(), data.end());
    return sound;
}

} // namespace

std::shared_ptr<const MovieDefinition> MovieDefinition::Load(std::span<const uint8_t> file) {
    auto movie = std::make_shared<MovieDefinition>();
    SwfFile swf = ReadSwfFile(file);
    movie->version_ = swf.version;
    movie->frameRate_ = swf.frameRate > 0 ? swf.frameRate : 12;
    movie->stage_ = swf.frameRect;
    if (movie->stage_.Width() <= 0 || movie->stage_.Height() <= 0 || movie->stage_.Width() > 20 * kMaxStageSide ||
        movie->stage_.Height() > 20 * kMaxStageSide)
        throw MovieError("the movie's stage size is outside the sizes the player shows");
    MovieReader reader(*movie);
    reader.ReadRoot(std::span<const uint8_t>(swf.bytes).subspan(swf.tagsStart));
    return movie;
}

const Character* MovieDefinition::Find(uint16_t id) const {
    const auto it = dictionary_.find(id);
    return it == dictionary_.end() ? nullptr : it->second.get();
}

int TimelineDef::FrameOfLabel(const std::string& label) const {
    for (const auto& [name, frame] : labels)
        if (name.size() == label.size() &&
            std::equal(name.begin(), name.end(), label.begin(), [](char a, char b) { return std::tolower(a) == std::tolower(b); }))
            return frame;
    return -1;
}

void MovieReader::ReadRoot(std::span<const uint8_t> tags) { ReadTimeline(tags, movie_.root_, true); }

void MovieReader::Warn(const std::string& text) {
    if (movie_.warnings_.size() < kMaxWarnings)
        movie_.warnings_.push_back(text);
}

void MovieReader::Define(std::shared_ptr<Character> character) {
    movie_.dictionary_[character->id] = std::move(character);
}

void MovieReader::ReadTimeline(std::span<const uint8_t> data, TimelineDef& timeline, bool isRoot) {
    FrameDef frame;
    for (const SwfTag& tag : SplitTags(data)) {
        try {
            if (tag.code == 1) {
                if (++totalFrames_ > kMaxFrames)
                    throw MovieError("too many frames");
                timeline.frames.push_back(std::move(frame));
                frame = FrameDef{};
                continue;
            }
            if (ReadControlTag(tag, timeline, frame))
                continue;
            if (!isRoot)
                continue; // definitions inside sprites are not allowed
            if (tag.code == 39) {
                BitReader r(tag.body);
                auto sprite = std::make_shared<SpriteDef>();
                sprite->id = r.U16();
                r.U16();
                ReadTimeline(r.Rest(), sprite->timeline, false);
                Define(std::move(sprite));
                continue;
            }
            ReadDefinition(tag);
        } catch (const MovieError& e) {
            if (tag.code == 1)
                throw;
            Warn("tag " + std::to_string(tag.code) + ": " + e.what());
        }
    }
    // Tags after the last frame end are never shown; a timeline without any frame end still has
    // its one frame.
    if (timeline.frames.empty())
        timeline.frames.push_back(std::move(frame));
    for (size_t i = 0; i < timeline.frames.size(); ++i)
        if (!timeline.frames[i].label.empty())
            timeline.labels.emplace(timeline.frames[i].label, int(i));
}

bool MovieReader::ReadControlTag(const SwfTag& tag, TimelineDef& timeline, FrameDef& frame) {
    switch (tag.code) {
    case 4:
    case 26:
    case 70: frame.commands.push_back(ReadPlaceObject(tag.code, tag.body)); return true;
    case 5:
    case 28: frame.commands.push_back(ReadRemoveObject(tag.code, tag.body)); return true;
    case 12: frame.actions.emplace_back(tag.body.begin(), tag.body.end()); return true;
    case 15: {
        BitReader r(tag.body);
        const uint16_t id = r.U16();
        frame.sounds.push_back(ReadSoundStart(r, id));
        return true;
    }
    case 43: {
        BitReader r(tag.body);
        frame.label = r.String();
        return true;
    }
    case 18:
    case 45: timeline.stream = ReadStreamHead(tag.body); return true;
    case 19: frame.streamBlock.assign(tag.body.begin(), tag.body.end()); return true;
    case 9: {
        BitReader r(tag.body);
        movie_.background_ = ReadRgb(r);
        return true;
    }
    default: return false;
    }
}

void MovieReader::ReadDefinition(const SwfTag& tag) {
    switch (tag.code) {
    case 2:
    case 22:
    case 32: Define(ReadShape(tag.code, tag.body)); break;
    case 8: jpegTables_.assign(tag.body.begin(), tag.body.end()); break;
    case 6:
    case 20:
    case 21:
    case 35:
    case 36: Define(ReadBitmap(tag.code, tag.body, jpegTables_)); break;
    case 48: Define(ReadFont2(tag.body)); break;
    case 11:
    case 33: Define(ReadText(tag.code, tag.body)); break;
    case 37: Define(ReadEditText(tag.body, movie_.version_)); break;
    case 34: Define(ReadButton2(tag.body)); break;
    case 17: {
        BitReader r(tag.body);
        const uint16_t id = r.U16();
        const auto it = movie_.dictionary_.find(id);
        if (it == movie_.dictionary_.end() || it->second->Kind() != CharacterKind::Button)
            throw MovieError("sounds for a button that is not defined");
        auto button = std::make_shared<ButtonDef>(static_cast<const ButtonDef&>(*it->second));
        ReadButtonSound(tag.body, *button);
        Define(std::move(button));
        break;
    }
    case 14: Define(ReadDefineSound(tag.body)); break;
    default: break; // tags the player has no use for
    }
}

} // namespace player
