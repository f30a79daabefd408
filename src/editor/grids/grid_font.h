#pragma once
// Object fonts as toolkit fonts and back.

#include "model/object_font.h"

#include <QFont>

namespace vantora {

QFont ToQFont(const TObjectFont& font);
// The chosen face, size and style; colour and charset stay those of `base`.
TObjectFont FromQFont(const QFont& font, const TObjectFont& base);

} // namespace vantora
