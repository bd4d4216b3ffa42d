#include "table/cell_mass.h"

#include <gtest/gtest.h>

#include "data/builtin_records.h"

namespace periodic {
namespace {

TEST(CellMassText, RoundsHalfUpToFiveCharacters) {
  const std::pair<const char*, const char*> cases[] = {
      // The stored field, padded to its ten characters, and what a cell shows.
      {"1,00794   ", "1,008"},  // H
      {"15,9994   ", "16,00"},  // O
      {"55,847    ", "55,85"},  // Fe
      {"196,9665  ", "197,0"},  // Au
      {"51,996    ", "52,00"},  // Cr
      {"22,98977  ", "22,99"},  // Na
      {"12,011    ", "12,01"},  // C: rounds down
      {"6,941     ", "6,941"},  // Li: fits as it is
      {"4,002602  ", "4,003"},  // He
      {"26,98154  ", "26,98"},  // Al
      {"238,0289  ", "238,0"},  // U
      {"12,345    ", "12,35"},  // a five in the first dropped place rounds up
      {"12,3449   ", "12,34"},  // only the first dropped digit counts
      // A carry across the separator keeps the width: the whole part gains a digit and the
      // last decimal, a zero, goes.
      {"9,99951   ", "10,00"},
      {"99,995    ", "100,0"},
      {"999,96    ", "1000"},
      {"9999,5    ", "10000"},
      // With four or five digits before the separator the number keeps no decimals; six
      // digits do not fit and are cut, as are five nines that round up.
      {"1234,56   ", "1235"},
      {"12345,6   ", "12346"},
      {"99999,5   ", "99999"},
      // The record's separator is kept.
      {"15.9994   ", "16.00"},
      // Mass numbers, short texts and anything else show their first five characters.
      {"[98]      ", "[98] "},
      {"[261]     ", "[261]"},
      {"[   ]     ", "[   ]"},
      {"          ", "     "},
      {"", ""},
      {"123456789 ", "12345"},
      {"123456,7  ", "12345"},
      {"1,2,345   ", "1,2,3"},
      {",12345    ", ",1234"},
      {"1,0079x   ", "1,007"},
      {"-1,00794  ", "-1,00"},
      {" 1,00794  ", " 1,00"},
      {"Ёж,123456 ", "Ёж,12"},
  };
  for (const auto& [stored, shown] : cases) EXPECT_EQ(CellMassText(stored), shown) << stored;
}

TEST(CellMassText, FortySevenOfTheBuiltInMassesChangeByRounding) {
  int rounded = 0;
  for (const ElementRecord& builtin : BuiltinRecords()) {
    const ElementRecord record = DecodeElementRecord(EncodeElementRecord(builtin));
    const std::string shown = CellMassText(record.AtomicMass);
    EXPECT_LE(shown.size(), 5u) << record.AtomicMass;
    if (shown != record.AtomicMass.substr(0, 5)) ++rounded;
  }
  EXPECT_EQ(rounded, 47);
}

}  // namespace
}  // namespace periodic
