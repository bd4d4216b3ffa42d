#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "data/builtin_elements_table.h"
#include "data/builtin_records.h"
#include "data/element_record.h"
#include "data/windows1251.h"

namespace periodic {
namespace {

constexpr int kPlaceholder = 110;

// The symbol shown in each cell, by atomic number. La and Ac carry the stars that point to the
// lanthanide and actinide rows; the last cell has no symbol yet.
const std::array<std::string, kElementCount> kSymbols = {
    "H",   "He", "Li", "Be", "B",    "C",  "N",  "O",  "F",  "Ne", "Na", "Mg", "Al", "Si",
    "P",   "S",  "Cl", "Ar", "K",    "Ca", "Sc", "Ti", "V",  "Cr", "Mn", "Fe", "Co", "Ni",
    "Cu",  "Zn", "Ga", "Ge", "As",   "Se", "Br", "Kr", "Rb", "Sr", "Y",  "Zr", "Nb", "Mo",
    "Tc",  "Ru", "Rh", "Pd", "Ag",   "Cd", "In", "Sn", "Sb", "Te", "I",  "Xe", "Cs", "Ba",
    "La*", "Ce", "Pr", "Nd", "Pm",   "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb",
    "Lu",  "Hf", "Ta", "W",  "Re",   "Os", "Ir", "Pt", "Au", "Hg", "Tl", "Pb", "Bi", "Po",
    "At",  "Rn", "Fr", "Ra", "Ac**", "Th", "Pa", "U",  "Np", "Pu", "Am", "Cm", "Bk", "Cf",
    "Es",  "Fm", "Md", "No", "Lr",   "Rf", "Db", "Sg", "Bh", "Hs", "Mt", ""};

int NumberOf(const std::string& symbol) {
  for (int i = 0; i < kElementCount; ++i) {
    std::string plain = kSymbols[i];
    plain.erase(std::remove(plain.begin(), plain.end(), '*'), plain.end());
    if (plain == symbol) return i + 1;
  }
  ADD_FAILURE() << "unknown symbol " << symbol;
  return 0;
}

using NumberSet = std::set<int>;

NumberSet Symbols(std::initializer_list<const char*> symbols) {
  NumberSet numbers;
  for (const char* s : symbols) numbers.insert(NumberOf(s));
  return numbers;
}

NumberSet Range(const char* first, const char* last) {
  NumberSet numbers;
  for (int n = NumberOf(first); n <= NumberOf(last); ++n) numbers.insert(n);
  return numbers;
}

NumberSet Numbers(int first, int last) {
  NumberSet numbers;
  for (int n = first; n <= last; ++n) numbers.insert(n);
  return numbers;
}

NumberSet Union(std::initializer_list<NumberSet> sets) {
  NumberSet all;
  for (const NumberSet& s : sets) all.insert(s.begin(), s.end());
  return all;
}

const ElementRecord& Record(int number) {
  return BuiltinRecords().at(number - 1);
}

std::vector<int> Levels(const std::string& text) {
  std::vector<int> levels;
  std::istringstream in(text);
  for (int value; in >> value;) levels.push_back(value);
  return levels;
}

struct Term {
  int shell;
  char sublevel;
  int electrons;
};

std::vector<Term> Terms(const std::string& formula) {
  static const std::regex kTerm(R"re((\d)([spdf])\^"(\d{1,2})")re");
  std::vector<Term> terms;
  for (auto it = std::sregex_iterator(formula.begin(), formula.end(), kTerm);
       it != std::sregex_iterator(); ++it) {
    terms.push_back({std::stoi((*it)[1]), (*it)[2].str()[0], std::stoi((*it)[3])});
  }
  return terms;
}

TEST(BuiltinRecordsTest, HoldsOneRecordPerElementInOrder) {
  ASSERT_EQ(BuiltinRecordBytes().size(), 19'800u);
  ASSERT_EQ(BuiltinRecords().size(), static_cast<std::size_t>(kElementCount));
  for (int n = 1; n <= kElementCount; ++n) {
    EXPECT_EQ(Record(n).Number, n);
    EXPECT_EQ(TrimRight(Record(n).Symbol), kSymbols[n - 1]) << "element " << n;
  }
}

struct Expected {
  bool sideSubgroup;
  int number;
  const char* symbol;
  const char* atomicMass;
  const char* nameRus;
  const char* nameLat;
  const char* electronFormula;
  const char* electronLevels;
  const char* electronegativity;
  std::int32_t category;
  const char* block;
};

TEST(BuiltinRecordsTest, KeyRecordsMatchFieldByField) {
  const Expected kCases[] = {
      {false, 1, "H", "1,00794", "Водород", "Hydrogenium", R"(1s^"1")", "1", "2,1", 2, "s"},
      {false, 2, "He", "4,002602", "Гелий", "Helium", R"(1s^"2")", "2", "", 0, "s"},
      {false, 3, "Li", "6,941", "Литий", "Lithium", R"(2s^"1")", "1 2", "1,0", 5, "s"},
      {false, 13, "Al", "26,98154", "Алюминий", "Aluminium", R"(3s^"2"3p^"1")", "3 8 2", "1,5", 3,
       "p"},
      {true, 26, "Fe", "55,847", "Железо", "Ferrum", R"(3d^"6"4s^"2")", "2 14 8 2", "1,8", 33, "d"},
      {true, 43, "Tc", "[98]", "Технеций", "Technetium", R"(4d^"5"5s^"2")", "2 13 18 8 2", "1,9",
       33, "d"},
      {true, 46, "Pd", "106,42", "Палладий", "Palladium", R"(4d^"10"5s^"0")", "0 18 18 8 2", "2,2",
       97, "d"},
      {true, 57, "La*", "138,9055", "Лантан", "Lanthanum", R"(5d^"1"6s^"2")", "2 9 18 18 8 2",
       "1,1", 161, "d"},
      {false, 59, "Pr", "140,9077", "Празеодим", "Praseodymium", R"(4f^"3"5d^"0"6s^"2")",
       "2 8 21 18 8 2", "1,1", 161, "f"},
      {false, 61, "Pm", "144,9128", "Прометий", "Promethium", R"(4f^"5"6s^"2")", "2 8 23 18 8 2",
       " —", 161, "f"},
      {true, 89, "Ac**", "227,0278", "Актиний", "Actinium", R"(6d^"1"7s^"2")", "2 9 18 32 18 8 2",
       "1,1", 33, "d"},
      {false, 90, "Th", "232,0381", "Торий", "Thorium", R"(6d^"2"7s^"2")", "2 10 18 32 18 8 2",
       "1,3", 33, "f"},
      {true, 104, "Rf", "[261]", "Резерфордий", "Rutherfordium", R"(6d^"2"7s^"2")",
       "2 10 32 32 18 8 2", " —", 289, "d"},
      {true, 110, "", "[   ]", "", "", "", "", "", 289, "d"},
  };
  for (const Expected& e : kCases) {
    SCOPED_TRACE(e.number);
    const ElementRecord& r = Record(e.number);
    EXPECT_EQ(r.SideSubgroup, e.sideSubgroup);
    EXPECT_EQ(r.Number, e.number);
    EXPECT_EQ(TrimRight(r.Symbol), e.symbol);
    EXPECT_EQ(TrimRight(r.AtomicMass), e.atomicMass);
    EXPECT_EQ(TrimRight(r.NameRus), e.nameRus);
    EXPECT_EQ(TrimRight(r.NameLat), e.nameLat);
    EXPECT_EQ(TrimRight(r.ElectronFormula), e.electronFormula);
    EXPECT_EQ(TrimRight(r.ElectronLevels), e.electronLevels);
    EXPECT_EQ(TrimRight(r.Electronegativity), e.electronegativity);
    EXPECT_EQ(r.Category, e.category);
    EXPECT_EQ(TrimRight(r.Block), e.block);
  }
}

TEST(BuiltinRecordsTest, ClassificationFollowsTheGroupLists) {
  const NumberSet inert = Symbols({"He", "Ne", "Ar", "Kr", "Xe", "Rn"});
  const NumberSet nonMetals = Symbols(
      {"H", "B", "C", "N", "O", "F", "Si", "P", "S", "Cl", "As", "Se", "Br", "Te", "I", "At"});
  const NumberSet amphoteric = Symbols({"Be", "Al", "Ga", "Ge", "In", "Sn", "Sb", "Bi", "Po"});
  const NumberSet alkali = Symbols({"Li", "Na", "K", "Rb", "Cs", "Fr"});
  const NumberSet alkalineEarth = Symbols({"Be", "Mg", "Ca", "Sr", "Ba", "Ra"});
  const NumberSet halogens = Symbols({"F", "Cl", "Br", "I"});
  const NumberSet superheavy = Numbers(104, kPlaceholder);
  const NumberSet transition = Union({Range("Sc", "Zn"), Range("Y", "Cd"), Range("La", "Lu"),
                                      Range("Hf", "Hg"), Range("Ac", "Lr"), superheavy});
  const NumberSet platinum = Symbols({"Ru", "Rh", "Pd", "Os", "Ir", "Pt"});
  const NumberSet rareEarth = Union({Symbols({"Sc", "Y"}), Range("La", "Lu")});
  const NumberSet transuranium = Union({Range("Np", "Lr"), superheavy});
  const NumberSet sideSubgroup = Union({Range("Sc", "Zn"), Range("Y", "Cd"), Symbols({"La"}),
                                        Range("Hf", "Hg"), Symbols({"Ac"}), superheavy});
  const NumberSet sBlock = Union({Symbols({"H", "He"}), alkali, alkalineEarth});
  const NumberSet fBlock = Union({Range("Ce", "Lu"), Range("Th", "Lr")});
  const NumberSet pBlock = Union({Range("B", "Ne"), Range("Al", "Ar"), Range("Ga", "Kr"),
                                  Range("In", "Xe"), Range("Tl", "Rn")});

  for (int n = 1; n <= kElementCount; ++n) {
    SCOPED_TRACE(n);
    const ElementRecord& r = Record(n);
    std::int32_t category = 0;
    if (!nonMetals.contains(n) && !inert.contains(n)) category |= 1;
    if (nonMetals.contains(n) || amphoteric.contains(n)) category |= 2;
    if (alkali.contains(n)) category |= 4;
    if (alkalineEarth.contains(n)) category |= 8;
    if (halogens.contains(n)) category |= 16;
    if (transition.contains(n)) category |= 32;
    if (platinum.contains(n)) category |= 64;
    if (rareEarth.contains(n)) category |= 128;
    if (transuranium.contains(n)) category |= 256;
    EXPECT_EQ(r.Category, category);
    EXPECT_EQ(r.SideSubgroup, sideSubgroup.contains(n));

    const char* block = sBlock.contains(n)   ? "s"
                        : pBlock.contains(n) ? "p"
                        : fBlock.contains(n) ? "f"
                                             : "d";
    EXPECT_EQ(TrimRight(r.Block), block);
  }

  // A few sums worked out by hand, so a slip in the sets above cannot hide one in the table.
  const std::pair<const char*, std::int32_t> kSums[] = {
      {"H", 2},    {"Li", 5}, {"Be", 11},  {"F", 18},  {"Al", 3},
      {"Fe", 33},  {"Tl", 1}, {"Pb", 1},   {"Pt", 97}, {"La", 161},
      {"Ce", 161}, {"U", 33}, {"Np", 289}, {"At", 2},  {"Rn", 0}};
  for (const auto& [symbol, category] : kSums) {
    EXPECT_EQ(Record(NumberOf(symbol)).Category, category) << symbol;
  }
}

TEST(BuiltinRecordsTest, ElectronegativityIsMissingOnlyWhereExpected) {
  const NumberSet inert = Symbols({"He", "Ne", "Ar", "Kr", "Xe", "Rn"});
  const NumberSet unknown =
      Union({Symbols({"Pm", "Eu", "Dy", "Fr", "Lr"}), Numbers(104, kPlaceholder - 1)});
  const std::regex kValue(R"(\d,\d)");
  for (int n = 1; n < kPlaceholder; ++n) {
    SCOPED_TRACE(n);
    const std::string value = TrimRight(Record(n).Electronegativity);
    if (inert.contains(n)) {
      EXPECT_EQ(value, "");
    } else if (unknown.contains(n)) {
      EXPECT_EQ(value, " —");
    } else {
      ASSERT_TRUE(std::regex_match(value, kValue)) << value;
      const double pauling = std::stod(value.substr(0, 1)) + std::stod(value.substr(2)) / 10;
      EXPECT_GE(pauling, 0.7);
      EXPECT_LE(pauling, 4.0);
    }
  }
}

TEST(BuiltinRecordsTest, AtomicMassesAreWrittenWithADecimalCommaOrAMassNumber) {
  const std::regex kMass(R"((\d{1,3}),(\d{1,6}))");
  const std::regex kMassNumber(R"(\[(\d{2,3})\])");
  for (int n = 1; n < kPlaceholder; ++n) {
    SCOPED_TRACE(n);
    const std::string text = TrimRight(Record(n).AtomicMass);
    std::smatch m;
    double mass = 0;
    if (std::regex_match(text, m, kMass)) {
      mass = std::stod(m[1].str() + "." + m[2].str());
    } else if (std::regex_match(text, m, kMassNumber)) {
      mass = std::stod(m[1].str());
    } else {
      ADD_FAILURE() << "malformed mass " << text;
      continue;
    }
    // From hydrogen (1.008 per proton) to plutonium (2.6) the ratio stays in this band; a
    // misplaced comma or a dropped digit falls outside it.
    EXPECT_GE(mass / n, 1.0) << text;
    EXPECT_LE(mass / n, 2.65) << text;
  }
  EXPECT_EQ(TrimRight(Record(NumberOf("Tc")).AtomicMass), "[98]");
  for (int n = 104; n < kPlaceholder; ++n) {
    EXPECT_EQ(TrimRight(Record(n).AtomicMass), "[" + std::to_string(157 + n) + "]");
  }
}

TEST(BuiltinRecordsTest, ElectronFormulaAgreesWithLevelsAndNumber) {
  const std::regex kFormula(R"re((\d[spdf]\^"\d{1,2}")+)re");
  for (int n = 1; n < kPlaceholder; ++n) {
    SCOPED_TRACE(n);
    const ElementRecord& r = Record(n);
    const std::string formula = TrimRight(r.ElectronFormula);
    const std::vector<int> levels = Levels(r.ElectronLevels);
    ASSERT_FALSE(levels.empty());

    int total = 0;
    for (int electrons : levels) total += electrons;
    EXPECT_EQ(total, n);

    ASSERT_TRUE(std::regex_match(formula, kFormula)) << formula;
    EXPECT_LE(formula.size(), 19u);

    const std::vector<Term> terms = Terms(formula);
    const int outer = static_cast<int>(levels.size());
    int outerElectrons = 0;
    int previousShell = 0;
    for (const Term& t : terms) {
      const int capacity = t.sublevel == 's'   ? 2
                           : t.sublevel == 'p' ? 6
                           : t.sublevel == 'd' ? 10
                                               : 14;
      EXPECT_LE(t.electrons, capacity) << formula;
      EXPECT_GE(t.shell, previousShell) << "terms run from the innermost shell: " << formula;
      previousShell = t.shell;
      if (t.shell == outer) {
        outerElectrons += t.electrons;
      } else if (t.sublevel == 'd') {
        // The d sublevel being filled lies just under the outer shell, over a closed s2 p6.
        EXPECT_EQ(t.shell, outer - 1) << formula;
        EXPECT_EQ(levels[1], 8 + t.electrons) << formula;
      } else if (t.sublevel == 'f') {
        // The f sublevel lies two shells down, over closed s2 p6 d10.
        EXPECT_EQ(t.shell, outer - 2) << formula;
        EXPECT_EQ(levels[2], 18 + t.electrons) << formula;
      } else {
        ADD_FAILURE() << "unexpected inner term in " << formula;
      }
    }
    EXPECT_EQ(terms.back().shell, outer) << "the last term fills the outer shell";
    EXPECT_EQ(levels[0], outerElectrons);
  }
}

TEST(BuiltinRecordsTest, SourceTextFitsItsFieldInWindows1251) {
  struct Field {
    const char* BuiltinElement::*member;
    std::size_t width;
    const char* name;
  };
  const Field kFields[] = {
      {&BuiltinElement::symbol, 4, "symbol"},
      {&BuiltinElement::atomicMass, 10, "atomicMass"},
      {&BuiltinElement::nameRus, 20, "nameRus"},
      {&BuiltinElement::nameLat, 20, "nameLat"},
      {&BuiltinElement::electronFormula, 25, "electronFormula"},
      {&BuiltinElement::electronLevels, 20, "electronLevels"},
      {&BuiltinElement::electronegativity, 20, "electronegativity"},
      {&BuiltinElement::block, 4, "block"},
  };
  for (const BuiltinElement& e : kBuiltinElements) {
    for (const Field& f : kFields) {
      const std::string text = e.*f.member;
      const std::string encoded = EncodeWindows1251(text);
      EXPECT_LE(encoded.size(), f.width) << f.name << " of " << int{e.number};
      // Every character must exist in the code page, or it would be written as '?'.
      EXPECT_EQ(DecodeWindows1251(encoded), text) << f.name << " of " << int{e.number};
    }
  }
}

TEST(BuiltinRecordsTest, NamesUseTheirAlphabets) {
  for (int n = 1; n < kPlaceholder; ++n) {
    SCOPED_TRACE(n);
    const std::string rus = EncodeWindows1251(TrimRight(Record(n).NameRus));
    ASSERT_FALSE(rus.empty());
    for (unsigned char c : rus) {
      // А..я occupy C0..FF; Ё and ё are A8 and B8. A Latin look-alike would be below 0x80.
      EXPECT_TRUE(c >= 0xC0 || c == 0xA8 || c == 0xB8) << "byte " << int{c};
    }
    const std::string lat = TrimRight(Record(n).NameLat);
    ASSERT_FALSE(lat.empty());
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(lat[0]))) << lat;
    EXPECT_TRUE(std::all_of(lat.begin() + 1, lat.end(), [](unsigned char c) {
      return std::islower(c) != 0;
    })) << lat;
  }
}

TEST(BuiltinRecordsTest, FileBytesCarryTheCodePageAndBlankPadding) {
  const std::vector<std::uint8_t>& bytes = BuiltinRecordBytes();
  auto field = [&](int number, std::size_t offset, std::size_t width) {
    const auto start = bytes.begin() + (number - 1) * kElementRecordSize + offset;
    return std::vector<std::uint8_t>(start, start + width);
  };

  auto blankPadded = [](std::initializer_list<std::uint8_t> text) {
    std::vector<std::uint8_t> padded(20, ' ');
    std::copy(text.begin(), text.end(), padded.begin());
    return padded;
  };
  EXPECT_EQ(field(1, 17, 20), blankPadded({0xC2, 0xEE, 0xE4, 0xEE, 0xF0, 0xEE, 0xE4}));  // Водород
  // A blank and the em dash.
  EXPECT_EQ(field(NumberOf("Pm"), 152, 20), blankPadded({0x20, 0x97}));

  const std::vector<std::uint8_t> zeros(50, 0);
  for (int n = 1; n <= kElementCount; ++n) EXPECT_EQ(field(n, 102, 50), zeros) << n;
}

}  // namespace
}  // namespace periodic
