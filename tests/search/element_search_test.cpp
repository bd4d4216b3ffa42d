#include "search/element_search.h"

#include <gtest/gtest.h>

#include "data/builtin_records.h"

namespace periodic {
namespace {

struct FindCase {
  const char* query;
  std::vector<int> expected;
};

TEST(ElementSearch, FindsBySymbolNumberAndNames) {
  const FindCase cases[] = {
      {"fe", {26}},     {"FE", {26}},     {" Fe\t", {26}},  {"26", {26}},
      {"жел", {26}},    {"Железо", {26}}, {"ЖЕЛЕЗО", {26}}, {"ferrum", {26}},
      {"FERRUM", {26}}, {"ac", {89}},  // the symbol is stored as "Ac**"
      {"la", {57}},                    // and lanthanum's as "La*"
      {"селён", {34}},                 // ё and е alike
      {"СЕЛЁН", {34}},  {"110", {110}},   {"1", {1}},
  };
  for (const FindCase& c : cases)
    EXPECT_EQ(FindElements(c.query, BuiltinRecords()), c.expected) << c.query;
}

TEST(ElementSearch, FindsNothingForOtherText) {
  for (const char* query :
       {"ферр", "ferr", "", "   ", "0", "111", "-1", "26a", "Fe26", "1e1", "99999999999"})
    EXPECT_TRUE(FindElements(query, BuiltinRecords()).empty()) << query;
}

TEST(ElementSearch, WholeMatchesComeBeforeNameBeginningsInNumberOrder) {
  EXPECT_EQ(FindElements("н", BuiltinRecords()), (std::vector<int>{10, 11, 28, 41, 60, 93, 102}));
  // Bor is a whole name and comes first; Borii only begins with it.
  EXPECT_EQ(FindElements("бор", BuiltinRecords()), (std::vector<int>{5, 107}));
  EXPECT_EQ(FindElements("b", BuiltinRecords()), (std::vector<int>{5}));
}

TEST(ElementSearch, NumbersNeedNoRecordsAndShortListsAreSafe) {
  EXPECT_EQ(FindElements("26", {}), (std::vector<int>{26}));
  EXPECT_TRUE(FindElements("fe", {}).empty());
  std::vector<ElementRecord> two(BuiltinRecords().begin(), BuiltinRecords().begin() + 2);
  EXPECT_EQ(FindElements("he", two), (std::vector<int>{2}));
  EXPECT_TRUE(FindElements("fe", two).empty());
}

TEST(ElementSearch, FoldingKeepsInvalidBytes) {
  EXPECT_EQ(FoldForSearch("ЁЖz"), U"ежz");
  // A lone continuation byte and a cut sequence stand for themselves.
  EXPECT_EQ(FoldForSearch("\x80"), std::u32string(1, char32_t{0x80}));
  EXPECT_EQ(FoldForSearch("a\xD0"), (std::u32string{U'a', char32_t{0xD0}}));
}

}  // namespace
}  // namespace periodic
