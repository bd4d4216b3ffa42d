#pragma once

#include "table/drawing_surface.h"

namespace periodic {

// The surface the element card and its text printout are typeset on: the same pen, font and
// print-text semantics as the table's drawing surface (print text stays on the line, a new
// line goes to x = 0 one line lower, clear fills with the back colour and goes to (0, 0)). The
// card picture records onto a Drawing; the printer page draws through a painter.
using TextCanvas = DrawingSurface;

// The card picture, in twips.
inline constexpr double kCardWidth = 2925;
inline constexpr double kCardHeight = 1770;

}  // namespace periodic
