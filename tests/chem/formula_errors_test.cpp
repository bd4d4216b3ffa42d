#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "chem/formula_parser.h"
#include "chem/molar_mass.h"
#include "chem/result_text.h"
#include "data/builtin_records.h"

namespace chem {
namespace {

const ElementMasses& Builtin() {
  static const ElementMasses masses(periodic::BuiltinRecords());
  return masses;
}

FormulaError ErrorOf(const std::string& formula, const ElementMasses& elements = Builtin()) {
  auto result = ParseFormula(formula, elements);
  if (auto* error = std::get_if<FormulaError>(&result)) return *error;
  ADD_FAILURE() << formula << " was read";
  return {};
}

struct ErrorCase {
  std::string formula;
  std::size_t position;  // in characters
  const char* message;
};

TEST(FormulaErrors, PointAtTheFault) {
  const std::vector<ErrorCase> cases = {
      {"H2So4", 2, "Неизвестный элемент «So»."},
      {"Xx", 0, "Неизвестный элемент «Xx»."},
      {"Ca3(PO4", 3, "Скобка «(» не закрыта."},
      {"((H)", 0, "Скобка «(» не закрыта."},
      {"H2O)", 3, "Лишняя закрывающая скобка «)»."},
      {"K4[Fe(CN)6)", 10, "Скобка «)» не подходит к открытой «[» (позиция 3)."},
      {"H()", 1, "Пустые скобки."},
      {"H0", 1, "Число не может быть равно нулю."},
      {"0H2O", 0, "Число не может быть равно нулю."},
      {"H02", 1, "Число не может начинаться с нуля."},
      {"", 0, "Введите формулу."},
      {"   ", 0, "Введите формулу."},
      {"2", 1, "Здесь ожидается обозначение элемента."},
      {"CuSO4*", 6, "Здесь ожидается обозначение элемента."},
      {"CuSO4··5H2O", 6, "Здесь ожидается обозначение элемента."},
      {"CuSO4·5H2O·Xx", 11, "Неизвестный элемент «Xx»."},
      {"h2o", 0, "Обозначение элемента начинается с заглавной буквы, а не с «h»."},
      {"Н2О", 0, "Русская буква «Н»: элементы пишут латинскими буквами."},
      {"H2O%", 3, "Недопустимый символ «%»."},
      {"%H", 0, "Недопустимый символ «%»."},
      {"H2\tO", 2, "Недопустимый управляющий символ (код 9)."},
      {"H2 O", 2, "Пробел внутри формулы."},
      {"(2H)", 1, "Число стоит после элемента или скобки, а здесь его быть не может."},
      {"Fe^3+ 2", 6, "Заряд пишут в самом конце формулы."},
      {"SO4^2-·H2O", 6, "Заряд пишут в самом конце формулы."},
      {"SO4^", 4, "После «^» ожидается заряд, например ^2- или ^+."},
      {"Fe^3", 4, "После числа заряда ожидается знак «+» или «-»."},
      {"H1000000000000001", 1, "Слишком большое число: допускается не больше 10^15."},
      {"(H1000000000000000)2", 19,
       "Слишком много атомов: допускается не больше 10^15 атомов элемента."},
      {"H999999999999999H9", 16,
       "Слишком много атомов: допускается не больше 10^15 атомов элемента."},
      {"H18446744073709551617", 1, "Слишком большое число: допускается не больше 10^15."},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.formula);
    const FormulaError error = ErrorOf(c.formula);
    EXPECT_EQ(error.position, c.position);
    EXPECT_EQ(error.message, c.message);
  }
}

// What students write for things the calculator does not read: the message names the cause.
TEST(FormulaErrors, NameTheRealCause) {
  constexpr const char* kFractional =
      "Дробные числа атомов не поддерживаются: умножьте формулу так, чтобы все числа стали целыми.";
  constexpr const char* kBond =
      "Знак связи «-» между группами не поддерживается: пишите группы подряд, например CH3CH3 "
      "вместо CH3-CH3.";
  const std::vector<ErrorCase> cases = {
      {"CuSO4·0.5H2O", 6, kFractional},
      {"H2O0.5", 3, kFractional},
      {"Fe0.95O", 2, kFractional},
      {"C6H12O6.5", 6, kFractional},
      {"(CH2)2.5", 5, kFractional},
      {"H1,5", 1, kFractional},
      {"CuSO4·0,5H2O", 6, kFractional},
      {"CH3-CH3", 3, kBond},
      {"CH3 - CH3", 4, kBond},
      {"H-O", 1, kBond},
      {"CH3-(CH2)2-CH3", 3, kBond},
      {"CH3−CH3", 3,
       "Знак связи «−» между группами не поддерживается: пишите группы подряд, например CH3CH3 "
       "вместо CH3-CH3."},
      {"CH2=CH2", 3,
       "Знак связи «=» между группами не поддерживается: пишите группы подряд, например CH3CH3 "
       "вместо CH3-CH3."},
      {"CuSO4·5 H2O", 7, "Пробел внутри формулы."},
      {"2 H2O", 1, "Пробел внутри формулы."},
      {"CuSO4 ·  5  (H2O)", 10, "Пробел внутри формулы."},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.formula);
    const FormulaError error = ErrorOf(c.formula);
    EXPECT_EQ(error.position, c.position);
    EXPECT_EQ(error.message, c.message);
  }
  // The point stays a separator where a formula follows it, and blanks around separators stay.
  for (const char* formula : {"CuSO4.5H2O", "Na2CO3.10H2O", "CuSO4 · 5H2O", "2H2O", "Fe3-"}) {
    SCOPED_TRACE(formula);
    EXPECT_TRUE(std::holds_alternative<ParsedFormula>(ParseFormula(formula, Builtin())));
  }
}

// The calculator's field holds 32767 characters: a longer formula is refused, never cut.
TEST(FormulaErrors, FormulaLongerThanTheFieldIsRefused) {
  EXPECT_TRUE(
      std::holds_alternative<ParsedFormula>(ParseFormula(std::string(32767, 'H'), Builtin())));
  const std::string tooLong = std::string(60000, 'H') + "Xx";
  const FormulaError error = ErrorOf(tooLong);
  EXPECT_EQ(error.position, 32767u);
  EXPECT_EQ(error.message, "Слишком длинная формула: допускается не больше 32767 знаков.");
  EXPECT_EQ(FormatFormulaError(tooLong, error),
            "Ошибка в формуле (позиция 32768). Слишком длинная формула: допускается не больше "
            "32767 знаков.\n");
  // Characters, not bytes: 32767 middle dots are 65534 bytes.
  EXPECT_EQ(ErrorOf("H" + std::string(32766, ' ') + "·").message,
            "Слишком длинная формула: допускается не больше 32767 знаков.");
}

TEST(FormulaErrors, MessageShowsTheFormulaWithAMarker) {
  EXPECT_EQ(FormatFormulaError("H2So4", ErrorOf("H2So4")),
            "Ошибка в формуле (позиция 3). Неизвестный элемент «So».\n"
            "H2So4\n"
            "  ^\n");
  // The marker counts characters, not bytes, and a tab is shown as a blank.
  EXPECT_EQ(FormatFormulaError("CuSO4·5H2O\t", ErrorOf("CuSO4·5H2O\t")),
            "Ошибка в формуле (позиция 11). Недопустимый управляющий символ (код 9).\n"
            "CuSO4·5H2O \n"
            "          ^\n");
}

TEST(FormulaErrors, TenThousandNestedBracketsAreReadWithoutRecursion) {
  constexpr std::size_t kDepth = 10000;
  const std::string open(kDepth, '(');
  std::string closed;
  for (std::size_t i = 0; i < kDepth; ++i) closed += ")";
  auto result = CalculateFormula(open + "H" + closed, Builtin());
  ASSERT_TRUE(std::holds_alternative<MolarMass>(result));
  EXPECT_NEAR(std::get<MolarMass>(result).total, 1.00794, 1e-12);

  EXPECT_EQ(ErrorOf(open + "H").position, kDepth - 1);
  EXPECT_EQ(ErrorOf(open + "H" + closed + ")").position, 2 * kDepth + 1);

  // Every level doubles the count: 2^50 is the first power above 10^15.
  std::string doubling = open + "H";
  for (std::size_t i = 0; i < kDepth; ++i) doubling += ")2";
  const FormulaError overflow = ErrorOf(doubling);
  EXPECT_EQ(overflow.position, kDepth + 2 + std::size_t{2} * 49);
  EXPECT_EQ(overflow.message, "Слишком много атомов: допускается не больше 10^15 атомов элемента.");
}

TEST(FormulaErrors, RecordWithoutAReadableMass) {
  std::vector<periodic::ElementRecord> records = periodic::BuiltinRecords();
  records[7].AtomicMass = "нет       ";  // oxygen
  const ElementMasses elements(records);
  const FormulaError error = ErrorOf("H2O", elements);
  EXPECT_EQ(error.position, 2u);
  EXPECT_EQ(error.message, "В файле данных нет атомной массы элемента «O».");
}

}  // namespace
}  // namespace chem
