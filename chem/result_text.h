#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "chem/formula_error.h"
#include "chem/molar_mass.h"

namespace chem {

// The value rounded to the given decimals, with a decimal comma: "18,0153". Decimals that
// would go past the 15 significant digits a double holds are left off.
std::string FormatDecimal(double value, int decimals);

// A charge as chemists write it after the formula: "2-", "+", "3+".
std::string FormatCharge(std::int64_t charge);

// The result as plain text, the same in the window, on the clipboard and on standard output:
// the formula, the molar mass, the charge if any, how digits before a final sign were read
// ("Прочитано как ион Fe с зарядом 3+..."), and the table of elements with their atoms,
// mass contributions and mass fractions. Masses from mass numbers stand in square brackets.
std::string FormatMolarMass(std::string_view formula, const MolarMass& result);

// The message, then the formula and under it a "^" at the fault, for a fixed-width font; only
// the message for a formula over kMaxFormulaLength characters.
std::string FormatFormulaError(std::string_view formula, const FormulaError& error);

}  // namespace chem
