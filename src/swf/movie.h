#pragma once
// TFlashMovie: builds a movie. It hands out character IDs, creates and owns the high-level objects,
// records them with placements, removals and frame ends in one ordered list (its main timeline),
// and writes that list as the body of the file (MakeStream) before TBasedSWFStream saves it.
//
// Ownership: the movie owns every object it creates and returns raw observer pointers that stay
// valid for the movie's lifetime.

#include "swf/background_deflater.h"
#include "swf/deflate.h"
#include "swf/flash_object.h"
#include "swf/font.h"
#include "swf/records.h"
#include "swf/swf_stream.h"
#include "swf/timeline.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace swf {

class TFlashActionScript;
class TFlashButton;
class TFlashFont;
class TFlashImage;
class TFlashPlaceObject;
class TFlashSound;
class TFlashText;
class TFlashShape;
class TFlashSprite;

class TFlashMovie : public TBasedSWFStream {
public:
    TFlashMovie(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax, double frameRate, bool pixelUnits);
    ~TFlashMovie() override;

    // ---- object creation (IDs 1, 2, 3 ... in call order, whatever the kind)
    TFlashShape* AddShape();
    TFlashShape* AddRectangle(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax);
    TFlashShape* AddRectangle(const TRect& r) { return AddRectangle(r.Left, r.Top, r.Right, r.Bottom); }
    TFlashShape* AddRoundRect(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax, int32_t radius);
    TFlashShape* AddRoundRect(const TRect& r, int32_t radius) { return AddRoundRect(r.Left, r.Top, r.Right, r.Bottom, radius); }
    TFlashShape* AddEllipse(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax);
    TFlashShape* AddEllipse(const TRect& r) { return AddEllipse(r.Left, r.Top, r.Right, r.Bottom); }
    TFlashShape* AddDiamond(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax);
    TFlashShape* AddLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    // The points up to and including `lastIndex`.
    TFlashShape* AddPolygon(const std::vector<TPoint>& points, int lastIndex);
    TFlashShape* AddPolygon(const std::vector<TPoint>& points) { return AddPolygon(points, int(points.size()) - 1); }
    // An empty image when `fileName` is empty; otherwise loaded from the file. A file that cannot
    // be loaded throws swf::Error and adds nothing (no ID is used).
    TFlashImage* AddImage(const std::filesystem::path& fileName = {});
    // A sprite; when `object` is given it is placed inside at depth 1.
    TFlashSprite* AddSprite(TFlashVisualObject* object = nullptr);

    // A sound; loaded from the file when it exists (a missing file leaves it empty). ADPCM WAV
    // files throw swf::Error and add nothing.
    TFlashSound* AddSound(const std::filesystem::path& fileName);
    // A font: face, |height| in movie units, style and character set from `desc`. With
    // `deviceFont`, text fields use the player's font and glyphs are embedded only for static text.
    TFlashFont* AddFont(const TFontDesc& desc, bool deviceFont);
    // A static text in `font` (turned into a field by SetEditText); `rect` in movie units.
    TFlashText* AddText(std::u16string text, TSWFRGBA color, TFlashFont* font, const TRect& rect);
    // Where fonts get outlines and metrics (not owned; must outlive MakeStream).
    void SetGlyphSource(IGlyphSource* source) { glyphSource_ = source; }
    IGlyphSource* GlyphSource() const { return glyphSource_; }
    // Streams `sound` with the movie: a SoundStreamHead2 at the start, one SoundStreamBlock before
    // every frame end (null: none). The sound need not be in the movie's list.
    void SetStreamSound(TFlashSound* sound, bool loop = false);
    // A button: DefineButton2 when `isButton2` (TrackAsMenu as given), else the old DefineButton.
    TFlashButton* AddButton(bool trackAsMenu = false, bool isButton2 = true);

    // Gives a new object the next ID and appends it to the list; the generic form behind the
    // Add operations, open to the object kinds built elsewhere (sounds, fonts, texts, buttons).
    template <class T>
    T* AddCharacter(std::unique_ptr<T> object) {
        T* raw = object.get();
        raw->SetCharacterId(nextId_++);
        timeline_.Append(std::move(object));
        return raw;
    }
    // Appends a raw tag or other item to the timeline.
    TBasedSWFObject* AppendItem(std::unique_ptr<TBasedSWFObject> item) { return timeline_.Append(std::move(item)); }

    // ---- timeline
    TFlashPlaceObject* PlaceObject(TFlashVisualObject* object, uint16_t depth) { return timeline_.PlaceObject(object, depth); }
    // A modify-only placement (Move flag set, no character) of whatever is at `depth`.
    TFlashPlaceObject* MoveObject(uint16_t depth) { return timeline_.MoveObject(depth); }
    // RemoveObject (character and depth) when `object` is given, else RemoveObject2 (depth only).
    void RemoveObject(uint16_t depth, TFlashVisualObject* object = nullptr) { timeline_.RemoveObject(depth, object); }
    // Ends the frame; count 0 counts as 1.
    void ShowFrame(int count = 1);
    // The label of the frame being built (written by the next ShowFrame, before its actions).
    void SetFrameLabel(std::string label, bool namedAnchor = false) { timeline_.SetFrameLabel(std::move(label), namedAnchor); }
    // Frame actions of the frame being built: an object that writes DoAction; ShowFrame adds it.
    void SetPendingFrameActions(std::unique_ptr<TBasedSWFObject> actions) { timeline_.SetPendingFrameActions(std::move(actions)); }
    TBasedSWFObject* PendingFrameActions() const { return timeline_.PendingFrameActions(); }
    // The actions of the frame being built, created on first use; ShowFrame writes them as DoAction.
    TFlashActionScript* FrameActions() { return timeline_.FrameActions(); }
    int CurrentFrame() const { return timeline_.CurrentFrame(); }
    uint16_t MaxDepth() const { return timeline_.MaxDepth(); }

    TSWFRGB& BackgroundColor();
    void SetProtect(bool on, std::string passwordHash = {});
    void SetFileAttributes(bool on, std::string metadata = {});

    // ---- writing
    // Writes every tag into the body stream (emptied first, so a movie can be written again), at
    // the version the header will carry: the set version raised to what every item needs.
    virtual void MakeStream();
    // The version MakeStream writes at.
    int RequiredVersion() const;

    // ---- writing while building
    // Starts writing the body while the movie is still being built: the items added so far, and
    // those added before each WriteFinishedItems, become tags at once and are compressed on a
    // worker thread. `expectedFrames` is the frame count the finished movie will have. Items once
    // written must not change any more. When the finished movie differs from what was written
    // ahead (frame count, version, a definition moved into the written part, header fields),
    // MakeStream and SaveToStream write it from the start instead: the file is the same either
    // way. Only compressed movies without a stream sound are written ahead.
    // `sink` (when set) receives the compressed stream block by block as it is made: when the
    // movie then finishes ahead (StreamedAhead), the file head is all it lacks.
    void BeginEarlyWrite(uint16_t expectedFrames, TCompressedBlockSink sink = {});
    void WriteFinishedItems();
    // True while what was written ahead is still usable.
    bool WritingAhead() const { return early_ != nullptr; }
    // True when the last MakeStream finished what was written ahead (SaveToStream then only
    // copies the compressed bytes).
    bool FinishedAhead() const { return !precompressed_.Empty(); }
    // True when the sink of BeginEarlyWrite received everything SaveToStream would write after the
    // file head.
    bool StreamedAhead() const { return precompressedStreamed_ && CompressedAhead(); }

    // ---- the list and the per-kind indexes
    const std::vector<std::unique_ptr<TBasedSWFObject>>& Objects() const { return timeline_.Items(); }
    // Position of `item` in the object list, or -1.
    ptrdiff_t IndexOf(const TBasedSWFObject* item) const { return timeline_.IndexOf(item); }
    // Moves `item` to the position of `before` when it comes after it, so that a definition is
    // written before the object that uses it.
    void MoveBefore(const TBasedSWFObject* item, const TBasedSWFObject* before);
    const std::vector<TFlashShape*>& Shapes() const { return shapes_; }
    const std::vector<TFlashImage*>& Images() const { return images_; }
    const std::vector<TFlashSprite*>& Sprites() const { return sprites_; }

protected:
    const TCompressedBlocks* PrecompressedTailAndBody(const std::vector<uint8_t>& tail) const override;

private:
    struct TEarlyWrite;

    std::vector<uint8_t> PreludeBytes(int version);
    bool FinishEarlyWrite();
    TFlashShape* NewShapeWithBounds(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax);

    TFlashTimeline timeline_{this};
    uint16_t nextId_ = 1;
    std::vector<TFlashShape*> shapes_;
    std::vector<TFlashImage*> images_;
    std::vector<TFlashSprite*> sprites_;
    std::optional<TSWFRGB> background_;
    bool protect_ = false;
    std::string password_;
    bool fileAttributes_ = false;
    std::string metadata_;
    IGlyphSource* glyphSource_ = nullptr;
    TFlashSound* streamSound_ = nullptr;
    std::unique_ptr<TEarlyWrite> early_;
    // The compressed header tail and body of the last MakeStream that finished ahead, with the
    // tail and the checksum of the body they were made for.
    TCompressedBlocks precompressed_;
    std::vector<uint8_t> precompressedTail_;
    uint64_t precompressedBodyFingerprint_ = 0;
    bool precompressedStreamed_ = false;
};

} // namespace swf
