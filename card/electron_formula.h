#pragma once

#include <string_view>

#include "card/text_canvas.h"

namespace periodic {

// Typesets an electron formula such as 3d^"6"4s^"2" at the canvas's pen, without a line end.
// A '^' makes the font 2 points smaller and raises the pen 50 twips; a closing quote undoes
// that, an opening one does nothing visible; every other character is printed where it
// stands, trailing blanks included. Nothing checks that a '^' and its quotes match, so an
// unbalanced formula leaves the canvas smaller and higher (or larger and lower) than it was.
void PrintEFormula(std::string_view formula, TextCanvas& canvas);

// Typesets the electrons per shell ("2 14 8 2", outermost shell first) as a column of seven
// lines whose last line holds the innermost shell. The column's left edge is the pen's x at
// the call, rounded to a whole twip. Each blank starts a new line, so a doubled blank leaves
// an empty line; a text of seven or more shells starts on the pen's own line.
void PrintELevels(std::string_view levels, TextCanvas& canvas);

}  // namespace periodic
