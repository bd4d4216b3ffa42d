#include "card/electron_formula.h"

#include <algorithm>
#include <cmath>

namespace periodic {

namespace {

constexpr double kRaiseTwips = 50;
constexpr double kSmallerPoints = 2;
constexpr int kShellLines = 7;

// Calls visit with each character of text. A character is a whole UTF-8 sequence (a stray
// byte counts alone), so that no character is split into bytes that cannot be drawn.
template <typename Visit>
void ForEachCharacter(std::string_view text, Visit visit) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    const std::size_t taken = std::min(length, text.size() - i);
    visit(text.substr(i, taken));
    i += taken;
  }
}

}  // namespace

void PrintEFormula(std::string_view formula, TextCanvas& canvas) {
  bool insideQuotes = false;
  ForEachCharacter(formula, [&](std::string_view c) {
    if (c == "^") {
      canvas.setFontSize(canvas.font().size - kSmallerPoints);
      canvas.setCurrentY(canvas.currentY() - kRaiseTwips);
    } else if (c == "\"" && !insideQuotes) {
      insideQuotes = true;
    } else if (c == "\"") {
      // The closing quote always undoes a '^', whether or not one came before it.
      canvas.setFontSize(canvas.font().size + kSmallerPoints);
      canvas.setCurrentY(canvas.currentY() + kRaiseTwips);
      insideQuotes = false;
    } else {
      canvas.printText(c);
    }
  });
}

void PrintELevels(std::string_view levels, TextCanvas& canvas) {
  const double x0 = std::nearbyint(canvas.currentX());
  const auto newLine = [&canvas, x0] {
    canvas.printLine({});
    canvas.setCurrentX(x0);
  };
  const auto shells = 1 + std::count(levels.begin(), levels.end(), ' ');
  for (auto i = shells; i < kShellLines; ++i) newLine();
  ForEachCharacter(levels, [&](std::string_view c) {
    if (c == " ")
      newLine();
    else
      canvas.printText(c);
  });
}

}  // namespace periodic
