#include <benchmark/benchmark.h>

#include <string>
#include <variant>

#include "chem/molar_mass.h"
#include "data/builtin_records.h"

namespace {

// A long formula of the kinds students meet: nested groups, hydrate water, many elements;
// 200 characters (the middle dots take two bytes each).
std::string FormulaOf200Characters() {
  std::string formula = "K4[Fe(CN)6]·Ca3(PO4)2·(NH4)2Cr2O7·Fe2(SO4)3·3H2O·C6H12O6";
  for (int i = 0; i < 13; ++i) formula += "·Al2(SO4)3";
  return formula + "·CH3(CH2)12CH3";
}

std::size_t CharacterCount(const std::string& text) {
  std::size_t count = 0;
  for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

void BM_ParseAndComputeFormula(benchmark::State& state) {
  const chem::ElementMasses elements(periodic::BuiltinRecords());
  const std::string formula = FormulaOf200Characters();
  if (CharacterCount(formula) != 200 ||
      !std::holds_alternative<chem::MolarMass>(chem::CalculateFormula(formula, elements))) {
    state.SkipWithError("the benchmark formula is not a valid formula of 200 characters");
    return;
  }
  for (auto _ : state) {
    auto result = chem::CalculateFormula(formula, elements);
    benchmark::DoNotOptimize(result);
  }
  state.SetLabel(std::to_string(CharacterCount(formula)) + " characters");
}
BENCHMARK(BM_ParseAndComputeFormula);

}  // namespace

BENCHMARK_MAIN();
