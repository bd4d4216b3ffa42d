#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "chem/atomic_mass.h"
#include "chem/element_masses.h"
#include "data/builtin_records.h"

namespace chem {
namespace {

struct MassText {
  const char* text;
  std::optional<double> value;
  int decimals;
  bool massNumber;
};

TEST(AtomicMass, ReadsTheRecordsText) {
  const std::vector<MassText> cases = {
      {"55,847    ", 55.847, 3, false},
      {"1,00794   ", 1.00794, 5, false},
      {"207,2", 207.2, 1, false},
      {"12.011", 12.011, 3, false},
      {"[98]      ", 98, 0, true},
      {"[ 243 ]", 243, 0, true},
      {"[   ]     ", std::nullopt, 0, false},
      {"          ", std::nullopt, 0, false},
      {"[98", std::nullopt, 0, false},
      {"[9,8]", std::nullopt, 0, false},
      {"12,0,1", std::nullopt, 0, false},
      {"12,", std::nullopt, 0, false},
      {",5", std::nullopt, 0, false},
      {"-5", std::nullopt, 0, false},
      {"0", std::nullopt, 0, false},
      {"[0]", std::nullopt, 0, false},
      {"1 2", std::nullopt, 0, false},
      {"1e3", std::nullopt, 0, false},
  };
  for (const MassText& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<AtomicMass> mass = ParseAtomicMass(c.text);
    ASSERT_EQ(mass.has_value(), c.value.has_value());
    if (!mass) continue;
    EXPECT_DOUBLE_EQ(mass->value, *c.value);
    EXPECT_EQ(mass->decimals, c.decimals);
    EXPECT_EQ(mass->massNumber, c.massNumber);
  }
}

TEST(ElementMasses, SymbolsAsTheyAreTyped) {
  const ElementMasses elements(periodic::BuiltinRecords());
  const std::vector<std::pair<const char*, int>> found = {{"H", 1},   {"Co", 27},  {"La", 57},
                                                          {"Ac", 89}, {"Mt", 109}, {"U", 92}};
  for (const auto& [symbol, number] : found) {
    SCOPED_TRACE(symbol);
    const ElementMass* element = elements.Find(symbol);
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->number, number);
  }
  for (const char* symbol : {"CO", "co", "La*", "Ac**", "", " ", "Xx", "Uue"})
    EXPECT_EQ(elements.Find(symbol), nullptr) << symbol;

  EXPECT_EQ(elements.Find("Fe")->nameRus, "Железо");
  EXPECT_TRUE(elements.Find("Rf")->mass->massNumber);
  const ElementMass* last = elements.ByNumber(110);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->symbol, "");
  EXPECT_FALSE(last->mass.has_value());
  EXPECT_EQ(elements.ByNumber(0), nullptr);
  EXPECT_EQ(elements.ByNumber(111), nullptr);
}

TEST(ElementMasses, ASymbolThatOccursTwiceBelongsToTheFirstRecord) {
  std::vector<periodic::ElementRecord> records = periodic::BuiltinRecords();
  records[26].Symbol = "Fe  ";  // cobalt's record claims iron's symbol
  const ElementMasses elements(records);
  EXPECT_EQ(elements.Find("Fe")->number, 26);
  EXPECT_EQ(elements.Find("Co"), nullptr);
}

}  // namespace
}  // namespace chem
