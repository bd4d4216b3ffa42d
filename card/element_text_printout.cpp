#include "card/element_text_printout.h"

#include "card/electron_formula.h"
#include "card/element_card.h"

namespace periodic {

namespace {

constexpr std::int32_t kMetalBit = 1;
// Above the nine class bits a code names no kind; the line then shows its label alone.
constexpr std::int32_t kHighestCategory = 511;
// Data files of old carried the colour of the element's kind in place of its class bits.
constexpr std::int32_t kNonMetalColour = 10744303;
constexpr std::int32_t kMetalColour = 12303359;
constexpr std::int32_t kInertGasColour = 11269045;

}  // namespace

std::string MetallicCharacterText(std::int32_t category) {
  switch (category) {
    case kNonMetalColour:
      return "Неметалл";
    case kMetalColour:
      return "Металл";
    case kInertGasColour:
      return "Инертный газ";
    default:
      break;
  }
  if (category < 0 || category > kHighestCategory) return {};
  if (category == 0) return "Инертный газ";
  // The metal bit decides, so the amphoteric elements, which carry both bits, are metals.
  return (category & kMetalBit) != 0 ? "Металл" : "Неметалл";
}

void PrintElementAsText(TextCanvas& page, const ElementRecord& record) {
  page.setFontName("arial cyr");
  page.setFontSize(12);
  page.printLine("Химический знак: " + Trim(record.Symbol));
  page.printLine("Порядковый номер: " + std::to_string(record.Number));
  page.printLine("Атомная масса: " + Trim(record.AtomicMass));
  page.printLine("Русское название: " + Trim(record.NameRus));
  page.printLine("Латинское название: " + Trim(record.NameLat));
  page.printLine("Металлические св-ва: " + MetallicCharacterText(record.Category));
  page.printLine("Застраеваемый подуровень (s, p, d, f): " + Trim(record.Block));
  page.printLine("Распределение электронов по уровням, от внешнего к внутреннему: " +
                 Trim(record.ElectronLevels));
  page.printText("Распределение электронов по застраивающимся уровням и подуровням: ");
  PrintEFormula(record.ElectronFormula, page);
  page.printLine({});
  page.printLine("Электроотрицательность: " + Trim(record.Electronegativity));
}

}  // namespace periodic
