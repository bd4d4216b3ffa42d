#include "app/calculator/command_line.h"

#include <ostream>
#include <variant>

#include "chem/molar_mass.h"
#include "chem/result_text.h"

namespace tarvik {

int RunCommandLine(const std::vector<std::string>& formulas, const ProgramData& data,
                   std::ostream& out, std::ostream& err) {
  if (!data.masses) {
    err << data.error << "\n";
    return kExitNoData;
  }
  int status = kExitOk;
  bool first = true;
  for (const std::string& formula : formulas) {
    const auto result = chem::CalculateFormula(formula, *data.masses);
    if (const auto* error = std::get_if<chem::FormulaError>(&result)) {
      err << chem::FormatFormulaError(formula, *error);
      status = kExitBadFormula;
      continue;
    }
    if (!first) out << "\n";
    out << chem::FormatMolarMass(formula, std::get<chem::MolarMass>(result));
    first = false;
  }
  if (!out.flush()) {
    err << kOutputFailedMessage << "\n";
    return kExitOutputFailed;
  }
  return status;
}

}  // namespace tarvik
