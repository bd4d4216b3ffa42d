#include "card/card_message.h"

#include <string>

namespace periodic {

namespace {

constexpr double kMargin = 120;
constexpr double kMessagePoints = 8;

std::size_t NextCharacterEnd(std::string_view text, std::size_t i) {
  ++i;
  while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
  return i;
}

// Prints one paragraph, line by line, each line as long as fits into width.
void PrintParagraph(TextCanvas& canvas, std::string_view paragraph, double width) {
  std::string line;
  const auto endLine = [&] {
    canvas.setCurrentX(kMargin);
    canvas.printLine(line);
    line.clear();
  };
  std::size_t i = 0;
  while (i < paragraph.size()) {
    const std::size_t blank = paragraph.find(' ', i);
    const std::string_view word =
        paragraph.substr(i, blank == std::string_view::npos ? std::string_view::npos : blank - i);
    i = blank == std::string_view::npos ? paragraph.size() : blank + 1;
    const std::string joined = line.empty() ? std::string(word) : line + " " + std::string(word);
    if (canvas.textWidth(joined) <= width) {
      line = joined;
      continue;
    }
    if (!line.empty()) endLine();
    if (canvas.textWidth(word) <= width) {
      line = std::string(word);
      continue;
    }
    // A word wider than a line is broken character by character.
    for (std::size_t c = 0; c < word.size();) {
      const std::size_t end = NextCharacterEnd(word, c);
      const std::string piece(word.substr(c, end - c));
      if (!line.empty() && canvas.textWidth(line + piece) > width) endLine();
      line += piece;
      c = end;
    }
  }
  endLine();
}

}  // namespace

void ShowCardMessage(TextCanvas& canvas, std::string_view text) {
  canvas.setBackColor(kWhite);
  canvas.clear();
  canvas.setForeColor(kBlack);
  canvas.setFontBold(false);
  canvas.setFontSize(kMessagePoints);
  canvas.setCurrentY(kMargin);
  const double width = kCardWidth - 2 * kMargin;
  for (;;) {
    const std::size_t lf = text.find('\n');
    PrintParagraph(canvas, text.substr(0, lf), width);
    if (lf == std::string_view::npos) break;
    text.remove_prefix(lf + 1);
  }
}

}  // namespace periodic
