#pragma once
// TFlashFont: an embedded font (DefineFont2) that collects the characters its texts use;
// TFlashChar: one character's outline (shape records in EM units of 1024) and advance.

#include "swf/flash_object.h"
#include "swf/glyph_source.h"
#include "swf/shape_records.h"

#include <memory>
#include <string>
#include <vector>

namespace swf {

enum TFontEncoding : uint8_t { feANSI = 0, feShiftJIS = 1, feWide = 2 };

// What AddFont takes: the face, its height (movie units), style and character set.
struct TFontDesc {
    std::string Name;
    int32_t Height = 12;
    bool Bold = false;
    bool Italic = false;
    int Charset = 0;
};

struct TFlashChar {
    uint8_t AnsiCode = 0;
    char16_t WideCode = 0;
    bool Used = true;
    bool OutlineReady = false;
    TShapeRecordList Outline; // EM units, Y down
    int32_t Advance = 0;      // EM units
};

class TFlashFont : public TFlashIDObject {
public:
    explicit TFlashFont(TFlashMovie* owner) : TFlashIDObject(owner) {}

    void SetFace(std::string name, bool bold, bool italic);
    const std::string& Name() const { return name_; }
    bool Bold() const { return bold_; }
    bool Italic() const { return italic_; }
    int32_t Size() const { return size_; }
    void SetSize(int32_t twips) { size_ = twips; }
    bool DeviceFont() const { return deviceFont_; }
    void SetDeviceFont(bool on) { deviceFont_ = on; }
    uint8_t Encoding() const { return encoding_; }
    uint8_t LanguageCode() const { return language_; }
    void SetSmallText(bool on) { smallText_ = on; }
    void SetCharset(int charset);

    // Characters by code point (UTF-8 text for AddChars). Codes from 256 on make the font wide.
    void AddChars(std::string_view utf8);
    void AddWideChars(std::u16string_view text);
    void AddChar(char32_t code);
    bool Wide() const { return wide_; }
    const std::vector<std::unique_ptr<TFlashChar>>& Chars() const { return chars_; }

    // Usage: texts register themselves; 1 = static text, 2 = text field.
    void AddUser(bool textField) { ++(textField ? fieldUsers_ : staticUsers_); }
    void RemoveUser(bool textField) { --(textField ? fieldUsers_ : staticUsers_); }
    int UsageFlags() const { return (staticUsers_ > 0 ? 1 : 0) | (fieldUsers_ > 0 ? 2 : 0); }
    void RequestLayout() { layoutRequested_ = true; }
    bool EmbedsGlyphs() const { return !deviceFont_ || staticUsers_ > 0; }

    // Loads outlines and metrics from the movie's glyph source. Throws swf::Error when glyphs are
    // needed and no source (or no face) can give them.
    void PrepareGlyphs();
    const TGlyphMetrics& Metrics() const { return metrics_; }
    // The characters in the order glyphs, codes and text indices use: ascending ANSI codes for an
    // ANSI font, ascending wide codes for a wide one.
    std::vector<const TFlashChar*> GlyphOrder() const;
    // Position of `code` in GlyphOrder, or -1.
    int GlyphIndex(char32_t code) const;

    // Wide character codes need version 6.
    int MinVersion() const override { return wide_ ? 6 : 3; }
    void WriteToStream(TBitsEngine& be) override;

private:
    void LoadOutline(IGlyphSource& source, TFlashChar& c);
    bool WideCodes() const { return encoding_ == feWide || wide_; }

    std::string name_;
    bool bold_ = false;
    bool italic_ = false;
    int32_t size_ = 0;
    bool deviceFont_ = false;
    uint8_t encoding_ = feANSI;
    uint8_t language_ = 0;
    bool smallText_ = false;
    bool wide_ = false;
    bool layoutRequested_ = false;
    bool metricsReady_ = false;
    TGlyphMetrics metrics_;
    int staticUsers_ = 0;
    int fieldUsers_ = 0;
    std::vector<std::unique_ptr<TFlashChar>> chars_;
};

} // namespace swf
