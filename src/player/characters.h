#pragma once
// The characters of a movie's dictionary as the player keeps them after reading their tags:
// shapes as painter paths, bitmaps as images, fonts as glyph paths, texts, buttons, sprites and
// sounds. They are immutable once read and shared by every instance on the stage.

#include "player/records.h"
#include "player/swf_file.h"

#include <QImage>
#include <QPainterPath>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace player {

enum class CharacterKind { Shape, Bitmap, Font, Text, EditText, Button, Sprite, Sound };

struct Character {
    virtual ~Character() = default;
    virtual CharacterKind Kind() const = 0;
    uint16_t id = 0;
};

// ---- shapes

struct GradientStop {
    double ratio = 0; // 0..1
    Rgba color;
};

struct FillStyle {
    enum class Type { Solid, LinearGradient, RadialGradient, Bitmap };
    Type type = Type::Solid;
    Rgba color;
    Matrix matrix; // gradient square or bitmap pixels to shape twips
    std::vector<GradientStop> stops;
    int spread = 0; // 0 pad, 1 reflect, 2 repeat
    uint16_t bitmapId = 0;
    bool bitmapRepeats = true;
    bool bitmapSmoothed = true;
};

struct LineStyle {
    uint16_t width = 0; // twips
    Rgba color;
};

// One painted layer of a shape, in drawing order: a filled region or a stroked line.
struct ShapeLayer {
    QPainterPath path; // twips
    bool isLine = false;
    FillStyle fill;
    LineStyle line;
};

struct ShapeDef : Character {
    CharacterKind Kind() const override { return CharacterKind::Shape; }
    SwfRect bounds;
    std::vector<ShapeLayer> layers;
};

struct BitmapDef : Character {
    CharacterKind Kind() const override { return CharacterKind::Bitmap; }
    QImage image; // Format_ARGB32_Premultiplied
};

// ---- text

struct FontDef : Character {
    CharacterKind Kind() const override { return CharacterKind::Font; }
    std::string name;
    bool bold = false;
    bool italic = false;
    std::vector<QPainterPath> glyphs; // EM square of 1024
    std::vector<uint16_t> codes;
    std::vector<int16_t> advances; // empty without layout
    int ascent = 0, descent = 0, leading = 0;
    // The glyph of a character code, or -1.
    int GlyphOf(uint16_t code) const;
};

struct GlyphEntry {
    uint32_t index = 0;
    int32_t advance = 0;
};

struct TextRun {
    uint16_t fontId = 0;
    Rgba color;
    int32_t x = 0, y = 0; // twips, baseline
    uint16_t height = 0;  // twips
    std::vector<GlyphEntry> glyphs;
};

struct TextDef : Character {
    CharacterKind Kind() const override { return CharacterKind::Text; }
    SwfRect bounds;
    Matrix matrix;
    std::vector<TextRun> runs;
};

struct EditTextDef : Character {
    CharacterKind Kind() const override { return CharacterKind::EditText; }
    SwfRect bounds;
    bool wordWrap = false, multiline = false, password = false, readOnly = false;
    bool autoSize = false, noSelect = false, border = false, html = false, useOutlines = false;
    uint16_t fontId = 0;
    uint16_t fontHeight = 240;
    Rgba color{0, 0, 0, 255};
    uint16_t maxLength = 0;
    int align = 0; // 0 left, 1 right, 2 centre, 3 justify
    uint16_t leftMargin = 0, rightMargin = 0, indent = 0;
    int16_t leading = 0;
    std::string variableName;
    std::u16string initialText;
};

// ---- timelines

// One display-list change of a frame: a placement (new or modifying), or a removal.
struct DisplayCommand {
    bool remove = false;
    uint16_t depth = 0;
    bool move = false;
    std::optional<uint16_t> characterId;
    std::optional<Matrix> matrix;
    std::optional<ColorTransform> colorTransform;
    std::optional<uint16_t> ratio;
    std::string name;
    uint16_t clipDepth = 0;
};

struct SoundStart {
    uint16_t soundId = 0;
    bool stop = false;       // SyncStop: stop this sound instead
    bool noMultiple = false; // do not start while it plays
    uint16_t loops = 1;
    uint32_t inPoint = 0, outPoint = 0; // samples at 44 kHz; outPoint 0 = to the end
};

struct FrameDef {
    std::vector<DisplayCommand> commands;
    std::vector<std::vector<uint8_t>> actions;
    std::vector<SoundStart> sounds;
    std::string label;
    // This frame's stream-sound data (MP3 frames or PCM), empty when none.
    std::vector<uint8_t> streamBlock;
};

// The stream sound a timeline carries: its format and where each frame's data starts.
struct StreamSoundDef {
    int format = 0; // 0/3 PCM, 1 ADPCM, 2 MP3
    int rate = 44100;
    bool is16Bit = true;
    bool stereo = false;
};

struct TimelineDef {
    std::vector<FrameDef> frames;
    std::map<std::string, int> labels;
    std::optional<StreamSoundDef> stream;
    int FrameOfLabel(const std::string& label) const;
};

struct SpriteDef : Character {
    CharacterKind Kind() const override { return CharacterKind::Sprite; }
    TimelineDef timeline;
};

// ---- buttons

enum ButtonStateBit : uint8_t { kStateUp = 1, kStateOver = 2, kStateDown = 4, kStateHit = 8 };

// Condition bits in the order the first condition byte carries them, then the last bit of the
// second byte shifted above.
enum ButtonCondition : uint16_t {
    kIdleToOverUp = 1 << 0,
    kOverUpToIdle = 1 << 1,
    kOverUpToOverDown = 1 << 2,
    kOverDownToOverUp = 1 << 3,
    kOverDownToOutDown = 1 << 4,
    kOutDownToOverDown = 1 << 5,
    kOutDownToIdle = 1 << 6,
    kIdleToOverDown = 1 << 7,
    kOverDownToIdle = 1 << 8,
};

struct ButtonRecord {
    uint8_t states = 0; // ButtonStateBit set
    uint16_t characterId = 0;
    uint16_t depth = 0;
    Matrix matrix;
    ColorTransform colorTransform;
};

struct ButtonCondAction {
    uint16_t conditions = 0;
    std::vector<uint8_t> actions;
};

struct ButtonDef : Character {
    CharacterKind Kind() const override { return CharacterKind::Button; }
    bool trackAsMenu = false;
    std::vector<ButtonRecord> records;
    std::vector<ButtonCondAction> actions;
    // Sounds of the transitions over-up to idle, idle to over-up, over-up to over-down and
    // over-down to over-up (sound id 0: none).
    std::array<SoundStart, 4> sounds{};
};

// ---- sounds

struct SoundDef : Character {
    CharacterKind Kind() const override { return CharacterKind::Sound; }
    int format = 0; // 0/3 PCM, 1 ADPCM, 2 MP3, 6 Nellymoser ...
    int rate = 44100;
    bool is16Bit = true;
    bool stereo = false;
    uint32_t sampleCount = 0;
    std::vector<uint8_t> data; // as stored (MP3: without the seek samples)
};

} // namespace player
