#include "card/element_card.h"

#include <cctype>

#include "card/electron_formula.h"

namespace periodic {

namespace {

// The first `count` characters of UTF-8 text, never splitting a character.
std::string FirstCharacters(const std::string& text, int count) {
  std::size_t end = 0;
  for (int taken = 0; end < text.size() && taken < count; ++taken) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  }
  return text.substr(0, end);
}

// The atomic number's x: numbers of one, two and three digits end at about the same place.
double NumberLeft(int number) {
  if (number < 10) return 1800 + 400;
  if (number < 100) return 1800 + 200;
  return 1800;
}

}  // namespace

Color BlockColor(const ElementRecord& record, const clsTableColors& scheme) {
  const std::string block = Trim(record.Block);
  if (block.size() != 1) return kBlack;
  switch (std::toupper(static_cast<unsigned char>(block[0]))) {
    case 'S':
      return scheme.SColor();
    case 'P':
      return scheme.PColor();
    case 'D':
      return scheme.DColor();
    case 'F':
      return scheme.FColor();
    default:
      return kBlack;
  }
}

std::string CardSymbol(const ElementRecord& record) {
  return Trim(FirstCharacters(record.Symbol, 2));
}

std::string CardCaption(const ElementRecord& record) {
  return Trim(record.Symbol) + " - " + Trim(record.NameRus);
}

std::string ElementHelpTopic(const ElementRecord& record) {
  return "html\\" + CardSymbol(record) + ".htm";
}

void ShowElement(TextCanvas& canvas, const ElementRecord& record, const clsTableColors& scheme,
                 CardView view) {
  const Color blockColor = BlockColor(record, scheme);
  const Color categoryColor = scheme.GetColor(record.Category);
  const Color background = view.invertColors ? blockColor : categoryColor;
  const Color symbolColor = view.invertColors ? categoryColor : blockColor;

  canvas.setFontBold(false);
  canvas.setBackColor(view.blackAndWhite ? kWhite : background);
  canvas.clear();

  // In black and white the symbol keeps the canvas's text colour, which every card leaves black.
  canvas.setFontSize(45);
  if (!view.blackAndWhite) canvas.setForeColor(symbolColor);
  canvas.setCurrentX(150);
  canvas.setCurrentY(100);
  canvas.printLine(CardSymbol(record));

  canvas.setFontSize(10);
  canvas.setForeColor(kBlack);
  canvas.setCurrentX(150);
  canvas.printLine(record.NameLat);
  canvas.setCurrentX(150);
  canvas.setFontBold(true);
  canvas.printLine(record.NameRus);

  canvas.setFontSize(20);
  canvas.setCurrentY(50);
  canvas.setCurrentX(NumberLeft(record.Number));
  canvas.printNumber(record.Number);

  canvas.setFontSize(10);
  canvas.setCurrentX(1550);
  canvas.setCurrentY(500);
  canvas.setFontBold(false);
  canvas.printLine(record.AtomicMass);
  canvas.setCurrentX(1550);
  canvas.setCurrentY(900);
  canvas.printLine(Trim(record.Electronegativity));
  canvas.setCurrentX(1550);
  canvas.setCurrentY(1300);
  PrintEFormula(Trim(record.ElectronFormula), canvas);

  canvas.setCurrentX(2650);
  canvas.setCurrentY(50);
  canvas.setFontSize(8);
  PrintELevels(Trim(record.ElectronLevels), canvas);
}

}  // namespace periodic
