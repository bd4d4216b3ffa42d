#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "chem/element_masses.h"
#include "chem/formula_error.h"
#include "chem/formula_parser.h"

namespace chem {

// One row of the composition table.
struct ElementShare {
  int number = 0;
  std::string symbol;
  std::string nameRus;
  std::uint64_t atoms = 0;
  // The atoms' part of the molar mass, g/mol.
  double mass = 0;
  // The mass fraction in hundredths of a per cent, rounded so that the rows add up to 10000.
  int hundredthsOfPercent = 0;
  // The element's record gives a mass number in brackets rather than an atomic weight.
  bool massNumber = false;
};

struct MolarMass {
  double total = 0;  // g/mol
  // Decimals worth showing: those of the least precise atomic mass in the formula.
  int decimals = 0;
  std::vector<ElementShare> shares;  // in the order of the formula
  std::int64_t charge = 0;
  std::optional<TrailingDigitsReading> trailingDigits;  // see ParsedFormula
  bool HasMassNumbers() const;
};

// The molar mass and composition of a formula that has been read. Every element of the formula
// must have a mass (the reader makes sure of it).
MolarMass ComputeMolarMass(const ParsedFormula& formula, const ElementMasses& elements);

// Reads the formula and computes it.
std::variant<MolarMass, FormulaError> CalculateFormula(std::string_view formula,
                                                       const ElementMasses& elements);

}  // namespace chem
