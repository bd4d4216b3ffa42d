#pragma once

#include <string_view>

#include "card/text_canvas.h"

namespace periodic {

// Draws a message in place of a card: black text on white, wrapped at blanks to the card's
// width (a word too long for a line, such as a file path, is broken where it must be). Each
// line feed in the text starts a new paragraph.
void ShowCardMessage(TextCanvas& canvas, std::string_view text);

}  // namespace periodic
