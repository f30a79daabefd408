#include "swf/movie.h"

#include "swf/actions.h"
#include "swf/background_deflater.h"
#include "swf/button.h"
#include "swf/control_tags.h"
#include "swf/edges.h"
#include "swf/image.h"
#include "swf/place_object.h"
#include "swf/shape.h"
#include "swf/sound.h"
#include "swf/sprite.h"
#include "swf/text.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace swf {

namespace {

// Tells whether the body changed since the movie was compressed ahead: four independent lanes of
// 8-byte words, each folded in by xor and a multiply by an odd constant. Every step is one-to-one
// in its lane, so a change of any one word always changes the result; it reads the body several
// times faster than a CRC, and the movie's last step waits for it.
uint64_t BodyFingerprint(const std::vector<uint8_t>& body) {
    constexpr uint64_t kOdd = 0x9E3779B97F4A7C15ull;
    uint64_t lanes[4] = {1, 2, 3, 4};
    const uint8_t* data = body.data();
    const size_t size = body.size();
    size_t at = 0;
    for (; at + 32 <= size; at += 32)
        for (int k = 0; k < 4; ++k) {
            uint64_t word;
            std::memcpy(&word, data + at + 8 * size_t(k), 8);
            lanes[k] = (lanes[k] ^ word) * kOdd;
        }
    for (; at < size; ++at)
        lanes[0] = (lanes[0] ^ data[at]) * kOdd;
    uint64_t result = size;
    for (uint64_t lane : lanes)
        result = (result ^ lane ^ (lane >> 29)) * kOdd;
    return result;
}

} // namespace

// What was written ahead of MakeStream: the worker compressing it and what it was made for.
struct TFlashMovie::TEarlyWrite {
    explicit TEarlyWrite(TCompressedBlockSink sink) : Streamed(bool(sink)), Deflater(std::move(sink)) {}
    bool Streamed; // the deflater hands its blocks to a sink
    TBackgroundDeflater Deflater;
    int Version = 0;
    uint16_t ExpectedFrames = 0;
    std::vector<uint8_t> Tail;
    std::vector<uint8_t> Prelude;
    size_t ItemsWritten = 0;
    int Frames = 0;
    bool PlacementWritten = false;
};

TFlashMovie::TFlashMovie(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax, double frameRate, bool pixelUnits)
    : TBasedSWFStream(xMin, yMin, xMax, yMax, frameRate, pixelUnits) {}

TFlashMovie::~TFlashMovie() = default;

TFlashShape* TFlashMovie::AddShape() {
    TFlashShape* shape = AddCharacter(std::make_unique<TFlashShape>(this));
    shapes_.push_back(shape);
    return shape;
}

TFlashShape* TFlashMovie::NewShapeWithBounds(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax) {
    TFlashShape* shape = AddShape();
    shape->SetBounds(xMin, yMin, xMax, yMax);
    return shape;
}

TFlashShape* TFlashMovie::AddRectangle(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax) {
    TFlashShape* shape = NewShapeWithBounds(xMin, yMin, xMax, yMax);
    shape->Edges().MoveTo(xMin, yMin);
    shape->Edges().Rectangle(xMax - xMin, yMax - yMin);
    shape->Edges().EndShape();
    return shape;
}

TFlashShape* TFlashMovie::AddRoundRect(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax, int32_t radius) {
    TFlashShape* shape = NewShapeWithBounds(xMin, yMin, xMax, yMax);
    shape->Edges().MoveTo(xMin, yMin);
    shape->Edges().RoundRect(xMax - xMin, yMax - yMin, radius);
    shape->Edges().EndShape();
    return shape;
}

TFlashShape* TFlashMovie::AddEllipse(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax) {
    TFlashShape* shape = NewShapeWithBounds(xMin, yMin, xMax, yMax);
    shape->Edges().MoveTo(xMin, yMin);
    shape->Edges().Ellipse(xMax - xMin, yMax - yMin);
    shape->Edges().EndShape();
    return shape;
}

TFlashShape* TFlashMovie::AddDiamond(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax) {
    TFlashShape* shape = NewShapeWithBounds(xMin, yMin, xMax, yMax);
    shape->Edges().MoveTo(xMin + (xMax - xMin) / 2, yMin);
    shape->Edges().Diamond(xMax - xMin, yMax - yMin);
    shape->Edges().EndShape();
    return shape;
}

TFlashShape* TFlashMovie::AddLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    TFlashShape* shape = NewShapeWithBounds(x1, y1, x2, y2);
    shape->Edges().MoveTo(x1, y1);
    shape->Edges().LineTo(x2, y2);
    return shape;
}

TFlashShape* TFlashMovie::AddPolygon(const std::vector<TPoint>& points, int lastIndex) {
    lastIndex = std::min(lastIndex, int(points.size()) - 1);
    if (lastIndex < 0)
        return AddShape();
    int32_t xMin = points[0].X, xMax = points[0].X, yMin = points[0].Y, yMax = points[0].Y;
    for (int i = 1; i <= lastIndex; ++i) {
        xMin = std::min(xMin, points[size_t(i)].X);
        xMax = std::max(xMax, points[size_t(i)].X);
        yMin = std::min(yMin, points[size_t(i)].Y);
        yMax = std::max(yMax, points[size_t(i)].Y);
    }
    TFlashShape* shape = NewShapeWithBounds(xMin, yMin, xMax, yMax);
    shape->Edges().Polyline(points, lastIndex);
    shape->Edges().CloseShape();
    shape->Edges().EndShape();
    return shape;
}

TFlashImage* TFlashMovie::AddImage(const std::filesystem::path& fileName) {
    // Loaded before it joins the list: a file that fails to load leaves no empty bitmap behind.
    auto image = std::make_unique<TFlashImage>(this);
    if (!fileName.empty())
        image->LoadFromFile(fileName);
    TFlashImage* raw = AddCharacter(std::move(image));
    images_.push_back(raw);
    return raw;
}

TFlashSprite* TFlashMovie::AddSprite(TFlashVisualObject* object) {
    TFlashSprite* sprite = AddCharacter(std::make_unique<TFlashSprite>(this));
    sprites_.push_back(sprite);
    if (object != nullptr)
        sprite->PlaceObject(object, 1);
    return sprite;
}

TFlashSound* TFlashMovie::AddSound(const std::filesystem::path& fileName) {
    auto sound = std::make_unique<TFlashSound>(this);
    std::error_code ec;
    if (!fileName.empty() && std::filesystem::is_regular_file(fileName, ec))
        sound->LoadFromFile(fileName);
    return AddCharacter(std::move(sound));
}

TFlashFont* TFlashMovie::AddFont(const TFontDesc& desc, bool deviceFont) {
    auto font = std::make_unique<TFlashFont>(this);
    font->SetFace(desc.Name, desc.Bold, desc.Italic);
    font->SetSize(std::abs(desc.Height) * UnitsMultiplier());
    font->SetDeviceFont(deviceFont);
    font->SetCharset(desc.Charset);
    return AddCharacter(std::move(font));
}

TFlashText* TFlashMovie::AddText(std::u16string text, TSWFRGBA color, TFlashFont* font, const TRect& rect) {
    TFlashText* item = AddCharacter(std::make_unique<TFlashText>(this, font));
    item->SetWideText(std::move(text));
    item->Color() = color;
    item->SetBounds(rect);
    return item;
}

void TFlashMovie::SetStreamSound(TFlashSound* sound, bool loop) {
    streamSound_ = sound;
    if (sound != nullptr)
        sound->SetStreamLoop(loop);
}

TFlashButton* TFlashMovie::AddButton(bool trackAsMenu, bool isButton2) {
    return AddCharacter(std::make_unique<TFlashButton>(this, trackAsMenu, isButton2));
}

void TFlashMovie::ShowFrame(int count) {
    timeline_.ShowFrame(count);
    SetFrameCount(timeline_.FrameCount());
}

TSWFRGB& TFlashMovie::BackgroundColor() {
    if (!background_)
        background_.emplace();
    return *background_;
}

void TFlashMovie::SetProtect(bool on, std::string passwordHash) {
    protect_ = on;
    password_ = std::move(passwordHash);
}

void TFlashMovie::SetFileAttributes(bool on, std::string metadata) {
    fileAttributes_ = on;
    metadata_ = std::move(metadata);
}

int TFlashMovie::RequiredVersion() const {
    int v = timeline_.MinVersion(Version());
    if (fileAttributes_)
        v = std::max(v, TSWFFileAttributes().MinVersion());
    if (protect_)
        v = std::max(v, TSWFProtect(password_).MinVersion());
    if (streamSound_ != nullptr)
        v = std::max(v, streamSound_->MinVersion());
    return v;
}

void TFlashMovie::MoveBefore(const TBasedSWFObject* item, const TBasedSWFObject* before) {
    const ptrdiff_t to = timeline_.MoveBefore(item, before);
    // A definition moved in among the tags written ahead: what was written is no longer the movie.
    if (early_ && to >= 0 && size_t(to) < early_->ItemsWritten)
        early_.reset();
}

std::vector<uint8_t> TFlashMovie::PreludeBytes(int version) {
    std::vector<uint8_t> bytes;
    TBitsEngine be(bytes, version);
    if (fileAttributes_) {
        TSWFFileAttributes attributes;
        attributes.HasMetadata = !metadata_.empty();
        attributes.WriteToStream(be);
        if (!metadata_.empty())
            TSWFMetadata(metadata_).WriteToStream(be);
    }
    if (background_)
        TSWFSetBackgroundColor(*background_).WriteToStream(be);
    if (protect_)
        TSWFProtect(password_).WriteToStream(be);
    return bytes;
}

void TFlashMovie::BeginEarlyWrite(uint16_t expectedFrames, TCompressedBlockSink sink) {
    early_.reset();
    if (!Compressed() || streamSound_ != nullptr)
        return;
    early_ = std::make_unique<TEarlyWrite>(std::move(sink));
    early_->Version = RequiredVersion();
    early_->ExpectedFrames = expectedFrames;
    early_->Tail = HeaderTail(expectedFrames);
    early_->Prelude = PreludeBytes(early_->Version);
    early_->Deflater.Write(early_->Tail);
    early_->Deflater.Write(early_->Prelude);
    BodyStream() = early_->Prelude;
    WriteFinishedItems();
}

void TFlashMovie::WriteFinishedItems() {
    if (!early_)
        return;
    const auto& items = timeline_.Items();
    for (size_t i = early_->ItemsWritten; i < items.size(); ++i)
        if (items[i]->MinVersion() > early_->Version) {
            early_.reset(); // the header's version would change: everything is written again
            return;
        }
    std::vector<uint8_t> piece;
    TBitsEngine be(piece, early_->Version);
    const TFlashTimeline::TWriteResult written = timeline_.WriteItems(be, {}, early_->ItemsWritten);
    early_->ItemsWritten = items.size();
    early_->Frames += written.FramesWritten;
    early_->PlacementWritten = early_->PlacementWritten || written.PlacementWritten;
    std::vector<uint8_t>& body = BodyStream();
    body.insert(body.end(), piece.begin(), piece.end());
    early_->Deflater.Write(std::move(piece));
}

bool TFlashMovie::FinishEarlyWrite() {
    if (RequiredVersion() != early_->Version || streamSound_ != nullptr || PreludeBytes(early_->Version) != early_->Prelude)
        return false;
    WriteFinishedItems();
    if (!early_)
        return false;
    std::vector<uint8_t> closing;
    TBitsEngine be(closing, early_->Version);
    int frames = early_->Frames;
    if (frames == 0 && early_->PlacementWritten) {
        TSWFShowFrame().WriteToStream(be);
        ++frames;
    }
    if (!timeline_.EndsWithEnd())
        TSWFEnd().WriteToStream(be);
    if (frames != early_->ExpectedFrames)
        return false;
    std::vector<uint8_t>& body = BodyStream();
    body.insert(body.end(), closing.begin(), closing.end());
    early_->Deflater.Write(std::move(closing));
    // Summed while the worker compresses what is left, not after it.
    precompressedBodyFingerprint_ = BodyFingerprint(body);
    precompressed_ = early_->Deflater.Finish();
    precompressedStreamed_ = early_->Streamed;
    precompressedTail_ = std::move(early_->Tail);
    SetFrameCount(uint16_t(frames));
    if (early_->Version > Version())
        SetVersion(early_->Version);
    NotifyProgress(100, 1);
    return true;
}

const TCompressedBlocks* TFlashMovie::PrecompressedTailAndBody(const std::vector<uint8_t>& tail) const {
    if (precompressed_.Empty() || tail != precompressedTail_ ||
        BodyFingerprint(BodyStream()) != precompressedBodyFingerprint_)
        return nullptr;
    return &precompressed_;
}

void TFlashMovie::MakeStream() {
    precompressed_ = {};
    precompressedTail_.clear();
    precompressedStreamed_ = false;
    if (early_) {
        bool finished = false;
        try {
            finished = FinishEarlyWrite();
        } catch (...) {
            early_.reset();
            throw;
        }
        early_.reset();
        if (finished)
            return;
    }
    std::vector<uint8_t>& body = BodyStream();
    body.clear();
    // Everything is written at the header's version, so that strings and records agree with it
    // whichever item raised it.
    const int v = RequiredVersion();
    body = PreludeBytes(v);
    TBitsEngine be(body, v);
    if (streamSound_ != nullptr)
        streamSound_->WriteStreamHead(be, FrameRate());
    int lastPercent = -1;
    TFlashTimeline::TWriteHooks hooks;
    hooks.BeforeItem = [&](size_t index, size_t count) {
        const int percent = int(std::lround(100.0 * double(index + 1) / double(count)));
        if (percent != lastPercent) {
            NotifyProgress(percent, 1);
            lastPercent = percent;
        }
    };
    if (streamSound_ != nullptr)
        hooks.BeforeShowFrame = [&] { streamSound_->WriteStreamBlock(be); };
    TFlashTimeline::TWriteResult written = timeline_.WriteItems(be, hooks);

    if (written.FramesWritten == 0 && written.PlacementWritten) {
        if (streamSound_ != nullptr)
            streamSound_->WriteStreamBlock(be);
        TSWFShowFrame().WriteToStream(be);
        ++written.FramesWritten;
    }
    if (!timeline_.EndsWithEnd())
        TSWFEnd().WriteToStream(be);
    SetFrameCount(uint16_t(written.FramesWritten));
    if (v > Version())
        SetVersion(v);
}

} // namespace swf
