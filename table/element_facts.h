#pragma once

#include <string>

#include "data/element_record.h"

namespace periodic {

// Text with the characters that mean something in HTML replaced by their entities.
std::string HtmlEscape(const std::string& text);

// The facts a pointer resting on element n's cell shows, as rich text (a small HTML subset):
// the Russian and Latin names, the number, the atomic mass and the electron formula with its
// counts raised. Everything comes from the record; text from the record is escaped.
std::string ElementFactsHtml(int n, const ElementRecord& record);

// The electron formula of the record's notation (3d^"6"4s^"2") as HTML with each quoted count
// in <sup>. A ^ without a quoted count raises nothing.
std::string ElectronFormulaHtml(const std::string& formula);

// What a screen reader says for element n's cell: "Железо, Fe, 26".
std::string ElementSpokenName(int n, const ElementRecord& record);

}  // namespace periodic
