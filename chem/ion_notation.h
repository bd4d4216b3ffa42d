#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "chem/formula_parser.h"

namespace chem {

// A formula that ends in digits and a sign, right after an element symbol or a closing bracket:
// "Fe3+", "PO43-", "[Fe(CN)6]4-", "NH4+". The last digit may be the charge or part of a count.
struct TrailingDigits {
  std::size_t digitsByte = 0;     // where the digit run begins
  std::size_t lastDigitByte = 0;  // its last digit
  std::size_t signByte = 0;       // the sign, "+", "-" or the minus sign U+2212
  bool afterBracket = false;
  int lastDigit = 0;
  bool countIsOne = false;  // the digits before the last one are "1": "C6H13+"
  char sign = '+';          // '+' or '-'
};

// The digit run and sign at the end of the formula (trailing blanks aside), or nothing.
std::optional<TrailingDigits> FindTrailingDigits(std::string_view formula);

// Whether the last digit is the charge, decided from how chemists write ions: the count reading
// is kept where it gives a species written that way ("NH4+", "MnO4-", "I3-", "H3+", "O2+"), and
// the digit is the charge where the count reading would give one nobody writes: a cluster of
// metal atoms ("Fe3+" is not Fe3 with charge 1+), a nonmetal's own anion ("S2-", "N3-"), a run
// of digits ("PO43-", "Hg22+") or a bracket ("[Fe(CN)6]4-"). atoms is the formula read with
// every digit as a count.
bool LastDigitIsCharge(const TrailingDigits& digits, const std::vector<AtomCount>& atoms);

// What the result says about the reading chosen.
TrailingDigitsReading DescribeReading(std::string_view formula, const TrailingDigits& digits,
                                      bool lastDigitIsCharge);

}  // namespace chem
