#include "card/element_card.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "card/card_message.h"
#include "card/element_number.h"
#include "card_recording.h"
#include "data/builtin_records.h"

namespace periodic {
namespace {

constexpr Color kMetalColour = 12303359;
constexpr Color kSColour = 255;
constexpr Color kDColour = 10066176;

// Record n as the data file holds it: text fields padded to their widths.
ElementRecord Record(int n) {
  return DecodeElementRecord(EncodeElementRecord(BuiltinRecords().at(n - 1)));
}

RecordedCanvas Card(const ElementRecord& record, CardView view = {}) {
  RecordedCanvas r;
  ShowElement(r.canvas, record, clsTableColors(), view);
  return r;
}

Color ClearColour(const RecordedCanvas& r) {
  for (const DrawCommand& c : r.drawing.commands()) {
    if (c.kind == DrawCommand::Kind::Clear) return c.color;
  }
  return -1;
}

// With fixed metrics a line is 23 twips a point high and a character 10 twips a point wide.
TEST(ShowElement, IronCardAtItsPlaces) {
  const ElementRecord iron = Record(26);
  const RecordedCanvas r = Card(iron);
  EXPECT_EQ(r.drawing.commands().front().kind, DrawCommand::Kind::Clear);
  EXPECT_EQ(ClearColour(r), kMetalColour);
  const std::vector<PrintedText> expected = {
      {150, 100, 45, false, kDColour, "Fe"},
      {150, 100 + 1035, 10, false, kBlack, "Ferrum              "},
      {150, 100 + 1035 + 230, 10, true, kBlack, "Железо              "},
      {2000, 50, 20, true, kBlack, " 26 "},
      {1550, 500, 10, false, kBlack, "55,847    "},
      {1550, 900, 10, false, kBlack, "1,8"},
      {1550, 1300, 10, false, kBlack, "3"},
      {1650, 1300, 10, false, kBlack, "d"},
      {1750, 1250, 8, false, kBlack, "6"},
      {1830, 1300, 10, false, kBlack, "4"},
      {1930, 1300, 10, false, kBlack, "s"},
      {2030, 1250, 8, false, kBlack, "2"},
      {2650, 50 + 3 * 184.0, 8, false, kBlack, "2"},
      {2650, 50 + 4 * 184.0, 8, false, kBlack, "1"},
      {2730, 50 + 4 * 184.0, 8, false, kBlack, "4"},
      {2650, 50 + 5 * 184.0, 8, false, kBlack, "8"},
      {2650, 50 + 6 * 184.0, 8, false, kBlack, "2"},
  };
  const std::vector<PrintedText> texts = r.texts();
  ASSERT_EQ(texts.size(), expected.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].text, expected[i].text) << i;
    EXPECT_NEAR(texts[i].x, expected[i].x, 1e-9) << expected[i];
    EXPECT_NEAR(texts[i].y, expected[i].y, 1e-9) << expected[i];
    EXPECT_EQ(texts[i].size, expected[i].size) << expected[i];
    EXPECT_EQ(texts[i].bold, expected[i].bold) << expected[i];
    EXPECT_EQ(texts[i].color, expected[i].color) << expected[i];
  }
  EXPECT_EQ(CardCaption(iron), "Fe - Железо");
  EXPECT_EQ(ElementHelpTopic(iron), "html\\Fe.htm");
}

TEST(ShowElement, AtomicNumberEndsAtTheSamePlace) {
  for (const auto& [number, x, text] :
       {std::tuple{5, 2200.0, " 5 "}, std::tuple{26, 2000.0, " 26 "},
        std::tuple{104, 1800.0, " 104 "}}) {
    const std::vector<PrintedText> texts = Card(Record(number)).texts();
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[3].x, x) << number;
    EXPECT_EQ(texts[3].y, 50) << number;
    EXPECT_EQ(texts[3].text, text) << number;
  }
}

TEST(ShowElement, SymbolOfTwoCharactersAndFullCaption) {
  const ElementRecord lanthanum = Record(57);
  EXPECT_EQ(Card(lanthanum).texts().front().text, "La");
  EXPECT_EQ(CardCaption(lanthanum), "La* - Лантан");
  EXPECT_EQ(ElementHelpTopic(lanthanum), "html\\La.htm");
  EXPECT_EQ(CardSymbol(Record(89)), "Ac");
  EXPECT_EQ(CardSymbol(Record(1)), "H");
}

struct ViewCase {
  const char* name;
  int element;
  const char* block;  // nullptr: as recorded
  CardView view;
  Color background;
  Color symbol;
};

TEST(ShowElement, ColoursOfEachView) {
  const ViewCase cases[] = {
      {"normal", 26, nullptr, {false, false}, kMetalColour, kDColour},
      {"inverted", 26, nullptr, {true, false}, kDColour, kMetalColour},
      {"black and white", 26, nullptr, {false, true}, kWhite, kBlack},
      // Inverting has no effect while black and white is on.
      {"black and white inverted", 26, nullptr, {true, true}, kWhite, kBlack},
      {"hydrogen", 1, nullptr, {false, false}, 10744303, kSColour},
      {"upper-case block", 26, " D  ", {false, false}, kMetalColour, kDColour},
      {"blank block", 26, "    ", {false, false}, kMetalColour, kBlack},
      {"blank block inverted", 26, "    ", {true, false}, kBlack, kMetalColour},
      {"unknown block", 26, "x   ", {false, false}, kMetalColour, kBlack},
  };
  for (const ViewCase& c : cases) {
    ElementRecord record = Record(c.element);
    if (c.block) record.Block = c.block;
    const RecordedCanvas r = Card(record, c.view);
    EXPECT_EQ(ClearColour(r), c.background) << c.name;
    const std::vector<PrintedText> texts = r.texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front().color, c.symbol) << c.name;
    for (std::size_t i = 1; i < texts.size(); ++i) EXPECT_EQ(texts[i].color, kBlack) << c.name;
  }
}

TEST(ShowElement, RedrawKeepsOnlyTheNewCard) {
  RecordedCanvas r;
  ShowElement(r.canvas, Record(26), clsTableColors(), {});
  const std::size_t ironCommands = r.drawing.commands().size();
  ShowElement(r.canvas, Record(26), clsTableColors(), {false, true});
  EXPECT_EQ(r.drawing.commands().size(), ironCommands);
  EXPECT_EQ(r.drawing.width(), kCardWidth);
  EXPECT_EQ(r.drawing.height(), kCardHeight);
}

TEST(ShowCardMessage, WrapsInsideTheCard) {
  RecordedCanvas r;
  const std::string path(60, 'a');
  ShowCardMessage(r.canvas,
                  "Не удалось прочитать данные элемента 27.\ncannot read file '" + path + "'");
  EXPECT_EQ(ClearColour(r), kWhite);
  std::string joined;
  double lastY = -1;
  for (const PrintedText& t : r.texts()) {
    EXPECT_GE(t.x, 0);
    const auto characters = std::count_if(t.text.begin(), t.text.end(), [](char c) {
      return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    EXPECT_LE(t.x + 80.0 * static_cast<double>(characters), kCardWidth) << t.text;
    EXPECT_LE(t.y + 184, kCardHeight) << t.text;
    EXPECT_GT(t.y, lastY);
    EXPECT_EQ(t.color, kBlack);
    lastY = t.y;
    joined += t.text + "|";
  }
  // Words stay whole where they fit; the path is broken only where it must be.
  EXPECT_EQ(joined.find("Не удалось"), 0u) << joined;
  EXPECT_NE(joined.find("27.|cannot read file|'aaa"), std::string::npos) << joined;
}

TEST(ElementNumber, StepsWrapAround) {
  EXPECT_EQ(PreviousElementNumber(1), 110);
  EXPECT_EQ(PreviousElementNumber(26), 25);
  EXPECT_EQ(NextElementNumber(110), 1);
  EXPECT_EQ(NextElementNumber(26), 27);
}

TEST(ElementNumber, NumberBoxText) {
  // The element the text asks for, and whether the box keeps the text as typed because it
  // names the current element.
  const struct {
    const char* text;
    int current;
    std::optional<int> result;
    bool keeps;
  } cases[] = {
      {"2", 26, 2, false},    {"26", 2, 26, false},     {"0", 26, {}, false},
      {"111", 26, {}, false}, {"x", 26, {}, false},     {"2x", 26, {}, false},
      {"26", 26, {}, true},   {"026", 26, {}, true},    {"1", 1, {}, true},
      {"", 26, {}, false},    {"110", 1, 110, false},   {" 7 ", 26, 7, false},
      {"+8", 26, 8, false},   {"-8", 26, {}, false},    {"2.5", 26, 2, false},
      {"3,5", 26, 4, false},  {"26.4", 26, {}, true},   {"1e2", 26, 100, false},
      {"inf", 26, {}, false}, {"nan", 26, {}, false},   {"0.6", 26, {}, false},
      {"0.6", 1, {}, false},  {"110.4", 26, {}, false}, {"110.4", 110, {}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RequestedElementNumber(c.text, c.current), c.result)
        << "\"" << c.text << "\" at " << c.current;
    EXPECT_EQ(NamesCurrentElement(c.text, c.current), c.keeps)
        << "\"" << c.text << "\" at " << c.current;
  }
}

}  // namespace
}  // namespace periodic
