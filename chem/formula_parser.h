#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
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

// Formulas longer than this are refused rather than cut: it is what the calculator's field holds.
inline constexpr std::size_t kMaxFormulaLength = 32767;  // characters

// How the digits right before a final sign were read ("Fe3+", "NH4+"), so that the result can
// say it: the notation is ambiguous, and the reader decides as chemists write ions.
struct TrailingDigitsReading {
  bool lastDigitIsCharge = false;
  // The formula without its charge: "Fe" for "Fe3+", "NH4" for "NH4+".
  std::string ion;
  // The digits the other reading takes otherwise: all of them for a charge reading ("43" of
  // "PO43-" as a count), the last one for a count reading ("4" of "NH4+" as the charge).
  std::string otherDigits;
  // The other reading written so that it cannot be mistaken: "Fe3^+" for "Fe3+", "NH^4+" for
  // "NH4+"; empty where the digit cannot be a charge ("C60-").
  std::string otherWay;

  bool operator==(const TrailingDigitsReading&) const = default;
};

struct ParsedFormula {
  // One entry per element, in the order in which the elements first appear.
  std::vector<AtomCount> atoms;
  // The ion's charge as written after "^" or as trailing "+"/"-"; 0 for a neutral formula.
  std::int64_t charge = 0;
  // Set when the formula ends in digits and a sign.
  std::optional<TrailingDigitsReading> trailingDigits;
};

// Reads a formula as students write it: symbols with counts ("H2SO4"), nested (), [] and {}
// groups with counts ("K4[Fe(CN)6]"), adducts joined by "·", "*" or "." with their own leading
// coefficient ("CuSO4·5H2O", "2H2O"), and a charge at the end ("SO4^2-", "NH4+", "Fe+3", "Fe3+",
// the minus also as U+2212). Digits right before a final sign are a count or end in the charge,
// as chemists write the ion ("NH4+" and "MnO4-", but "Fe3+", "PO43-", "[Fe(CN)6]4-"); see
// LastDigitIsCharge. Blanks are allowed at both ends and around the separators. Fractional
// counts, bond dashes and formulas over kMaxFormulaLength characters are refused.
// The reader keeps its own stack, so any depth of nesting is read without recursion.
std::variant<ParsedFormula, FormulaError> ParseFormula(std::string_view formula,
                                                       const ElementMasses& elements);

}  // namespace chem
