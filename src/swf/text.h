#pragma once
// TFlashText: one text item, written as static text (DefineText, or DefineText2 for a colour with
// alpha) or as a text field (DefineEditText).

#include "swf/flash_object.h"
#include "swf/records.h"

#include <optional>
#include <string>

namespace swf {

class TFlashFont;

enum TTextAlign : uint8_t { taLeft = 0, taRight = 1, taCenter = 2, taJustify = 3 };

class TFlashText : public TFlashVisualObject {
public:
    // Registers with the font as a static text.
    TFlashText(TFlashMovie* owner, TFlashFont* font);
    ~TFlashText() override;

    // ANSI text (UTF-8 in memory, characters up to U+00FF expected) and wide text; either adds its
    // characters to the font.
    void SetText(std::string utf8);
    void SetWideText(std::u16string text);
    const std::u32string& Text() const { return text_; }
    bool IsWide() const { return wide_; }

    TFlashFont* Font() const { return font_; }
    void SetFontHeight(int32_t height); // movie units
    int32_t FontHeight() const { return fontHeight_; } // twips
    void SetFontHeightTwips(int32_t twips) { fontHeight_ = twips; }
    TSWFRGBA& Color() { return color_; }
    void SetBounds(const TRect& r); // movie units
    const TSWFRect& Bounds() const { return bounds_; }
    std::optional<TSWFMatrix>& TextMatrix() { return matrix_; }
    void SetLetterSpacing(int32_t twips) { letterSpacing_ = twips; }

    // ---- text-field options
    void SetEditText(bool on);
    bool IsEditText() const { return editText_; }
    void SetAlign(uint8_t align);
    void SetLeftMargin(int32_t v);
    void SetRightMargin(int32_t v);
    void SetIndent(int32_t v);
    void SetLeading(int32_t v);
    void SetMaxLength(uint16_t v) { maxLength_ = v; hasMaxLength_ = true; }
    void SetHTML(bool on);
    void SetUseOutlines(bool on);
    void SetVariableName(std::string name) { variableName_ = std::move(name); }
    bool AutoSize = false;
    bool Border = false;
    bool Multiline = false;
    bool NoSelect = true;
    bool Password = false;
    bool ReadOnly = true;
    bool WordWrap = false;
    bool UseOutlines() const { return useOutlines_; }

    int MinVersion() const override { return editText_ ? 4 : 3; }
    void WriteToStream(TBitsEngine& be) override;

private:
    void TurnLayoutOn();
    void WriteStaticText(TBitsEngine& be);
    void WriteEditText(TBitsEngine& be);

    TFlashFont* font_;
    std::u32string text_;
    bool wide_ = false;
    int32_t fontHeight_ = 0;
    TSWFRGBA color_;
    TSWFRect bounds_;
    std::optional<TSWFMatrix> matrix_;
    int32_t letterSpacing_ = 0;
    bool editText_ = false;
    bool html_ = false;
    bool useOutlines_ = false;
    bool hasLayout_ = false;
    uint8_t align_ = taLeft;
    int32_t leftMargin_ = 0;
    int32_t rightMargin_ = 0;
    int32_t indent_ = 0;
    int32_t leading_ = 0;
    bool hasMaxLength_ = false;
    uint16_t maxLength_ = 0;
    std::string variableName_;
};

} // namespace swf
