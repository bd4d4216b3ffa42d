#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

#include "chem/formula_parser.h"
#include "chem/result_text.h"
#include "data/builtin_records.h"

namespace chem {
namespace {

using Atoms = std::vector<std::pair<std::string, std::uint64_t>>;

const ElementMasses& Builtin() {
  static const ElementMasses masses(periodic::BuiltinRecords());
  return masses;
}

ParsedFormula Parse(const std::string& formula) {
  auto result = ParseFormula(formula, Builtin());
  if (const auto* error = std::get_if<FormulaError>(&result)) {
    ADD_FAILURE() << formula << ": " << error->message << " at " << error->position;
    return {};
  }
  return std::get<ParsedFormula>(result);
}

Atoms AtomsOf(const ParsedFormula& formula) {
  Atoms atoms;
  for (const AtomCount& count : formula.atoms)
    atoms.emplace_back(Builtin().ByNumber(count.element)->symbol, count.count);
  return atoms;
}

struct IonCase {
  const char* formula;
  const char* ion;  // as the result names it
  std::int64_t charge;
  Atoms atoms;
};

// Ions as chemists write them, with digits right before the sign. In the first groups the last
// digit is the charge; in the last group every digit is a count.
TEST(IonNotation, CommonIonsAreReadAsChemistsMeanThem) {
  const std::vector<IonCase> charges = {
      // Metal cations: no chemist writes a cluster Fe3 with charge 1+.
      {"Fe3+", "Fe", 3, {{"Fe", 1}}},
      {"Fe2+", "Fe", 2, {{"Fe", 1}}},
      {"Cu2+", "Cu", 2, {{"Cu", 1}}},
      {"Zn2+", "Zn", 2, {{"Zn", 1}}},
      {"Mg2+", "Mg", 2, {{"Mg", 1}}},
      {"Ca2+", "Ca", 2, {{"Ca", 1}}},
      {"Ba2+", "Ba", 2, {{"Ba", 1}}},
      {"Al3+", "Al", 3, {{"Al", 1}}},
      {"Cr3+", "Cr", 3, {{"Cr", 1}}},
      {"Cr6+", "Cr", 6, {{"Cr", 1}}},
      {"Mn2+", "Mn", 2, {{"Mn", 1}}},
      {"Co2+", "Co", 2, {{"Co", 1}}},
      {"Ni2+", "Ni", 2, {{"Ni", 1}}},
      {"Pb2+", "Pb", 2, {{"Pb", 1}}},
      {"Sn4+", "Sn", 4, {{"Sn", 1}}},
      {"Hg2+", "Hg", 2, {{"Hg", 1}}},
      {"Ti4+", "Ti", 4, {{"Ti", 1}}},
      {"Ce4+", "Ce", 4, {{"Ce", 1}}},
      {"Bi3+", "Bi", 3, {{"Bi", 1}}},
      // A nonmetal's own simple anion.
      {"S2-", "S", -2, {{"S", 1}}},
      {"O2-", "O", -2, {{"O", 1}}},
      {"N3-", "N", -3, {{"N", 1}}},
      {"P3-", "P", -3, {{"P", 1}}},
      {"Se2-", "Se", -2, {{"Se", 1}}},
      {"C4-", "C", -4, {{"C", 1}}},
      // A run of digits: the last is the charge.
      {"SO42-", "SO4", -2, {{"S", 1}, {"O", 4}}},
      {"SO32-", "SO3", -2, {{"S", 1}, {"O", 3}}},
      {"CO32-", "CO3", -2, {{"C", 1}, {"O", 3}}},
      {"PO43-", "PO4", -3, {{"P", 1}, {"O", 4}}},
      {"HPO42-", "HPO4", -2, {{"H", 1}, {"P", 1}, {"O", 4}}},
      {"CrO42-", "CrO4", -2, {{"Cr", 1}, {"O", 4}}},
      {"Cr2O72-", "Cr2O7", -2, {{"Cr", 2}, {"O", 7}}},
      {"MnO42-", "MnO4", -2, {{"Mn", 1}, {"O", 4}}},
      {"S2O32-", "S2O3", -2, {{"S", 2}, {"O", 3}}},
      {"C2O42-", "C2O4", -2, {{"C", 2}, {"O", 4}}},
      {"SiO32-", "SiO3", -2, {{"Si", 1}, {"O", 3}}},
      {"SiF62-", "SiF6", -2, {{"Si", 1}, {"F", 6}}},
      {"B4O72-", "B4O7", -2, {{"B", 4}, {"O", 7}}},
      {"AsO43-", "AsO4", -3, {{"As", 1}, {"O", 4}}},
      {"UO22+", "UO2", 2, {{"U", 1}, {"O", 2}}},
      {"Hg22+", "Hg2", 2, {{"Hg", 2}}},
      {"O22-", "O2", -2, {{"O", 2}}},
      {"C22-", "C2", -2, {{"C", 2}}},
      // After a bracket.
      {"[Fe(CN)6]4-", "[Fe(CN)6]", -4, {{"Fe", 1}, {"C", 6}, {"N", 6}}},
      {"[Fe(CN)6]3-", "[Fe(CN)6]", -3, {{"Fe", 1}, {"C", 6}, {"N", 6}}},
      {"[Cu(NH3)4]2+", "[Cu(NH3)4]", 2, {{"Cu", 1}, {"N", 4}, {"H", 12}}},
      {"[Co(NH3)6]3+", "[Co(NH3)6]", 3, {{"Co", 1}, {"N", 6}, {"H", 18}}},
      {"[Zn(OH)4]2-", "[Zn(OH)4]", -2, {{"Zn", 1}, {"O", 4}, {"H", 4}}},
      {"[PtCl6]2-", "[PtCl6]", -2, {{"Pt", 1}, {"Cl", 6}}},
  };
  const std::vector<IonCase> counts = {
      {"NH4+", "NH4", 1, {{"N", 1}, {"H", 4}}},
      {"MnO4-", "MnO4", -1, {{"Mn", 1}, {"O", 4}}},
      {"ClO4-", "ClO4", -1, {{"Cl", 1}, {"O", 4}}},
      {"ClO3-", "ClO3", -1, {{"Cl", 1}, {"O", 3}}},
      {"ClO2-", "ClO2", -1, {{"Cl", 1}, {"O", 2}}},
      {"NO3-", "NO3", -1, {{"N", 1}, {"O", 3}}},
      {"NO2-", "NO2", -1, {{"N", 1}, {"O", 2}}},
      {"NO2+", "NO2", 1, {{"N", 1}, {"O", 2}}},
      {"BF4-", "BF4", -1, {{"B", 1}, {"F", 4}}},
      {"PF6-", "PF6", -1, {{"P", 1}, {"F", 6}}},
      {"BH4-", "BH4", -1, {{"B", 1}, {"H", 4}}},
      {"AlCl4-", "AlCl4", -1, {{"Al", 1}, {"Cl", 4}}},
      {"H2PO4-", "H2PO4", -1, {{"H", 2}, {"P", 1}, {"O", 4}}},
      {"HSO4-", "HSO4", -1, {{"H", 1}, {"S", 1}, {"O", 4}}},
      {"HCO3-", "HCO3", -1, {{"H", 1}, {"C", 1}, {"O", 3}}},
      {"IO3-", "IO3", -1, {{"I", 1}, {"O", 3}}},
      {"CH3-", "CH3", -1, {{"C", 1}, {"H", 3}}},
      // Clusters of one element that chemists do write.
      {"I3-", "I3", -1, {{"I", 3}}},
      {"Br3-", "Br3", -1, {{"Br", 3}}},
      {"O3-", "O3", -1, {{"O", 3}}},
      {"H3+", "H3", 1, {{"H", 3}}},
      {"O2+", "O2", 1, {{"O", 2}}},
      // A charge is never written as 1 or 0, nor a count as 1.
      {"C60-", "C60", -1, {{"C", 60}}},
      {"C6H13+", "C6H13", 1, {{"C", 6}, {"H", 13}}},
  };
  ASSERT_GE(charges.size() + counts.size(), 40u);
  for (const auto& [cases, isCharge] : {std::pair(&charges, true), std::pair(&counts, false)}) {
    for (const IonCase& c : *cases) {
      SCOPED_TRACE(c.formula);
      const ParsedFormula parsed = Parse(c.formula);
      EXPECT_EQ(AtomsOf(parsed), c.atoms);
      EXPECT_EQ(parsed.charge, c.charge);
      ASSERT_TRUE(parsed.trailingDigits.has_value());
      EXPECT_EQ(parsed.trailingDigits->lastDigitIsCharge, isCharge);
      EXPECT_EQ(parsed.trailingDigits->ion, c.ion);
    }
  }
}

// Whatever was chosen, the other reading's unambiguous spelling gives the other species.
TEST(IonNotation, TheOtherWayReadsTheOtherWay) {
  const std::vector<std::tuple<const char*, const char*, std::int64_t, Atoms>> cases = {
      {"Fe3+", "Fe3^+", 1, {{"Fe", 3}}},
      {"PO43-", "PO43^-", -1, {{"P", 1}, {"O", 43}}},
      {"[Fe(CN)6]4-", "[Fe(CN)6]4^-", -1, {{"Fe", 4}, {"C", 24}, {"N", 24}}},
      {"NH4+", "NH^4+", 4, {{"N", 1}, {"H", 1}}},
      {"N3-", "N3^-", -1, {{"N", 3}}},
  };
  for (const auto& [formula, otherWay, charge, atoms] : cases) {
    SCOPED_TRACE(formula);
    const ParsedFormula parsed = Parse(formula);
    ASSERT_TRUE(parsed.trailingDigits.has_value());
    EXPECT_EQ(parsed.trailingDigits->otherWay, otherWay);
    const ParsedFormula other = Parse(otherWay);
    EXPECT_EQ(other.charge, charge);
    EXPECT_EQ(AtomsOf(other), atoms);
    EXPECT_FALSE(other.trailingDigits.has_value());
  }
  // A digit that cannot be a charge offers no other way.
  EXPECT_EQ(Parse("C60-").trailingDigits->otherWay, "");
}

// No digits before the sign, or the charge spelt out: nothing to decide and nothing to say.
TEST(IonNotation, UnambiguousChargesAreLeftAsTheyAre) {
  const std::vector<std::pair<const char*, std::int64_t>> cases = {
      {"H3O+", 1},    {"OH-", -1}, {"Ag+", 1},     {"CN-", -1}, {"[Ag(NH3)2]+", 1},
      {"Fe^3+", 3},   {"Fe+3", 3}, {"SO4^2-", -2}, {"O--", -2}, {"CH3COO-", -1},
      {"SO4^2−", -2}, {"Cl−", -1}, {"Fe3 +", 1},   {"H2O", 0},
  };
  for (const auto& [formula, charge] : cases) {
    SCOPED_TRACE(formula);
    const ParsedFormula parsed = Parse(formula);
    EXPECT_EQ(parsed.charge, charge);
    EXPECT_FALSE(parsed.trailingDigits.has_value());
  }
}

TEST(IonNotation, TheResultSaysHowTheFormulaWasRead) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"Fe3+", "Прочитано как ион Fe с зарядом 3+; если 3 — число атомов, пишите Fe3^+.\n"},
      {"PO43-", "Прочитано как ион PO4 с зарядом 3-; если 43 — число атомов, пишите PO43^-.\n"},
      {"S2−", "Прочитано как ион S с зарядом 2-; если 2 — число атомов, пишите S2^-.\n"},
      {"NH4+", "Прочитано как ион NH4 с зарядом 1+; если 4 — заряд, пишите NH^4+.\n"},
      {"C60-", "Прочитано как ион C60 с зарядом 1-.\n"},
  };
  for (const auto& [formula, note] : cases) {
    SCOPED_TRACE(formula);
    auto result = CalculateFormula(formula, Builtin());
    ASSERT_TRUE(std::holds_alternative<MolarMass>(result));
    const std::string text = FormatMolarMass(formula, std::get<MolarMass>(result));
    EXPECT_NE(text.find(note), std::string::npos) << text;
  }
  auto water = CalculateFormula("H3O+", Builtin());
  EXPECT_EQ(FormatMolarMass("H3O+", std::get<MolarMass>(water)).find("Прочитано"),
            std::string::npos);
}

}  // namespace
}  // namespace chem
