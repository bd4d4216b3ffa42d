#pragma once

#include <cstdint>
#include <string>

#include "card/text_canvas.h"
#include "data/element_record.h"

namespace periodic {

// The metallic character that the element's class bits name: "Инертный газ" for no bits,
// "Металл" when the metal bit is set (the amphoteric elements included), "Неметалл" otherwise.
// The three colour codes that old data files carried in place of the bits name their kind;
// any other code outside the nine bits gives the empty text.
std::string MetallicCharacterText(std::int32_t category);

// Prints the element's data on a page as ten labelled lines in "arial cyr" at 12 points,
// starting at the pen. The electron formula (line 9) is typeset with its counts raised.
void PrintElementAsText(TextCanvas& page, const ElementRecord& record);

}  // namespace periodic
