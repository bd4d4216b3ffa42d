#include "table/element_facts.h"

#include <gtest/gtest.h>

#include "data/builtin_records.h"

namespace periodic {
namespace {

const ElementRecord& Builtin(int n) {
  return BuiltinRecords().at(n - 1);
}

TEST(ElementFacts, IronShowsNamesNumberMassAndRaisedCounts) {
  EXPECT_EQ(ElementFactsHtml(26, Builtin(26)),
            "<b>Fe</b> Железо (<i>Ferrum</i>)"
            "<br>Порядковый номер: 26"
            "<br>Атомная масса: 55,847"
            "<br>Электронная формула: 3d<sup>6</sup>4s<sup>2</sup>");
  EXPECT_EQ(ElementSpokenName(26, Builtin(26)), "Железо, Fe, 26");
}

TEST(ElementFacts, ElementWithoutNameOrDataShowsItsNumber) {
  EXPECT_EQ(ElementFactsHtml(110, Builtin(110)),
            "Элемент 110 (название не присвоено)"
            "<br>Порядковый номер: 110"
            "<br>Атомная масса: —"
            "<br>Электронная формула: —");
  EXPECT_EQ(ElementSpokenName(110, Builtin(110)), "Элемент, 110");
  EXPECT_EQ(ElementSpokenName(89, Builtin(89)), "Актиний, Ac, 89");
}

TEST(ElementFacts, FormulaNotationAndRecordTextAreSafe) {
  struct Case {
    const char* formula;
    const char* html;
  };
  const Case cases[] = {
      {R"(4d^"10"5s^"0")", "4d<sup>10</sup>5s<sup>0</sup>"},
      {R"(1s^"1"   )", "1s<sup>1</sup>"},
      {R"(2p^)", "2p"},     // a ^ without a count raises nothing
      {R"(2p^"3)", "2p3"},  // nor one whose count is not closed
      {R"(<b>^"&")", "&lt;b&gt;<sup>&amp;</sup>"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ElectronFormulaHtml(c.formula), c.html) << c.formula;

  ElementRecord garbled = Builtin(1);
  garbled.NameRus = "<script>";
  garbled.NameLat = "a&b";
  const std::string html = ElementFactsHtml(1, garbled);
  EXPECT_NE(html.find("&lt;script&gt; (<i>a&amp;b</i>)"), std::string::npos) << html;
}

}  // namespace
}  // namespace periodic
