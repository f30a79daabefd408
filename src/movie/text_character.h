#pragma once
// The text fields of Label, Text and InputText objects, in the object's font and colour within its
// registration rectangle. Fonts are made with the device-font flag: text fields are drawn with the
// player's font of that name, static text with the outlines embedded for its characters.

#include "model/demo_object.h"
#include "movie/input_typing.h"

namespace swf {
class IGlyphSource;
class TFlashMovie;
class TFlashText;
} // namespace swf

namespace vantora {

// A Label's static text.
swf::TFlashText* BuildLabelText(swf::TFlashMovie& movie, const TDemoObject& label);
// A Text's multi-line, word-wrapped, selectable and editable field in its alignment.
swf::TFlashText* BuildTextField(swf::TFlashMovie& movie, const TDemoObject& text);
// An InputText's left-aligned single-line field showing `typed`, with "|" for the caret.
swf::TFlashText* BuildInputField(swf::TFlashMovie& movie, const TDemoObject& input, const TypedText& typed);

// The glyph source the movie builder gives its movies: fonts found on this system, shared by every
// build of the program.
swf::IGlyphSource& MovieGlyphSource();

} // namespace vantora
