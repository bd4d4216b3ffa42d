#pragma once

#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

#include "chem/element_masses.h"
#include "chem/formula_error.h"

namespace chem {

// Atom counts never exceed this: doubles still hold them exactly, and no real formula gets near.
inline constexpr std::uint64_t kMaxAtoms = 1'000'000'000'000'000;  // 10^15

struct AtomCount {
  int element = 0;  // atomic number
  std::uint64_t count = 0;

  bool operator==(const AtomCount&) const = default;
};

struct ParsedFormula {
  // One entry per element, in the order in which the elements first appear.
  std::vector<AtomCount> atoms;
  // The ion's charge as written after "^" or as trailing "+"/"-"; 0 for a neutral formula.
  std::int64_t charge = 0;
  // The sign follows a count without "^" ("Fe3+"): the digits were read as a count, which the
  // result points out, since the writer may have meant the charge.
  bool signAfterCount = false;
};

// Reads a formula as students write it: symbols with counts ("H2SO4"), nested (), [] and {}
// groups with counts ("K4[Fe(CN)6]"), adducts joined by "·", "*" or "." with their own leading
// coefficient ("CuSO4·5H2O", "2H2O"), and a charge at the end ("SO4^2-", "NH4+", "Fe+3").
// Digits right before a trailing sign are a count ("NH4+"); a charge of several units is written
// after "^" or with the sign first. Blanks are allowed at both ends and around the separators.
// The reader keeps its own stack, so any depth of nesting is read without recursion.
std::variant<ParsedFormula, FormulaError> ParseFormula(std::string_view formula,
                                                       const ElementMasses& elements);

}  // namespace chem
