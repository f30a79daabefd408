#include "movie/text_character.h"

#include "movie/movie_limits.h"
#include "movie/registration.h"
#include "platform/freetype_glyph_source.h"
#include "swf/colors.h"
#include "swf/font.h"
#include "swf/movie.h"
#include "swf/text.h"

#include <cstdlib>

namespace vantora {
namespace {

swf::TFlashText* AddTextItem(swf::TFlashMovie& movie, const TDemoObject& object, std::u16string text) {
    const TObjectFont& font = object.Font;
    swf::TFontDesc desc;
    desc.Name = font.Name;
    desc.Height = font.Height;
    desc.Bold = font.Bold;
    desc.Italic = font.Italic;
    desc.Charset = font.Charset;
    swf::TFlashFont* movieFont = CheckedCharacter(movie.AddFont(desc, true));
    const swf::TSWFRGBA colour = swf::TSWFRGBA::FromPacked(swf::SWFRGBA(font.Color, 255));
    return CheckedCharacter(movie.AddText(std::move(text), colour, movieFont, RegistrationRect(object)));
}

// The field's alignment code for the object's "Left", "Center" and "Right".
std::uint8_t FieldAlign(std::int32_t alignment) {
    switch (alignment) {
    case 1: return 2;
    case 2: return 1;
    default: return 0;
    }
}

} // namespace

swf::TFlashText* BuildLabelText(swf::TFlashMovie& movie, const TDemoObject& label) {
    return AddTextItem(movie, label, WideText(label.Text));
}

swf::TFlashText* BuildTextField(swf::TFlashMovie& movie, const TDemoObject& object) {
    swf::TFlashText* field = AddTextItem(movie, object, WideText(object.Text));
    field->SetAlign(FieldAlign(object.Alignment));
    field->SetEditText(true);
    field->Multiline = true;
    field->WordWrap = true;
    field->SetFontHeight(std::abs(object.Font.Height));
    return field;
}

swf::TFlashText* BuildInputField(swf::TFlashMovie& movie, const TDemoObject& input, const TypedText& typed) {
    swf::TFlashText* field = AddTextItem(movie, input, typed.Caret ? typed.Shown + u"|" : typed.Shown);
    field->SetAlign(0);
    field->SetEditText(true);
    return field;
}

swf::IGlyphSource& MovieGlyphSource() {
    static FreeTypeGlyphSource source;
    return source;
}

} // namespace vantora
