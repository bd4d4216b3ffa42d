#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

#include "chem/molar_mass.h"
#include "chem/result_text.h"
#include "data/builtin_records.h"

namespace chem {
namespace {

const ElementMasses& Builtin() {
  static const ElementMasses masses(periodic::BuiltinRecords());
  return masses;
}

MolarMass Calculate(const std::string& formula) {
  auto result = CalculateFormula(formula, Builtin());
  if (const auto* error = std::get_if<FormulaError>(&result)) {
    ADD_FAILURE() << formula << ": " << error->message << " at " << error->position;
    return {};
  }
  return std::get<MolarMass>(result);
}

std::vector<std::pair<std::string, std::uint64_t>> AtomsOf(const MolarMass& result) {
  std::vector<std::pair<std::string, std::uint64_t>> atoms;
  for (const ElementShare& share : result.shares) atoms.emplace_back(share.symbol, share.atoms);
  return atoms;
}

struct MassCase {
  const char* formula;
  double total;       // summed by hand from the records' mass texts
  const char* shown;  // rounded to the decimals of the least precise mass
  std::vector<std::pair<std::string, std::uint64_t>> atoms;
};

TEST(MolarMass, FormulasStudentsWrite) {
  const std::vector<MassCase> cases = {
      {"H2O", 18.01528, "18,0153", {{"H", 2}, {"O", 1}}},
      {"H2SO4", 98.07948, "98,079", {{"H", 2}, {"S", 1}, {"O", 4}}},
      {"Ca3(PO4)2", 310.17672, "310,177", {{"Ca", 3}, {"P", 2}, {"O", 8}}},
      {"K4[Fe(CN)6]", 368.3464, "368,346", {{"K", 4}, {"Fe", 1}, {"C", 6}, {"N", 6}}},
      {"CuSO4·5H2O", 249.686, "249,686", {{"Cu", 1}, {"S", 1}, {"O", 9}, {"H", 10}}},
      {"CuSO4*5H2O", 249.686, "249,686", {{"Cu", 1}, {"S", 1}, {"O", 9}, {"H", 10}}},
      {"CuSO4.5H2O", 249.686, "249,686", {{"Cu", 1}, {"S", 1}, {"O", 9}, {"H", 10}}},
      {" CuSO4 · 5H2O ", 249.686, "249,686", {{"Cu", 1}, {"S", 1}, {"O", 9}, {"H", 10}}},
      {"C6H12O6", 180.15768, "180,158", {{"C", 6}, {"H", 12}, {"O", 6}}},
      {"(NH4)2Cr2O7", 252.06492, "252,0649", {{"N", 2}, {"H", 8}, {"Cr", 2}, {"O", 7}}},
      {"Fe2(SO4)3", 399.8848, "399,885", {{"Fe", 2}, {"S", 3}, {"O", 12}}},
      {"Tc2O7", 307.9958, "308", {{"Tc", 2}, {"O", 7}}},
      {"2H2O", 36.03056, "36,0306", {{"H", 4}, {"O", 2}}},
      {"UO2(NO3)2·6H2O", 502.12918, "502,1292", {{"U", 1}, {"O", 14}, {"N", 2}, {"H", 12}}},
      {"La2O3", 325.8092, "325,8092", {{"La", 2}, {"O", 3}}},
      {"Co", 58.9332, "58,9332", {{"Co", 1}}},
      {"CO", 28.0104, "28,010", {{"C", 1}, {"O", 1}}},
      {"{[(H)]}", 1.00794, "1,00794", {{"H", 1}}},
      {"OsO4", 254.1976, "254,2", {{"Os", 1}, {"O", 4}}},
  };
  for (const MassCase& c : cases) {
    SCOPED_TRACE(c.formula);
    const MolarMass result = Calculate(c.formula);
    EXPECT_NEAR(result.total, c.total, 1e-9);
    EXPECT_EQ(FormatDecimal(result.total, result.decimals), c.shown);
    EXPECT_EQ(AtomsOf(result), c.atoms);
    int percent = 0;
    for (const ElementShare& share : result.shares) percent += share.hundredthsOfPercent;
    EXPECT_EQ(percent, 10000);
  }
}

// Rounding each fraction on its own gives 100,01 % for these.
TEST(MolarMass, FractionsAddUpToHundredWhereRoundingWouldNot) {
  const std::vector<std::pair<const char*, std::vector<int>>> cases = {
      {"NaHCO3", {2737, 120, 1430, 5713}},
      {"NH4NO3", {3500, 504, 5996}},
  };
  for (const auto& [formula, hundredths] : cases) {
    SCOPED_TRACE(formula);
    std::vector<int> shown;
    for (const ElementShare& share : Calculate(formula).shares)
      shown.push_back(share.hundredthsOfPercent);
    EXPECT_EQ(shown, hundredths);
  }
}

TEST(MolarMass, ChargeIsShownAndLeavesTheMassAlone) {
  const std::vector<std::tuple<const char*, std::int64_t, const char*, double>> cases = {
      {"SO4^2-", -2, "2-", 96.0636}, {"[Fe(CN)6]^4-", -4, "4-", 211.9532},
      {"NH4+", 1, "+", 18.03846},    {"Fe^3+", 3, "3+", 55.847},
      {"Fe+3", 3, "3+", 55.847},     {"O--", -2, "2-", 15.9994},
      {"Cl^-", -1, "-", 35.453},     {"H2O", 0, "0", 18.01528},
  };
  for (const auto& [formula, charge, shown, total] : cases) {
    SCOPED_TRACE(formula);
    const MolarMass result = Calculate(formula);
    EXPECT_EQ(result.charge, charge);
    EXPECT_EQ(FormatCharge(result.charge), shown);
    EXPECT_NEAR(result.total, total, 1e-9);
  }
}

TEST(MolarMass, ElementsWithMassNumbersAreMarked) {
  const MolarMass result = Calculate("Tc2O7");
  ASSERT_EQ(result.shares.size(), 2u);
  EXPECT_TRUE(result.shares[0].massNumber);
  EXPECT_FALSE(result.shares[1].massNumber);
  const std::string text = FormatMolarMass("Tc2O7", result);
  EXPECT_NE(text.find("[196]"), std::string::npos) << text;
  EXPECT_NE(text.find("[ ] — по массовому числу изотопа"), std::string::npos) << text;
  EXPECT_EQ(FormatMolarMass("H2O", Calculate("H2O")).find("[ ]"), std::string::npos);
}

TEST(ResultText, MolarMassAndTableAsPlainText) {
  EXPECT_EQ(FormatMolarMass("CuSO4·5H2O", Calculate("CuSO4·5H2O")),
            "Формула: CuSO4·5H2O\n"
            "Молярная масса: 249,686 г/моль\n"
            "\n"
            "Символ  Элемент   Атомов  Масса, г/моль  Доля, %\n"
            "Cu      Медь           1         63,546    25,45\n"
            "S       Сера           1         32,066    12,84\n"
            "O       Кислород       9        143,995    57,67\n"
            "H       Водород       10         10,079     4,04\n");
  EXPECT_TRUE(FormatMolarMass("NH4+", Calculate("NH4+"))
                  .starts_with("Формула: NH4+\nМолярная масса: 18,0385 г/моль\n"
                               "Заряд: + (на массу не влияет)\n"
                               "Прочитано как ион NH4 с зарядом 1+; если 4 — заряд, пишите "
                               "NH^4+.\n\n"));
  EXPECT_TRUE(FormatMolarMass("SO4^2-", Calculate("SO4^2-"))
                  .starts_with("Формула: SO4^2-\nМолярная масса: 96,064 г/моль\n"
                               "Заряд: 2- (на массу не влияет)\n\n"));
}

TEST(ResultText, ShowsNoDigitsADoubleCannotHold) {
  const std::vector<std::tuple<double, int, const char*>> cases = {
      {1007939999999998.99206, 5, "1007939999999999"},
      {123456789012.5, 5, "123456789012,500"},
      {99.999, 2, "100,00"},
      {0.5, 2, "0,50"},
  };
  for (const auto& [value, decimals, shown] : cases)
    EXPECT_EQ(FormatDecimal(value, decimals), shown);
  // 10^15 hydrogen atoms less one: the mass is 1007939999999998,99206 g/mol.
  const std::string text = FormatMolarMass("H999999999999999", Calculate("H999999999999999"));
  EXPECT_NE(text.find("Молярная масса: 1007939999999999 г/моль\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace chem
