#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "chem/molar_mass.h"
#include "chem/result_text.h"
#include "data/builtin_records.h"

// Feeds arbitrary text to the formula reader: it must either compute a mass whose fractions add
// up to 100 % or name a fault inside the formula, never crash, overflow or run away.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const chem::ElementMasses elements(periodic::BuiltinRecords());
  const std::string_view formula(reinterpret_cast<const char*>(data), size);
  const auto result = chem::CalculateFormula(formula, elements);
  if (const auto* error = std::get_if<chem::FormulaError>(&result)) {
    if (error->position > size || error->message.empty()) __builtin_trap();
    (void)chem::FormatFormulaError(formula, *error);
    return 0;
  }
  const auto& mass = std::get<chem::MolarMass>(result);
  if (!(mass.total > 0) || !std::isfinite(mass.total) || mass.shares.empty()) __builtin_trap();
  int percent = 0;
  for (const chem::ElementShare& share : mass.shares) {
    if (share.atoms == 0 || share.atoms > chem::kMaxAtoms) __builtin_trap();
    percent += share.hundredthsOfPercent;
  }
  if (percent != 10000) __builtin_trap();
  (void)chem::FormatMolarMass(formula, mass);
  return 0;
}
