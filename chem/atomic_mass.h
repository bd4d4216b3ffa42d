#pragma once

#include <optional>
#include <string_view>

namespace chem {

// A relative atomic mass as an element record gives it.
struct AtomicMass {
  double value = 0;
  // Digits after the decimal comma; 0 for a mass number.
  int decimals = 0;
  // True for a mass number in square brackets ("[98]"): the element has no stable isotope and
  // the record names the mass number of one of its isotopes instead of an atomic weight.
  bool massNumber = false;
};

// Reads the record's mass text: a decimal number with a comma ("55,847"; a point is taken as
// well) or a whole mass number in square brackets ("[243]"), blanks around either ignored.
// Anything else, a blank placeholder ("[   ]") or a value that is not positive gives nothing.
std::optional<AtomicMass> ParseAtomicMass(std::string_view text);

}  // namespace chem
