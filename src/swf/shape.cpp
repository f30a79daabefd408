#include "swf/shape.h"

#include "swf/bit_counts.h"
#include "swf/errors.h"
#include "swf/image.h"
#include "swf/movie.h"

#include <algorithm>

namespace swf {

TFlashShape::TFlashShape(TFlashMovie* owner)
    : TFlashVisualObject(owner), edges_(records_, [this] { return UnitsMultiplier(); }) {
    records_.push_back(std::make_unique<TSWFStyleChangeRecord>());
}

void TFlashShape::SetBounds(int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax) {
    const int32_t m = UnitsMultiplier();
    bounds_ = TSWFRect(xMin * m, yMin * m, xMax * m, yMax * m);
}

TSWFStyleChangeRecord* TFlashShape::StyleTarget() {
    if (!styleTargetLast_) {
        if (!records_.empty() && records_.front()->Kind == TShapeRecordKind::StyleChange)
            return static_cast<TSWFStyleChangeRecord*>(records_.front().get());
        return nullptr;
    }
    for (auto it = records_.rbegin(); it != records_.rend(); ++it)
        if ((*it)->Kind == TShapeRecordKind::StyleChange)
            return static_cast<TSWFStyleChangeRecord*>(it->get());
    return nullptr;
}

TSWFFillStyle* TFlashShape::AddFillStyle(std::unique_ptr<TSWFFillStyle> fill) {
    TSWFFillStyle* raw = fill.get();
    if (std::none_of(fills_.begin(), fills_.end(), [raw](const auto& f) { return f.get() == raw; }))
        fills_.push_back(std::move(fill));
    else
        (void)fill.release(); // already owned by the list
    if (raw->HasAlpha())
        hasAlpha_ = true;
    SelectFillStyle(raw);
    return raw;
}

void TFlashShape::SelectFillStyle(const TSWFFillStyle* fill) {
    for (size_t i = 0; i < fills_.size(); ++i)
        if (fills_[i].get() == fill)
            SetFillStyle1(uint16_t(i + 1));
}

TSWFLineStyle* TFlashShape::AddLineStyle(std::unique_ptr<TSWFLineStyle> line) {
    if (!line)
        line = std::make_unique<TSWFLineStyle>();
    TSWFLineStyle* raw = line.get();
    lines_.push_back(std::move(line));
    if (raw->Color.Alpha() != 255)
        hasAlpha_ = true;
    SetLineStyleIndex(uint16_t(lines_.size()));
    return raw;
}

TSWFColorFill* TFlashShape::SetSolidColor(TColor color) { return SetSolidColorRGBA((color & 0x00FFFFFF) | 0xFF000000u); }

TSWFColorFill* TFlashShape::SetSolidColorRGBA(uint32_t rgba) {
    return static_cast<TSWFColorFill*>(AddFillStyle(std::make_unique<TSWFColorFill>(TSWFRGBA::FromPacked(rgba))));
}

TSWFLineStyle* TFlashShape::SetLineStyle(int32_t width, TColor color) {
    return SetLineStyleRGBA(width, (color & 0x00FFFFFF) | 0xFF000000u);
}

TSWFLineStyle* TFlashShape::SetLineStyleRGBA(int32_t width, uint32_t rgba) {
    auto line = std::make_unique<TSWFLineStyle>();
    line->Width = uint16_t(std::clamp<int64_t>(int64_t(width) * UnitsMultiplier(), 0, 0xFFFF));
    line->Color = TSWFRGBA::FromPacked(rgba);
    return AddLineStyle(std::move(line));
}

void TFlashShape::SetFillStyle0(uint16_t index) {
    if (TSWFStyleChangeRecord* r = StyleTarget())
        r->SetFillStyle0(index);
}

void TFlashShape::SetFillStyle1(uint16_t index) {
    if (TSWFStyleChangeRecord* r = StyleTarget())
        r->SetFillStyle1(index);
}

void TFlashShape::SetLineStyleIndex(uint16_t index) {
    if (TSWFStyleChangeRecord* r = StyleTarget())
        r->SetLineStyle(index);
}

TSWFImageFill* TFlashShape::SetImageFill(TFlashImage* image, TImageFillKind kind, double scaleX, double scaleY) {
    if (image == nullptr)
        throw Error("shape " + std::to_string(CharacterId()) + ": bitmap fill without an image");
    const uint8_t type = kind == TImageFillKind::Repeating ? 0x40 : 0x41;
    auto fill = std::make_unique<TSWFImageFill>(type, image->CharacterId());
    if (kind == TImageFillKind::Stretched) {
        // 0.003662109375 = 240/65536 keeps the last bitmap row and column inside the shape.
        const double sx = image->Width() > 0 ? double(bounds_.Width()) / image->Width() + 0.003662109375 : 20.0;
        const double sy = image->Height() > 0 ? double(bounds_.Height()) / image->Height() + 0.003662109375 : 20.0;
        fill->Matrix.SetScale(std::min(sx, 16383.0), std::min(sy, 16383.0));
    } else {
        fill->Matrix.SetScale(scaleX * 20.0, scaleY * 20.0);
    }
    fill->Matrix.SetTranslate(bounds_.XMin() - 5, bounds_.YMin() - 5);
    auto* raw = static_cast<TSWFImageFill*>(AddFillStyle(std::move(fill)));
    if (Owner() != nullptr)
        Owner()->MoveBefore(image, this);
    return raw;
}

void TFlashShape::WriteToStream(TBitsEngine& be) {
    const uint16_t code = hasAlpha_ ? tagDefineShape3 : tagDefineShape2;
    int32_t widest = 0;
    for (const auto& l : lines_)
        widest = std::max<int32_t>(widest, l->Width);
    const int32_t grow = widest / 2;
    const TSWFRect shapeBounds(bounds_.XMin() - grow, bounds_.YMin() - grow, bounds_.XMax() + grow, bounds_.YMax() + grow);

    const size_t start = BeginTag(be);
    be.WriteWord(CharacterId());
    be.WriteRect(shapeBounds);
    WriteFillStyles(be, fills_, hasAlpha_);
    WriteLineStyles(be, lines_, hasAlpha_);
    const int fillBits = UnsignedBitCount(uint32_t(fills_.size()));
    const int lineBits = UnsignedBitCount(uint32_t(lines_.size()));
    be.WriteBits(uint32_t(fillBits), 4);
    be.WriteBits(uint32_t(lineBits), 4);
    try {
        WriteShapeRecords(be, records_, fillBits, lineBits, hasAlpha_);
    } catch (const Error& e) {
        throw Error("shape " + std::to_string(CharacterId()) + ": " + e.what());
    }
    EndTag(be, start, code);
}

} // namespace swf
