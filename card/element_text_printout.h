#pragma once

#include <cstdint>
#include <string>

#include "card/text_canvas.h"
#include "data/element_record.h"

namespace periodic {

// The metallic character that the element's class bits name: "Металл" for a metal,
// "Неметалл" for a non-metal, "Инертный газ" for an inert gas (no bits); empty for an
// amphoteric element (both bits) and for any other code.
std::string MetallicCharacterText(std::int32_t category);

// Prints the element's data on a page as ten labelled lines in "arial cyr" at 12 points,
// starting at the pen. The electron formula (line 9) is typeset with its counts raised.
void PrintElementAsText(TextCanvas& page, const ElementRecord& record);

}  // namespace periodic
