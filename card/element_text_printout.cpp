#include "card/element_text_printout.h"

#include "card/electron_formula.h"
#include "card/element_card.h"

namespace periodic {

namespace {

constexpr std::int32_t kMetalBit = 1;
constexpr std::int32_t kNonMetalBit = 2;
// Codes beyond the nine class bits set every bit, as the colour scheme reads them.
constexpr std::int32_t kHighestCategory = 511;

}  // namespace

std::string MetallicCharacterText(std::int32_t category) {
  if (category == 0) return "Инертный газ";
  if (category < 0 || category > kHighestCategory) return {};
  const bool metal = (category & kMetalBit) != 0;
  const bool nonMetal = (category & kNonMetalBit) != 0;
  if (metal && !nonMetal) return "Металл";
  if (nonMetal && !metal) return "Неметалл";
  return {};
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
