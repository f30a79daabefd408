#include "swf/movie.h"

#include "swf/actions.h"
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

namespace swf {

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

TFlashActionScript* TFlashMovie::FrameActions() {
    if (auto* script = dynamic_cast<TFlashActionScript*>(pendingActions_.get()))
        return script;
    auto script = std::make_unique<TFlashActionScript>(this);
    TFlashActionScript* raw = script.get();
    pendingActions_ = std::move(script);
    return raw;
}

TBasedSWFObject* TFlashMovie::AppendItem(std::unique_ptr<TBasedSWFObject> item) {
    objects_.push_back(std::move(item));
    return objects_.back().get();
}

TFlashPlaceObject* TFlashMovie::PlaceObject(TFlashVisualObject* object, uint16_t depth) {
    auto place = std::make_unique<TFlashPlaceObject>(this, object, depth);
    TFlashPlaceObject* raw = place.get();
    objects_.push_back(std::move(place));
    maxDepth_ = std::max(maxDepth_, depth);
    return raw;
}

TFlashPlaceObject* TFlashMovie::MoveObject(uint16_t depth) {
    TFlashPlaceObject* place = PlaceObject(nullptr, depth);
    place->SetMove(true);
    return place;
}

void TFlashMovie::RemoveObject(uint16_t depth, TFlashVisualObject* object) {
    if (object != nullptr)
        objects_.push_back(std::make_unique<TSWFRemoveObject>(object->CharacterId(), depth));
    else
        objects_.push_back(std::make_unique<TSWFRemoveObject2>(depth));
}

void TFlashMovie::SetFrameLabel(std::string label, bool namedAnchor) {
    pendingLabel_ = std::move(label);
    pendingAnchor_ = namedAnchor;
}

void TFlashMovie::ShowFrame(int count) {
    if (!pendingLabel_.empty()) {
        objects_.push_back(std::make_unique<TSWFFrameLabel>(std::move(pendingLabel_), pendingAnchor_));
        pendingLabel_.clear();
        pendingAnchor_ = false;
    }
    if (pendingActions_)
        objects_.push_back(std::move(pendingActions_));
    for (int i = 0; i < std::max(count, 1); ++i) {
        objects_.push_back(std::make_unique<TSWFShowFrame>());
        SetFrameCount(uint16_t(FrameCount() + 1));
    }
    currentFrame_ = FrameCount() - 1;
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

ptrdiff_t TFlashMovie::IndexOf(const TBasedSWFObject* item) const {
    // From the end: the objects asked about are mostly the ones created last.
    for (size_t i = objects_.size(); i-- > 0;)
        if (objects_[i].get() == item)
            return ptrdiff_t(i);
    return -1;
}

void TFlashMovie::MoveBefore(const TBasedSWFObject* item, const TBasedSWFObject* before) {
    // Walk back from the end until `before` is met; only an `item` seen on the way needs moving.
    // In the usual case (definition already first) this stops at the recently created `before`.
    ptrdiff_t from = -1;
    ptrdiff_t to = -1;
    for (size_t i = objects_.size(); i-- > 0;) {
        const TBasedSWFObject* current = objects_[i].get();
        if (current == item)
            from = ptrdiff_t(i);
        else if (current == before) {
            to = ptrdiff_t(i);
            break;
        }
    }
    if (from < 0 || to < 0)
        return;
    std::unique_ptr<TBasedSWFObject> moving = std::move(objects_[size_t(from)]);
    objects_.erase(objects_.begin() + from);
    objects_.insert(objects_.begin() + to, std::move(moving));
}

void TFlashMovie::MakeStream() {
    std::vector<uint8_t>& body = BodyStream();
    body.clear();
    TBitsEngine be(body);
    int v = Version();
    writingVersion_ = v;

    if (fileAttributes_) {
        TSWFFileAttributes attributes;
        attributes.HasMetadata = !metadata_.empty();
        attributes.WriteToStream(be);
        v = std::max(v, attributes.MinVersion());
        if (!metadata_.empty())
            TSWFMetadata(metadata_).WriteToStream(be);
    }
    if (background_)
        TSWFSetBackgroundColor(*background_).WriteToStream(be);
    if (protect_) {
        TSWFProtect protect(password_);
        protect.WriteToStream(be);
        v = std::max(v, protect.MinVersion());
    }

    if (streamSound_ != nullptr) {
        streamSound_->WriteStreamHead(be, FrameRate());
        v = std::max(v, streamSound_->MinVersion());
    }

    bool placementSeen = false;
    int framesWritten = 0;
    const size_t count = objects_.size();
    int lastPercent = -1;
    for (size_t i = 0; i < count; ++i) {
        TBasedSWFObject* item = objects_[i].get();
        const int percent = int(std::lround(100.0 * double(i + 1) / double(count)));
        if (percent != lastPercent) {
            NotifyProgress(percent, 1);
            lastPercent = percent;
        }
        v = std::max(v, item->MinVersion());
        writingVersion_ = v;
        if (item->LibraryLevel() == 0) {
            auto* tag = static_cast<TSWFObject*>(item);
            const uint16_t code = tag->TagCode();
            if (code == tagShowFrame) {
                ++framesWritten;
                if (streamSound_ != nullptr)
                    streamSound_->WriteStreamBlock(be);
            }
            else if (code == tagPlaceObject || code == tagPlaceObject2 || code == tagPlaceObject3)
                placementSeen = true;
            else if (code == tagFrameLabel)
                static_cast<TSWFFrameLabel*>(tag)->Utf8 = v >= 6;
        } else if (auto* place = dynamic_cast<TFlashPlaceObject*>(item)) {
            place->SetWriteVersion(v);
            placementSeen = true;
        }
        item->WriteToStream(be);
    }
    if (framesWritten == 0 && placementSeen) {
        if (streamSound_ != nullptr)
            streamSound_->WriteStreamBlock(be);
        TSWFShowFrame().WriteToStream(be);
        ++framesWritten;
    }
    const bool endsWithEnd = count > 0 && objects_.back()->LibraryLevel() == 0 &&
                             static_cast<TSWFObject*>(objects_.back().get())->TagCode() == tagEnd;
    if (!endsWithEnd)
        TSWFEnd().WriteToStream(be);
    SetFrameCount(uint16_t(framesWritten));
    if (v > Version())
        SetVersion(v);
}

} // namespace swf
