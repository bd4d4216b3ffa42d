#pragma once

#include <string>

#include "card/text_canvas.h"
#include "data/element_record.h"
#include "table/table_colors.h"

namespace periodic {

// How a card is coloured: normally the background carries the element's category colour and
// the symbol its block colour; inverted swaps the two; black-and-white draws black on white.
struct CardView {
  bool invertColors = false;
  bool blackAndWhite = false;
};

// Draws the element card of record onto canvas (kCardWidth x kCardHeight twips): the symbol in
// large type, the Latin and Russian names, the atomic number, mass and electronegativity, the
// electron formula and the column of electrons per shell. Colours come from the scheme; every
// text after the symbol is black.
void ShowElement(TextCanvas& canvas, const ElementRecord& record, const clsTableColors& scheme,
                 CardView view);

// The scheme's colour for the record's block ("s", "p", "d", "f" in any case, blanks around
// ignored); black for any other block.
Color BlockColor(const ElementRecord& record, const clsTableColors& scheme);

// The symbol as the card shows it: its first two characters, trimmed ("La* " shows "La").
std::string CardSymbol(const ElementRecord& record);

// The card window's caption: trimmed symbol, " - ", trimmed Russian name ("La* - Лантан").
std::string CardCaption(const ElementRecord& record);

// The help page of the element: "html\" + the card's symbol + ".htm".
std::string ElementHelpTopic(const ElementRecord& record);

}  // namespace periodic
