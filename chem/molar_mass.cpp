#include "chem/molar_mass.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace chem {
namespace {

constexpr int kWholePercent = 10000;  // hundredths of a per cent

// Rounds each share down to a hundredth of a per cent and gives the hundredths that are left to
// the largest remainders, so that the shown fractions add up to exactly 100.
void ShareOutPercent(MolarMass& result) {
  std::vector<double> remainders(result.shares.size());
  int given = 0;
  for (std::size_t i = 0; i < result.shares.size(); ++i) {
    const double exact = result.shares[i].mass / result.total * kWholePercent;
    const double floor = std::floor(exact);
    result.shares[i].hundredthsOfPercent = static_cast<int>(floor);
    remainders[i] = exact - floor;
    given += static_cast<int>(floor);
  }
  std::vector<std::size_t> order(result.shares.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return remainders[a] > remainders[b]; });
  for (std::size_t i = 0; given < kWholePercent && i < order.size(); ++i, ++given)
    ++result.shares[order[i]].hundredthsOfPercent;
}

}  // namespace

bool MolarMass::HasMassNumbers() const {
  return std::any_of(shares.begin(), shares.end(),
                     [](const ElementShare& share) { return share.massNumber; });
}

MolarMass ComputeMolarMass(const ParsedFormula& formula, const ElementMasses& elements) {
  MolarMass result;
  result.charge = formula.charge;
  result.trailingDigits = formula.trailingDigits;
  result.decimals = std::numeric_limits<int>::max();
  for (const AtomCount& atoms : formula.atoms) {
    const ElementMass* element = elements.ByNumber(atoms.element);
    if (element == nullptr || !element->mass) continue;
    ElementShare share;
    share.number = element->number;
    share.symbol = element->symbol;
    share.nameRus = element->nameRus;
    share.atoms = atoms.count;
    share.mass = static_cast<double>(atoms.count) * element->mass->value;
    share.massNumber = element->mass->massNumber;
    result.total += share.mass;
    result.decimals = std::min(result.decimals, element->mass->decimals);
    result.shares.push_back(std::move(share));
  }
  if (result.shares.empty()) result.decimals = 0;
  if (result.total > 0) ShareOutPercent(result);
  return result;
}

std::variant<MolarMass, FormulaError> CalculateFormula(std::string_view formula,
                                                       const ElementMasses& elements) {
  auto parsed = ParseFormula(formula, elements);
  if (auto* error = std::get_if<FormulaError>(&parsed)) return std::move(*error);
  return ComputeMolarMass(std::get<ParsedFormula>(parsed), elements);
}

}  // namespace chem
