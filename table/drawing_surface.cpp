#include "table/drawing_surface.h"

#include <string>

namespace periodic {

void DrawingSurface::clear() {
  m_sink.clear(m_backColor);
  m_x = 0;
  m_y = 0;
}

void DrawingSurface::setSize(double width, double height) {
  m_width = width;
  m_height = height;
  m_sink.setSize(width, height);
}

void DrawingSurface::box(double x1, double y1, double x2, double y2, Color color) {
  m_sink.box(x1, y1, x2, y2, color);
  m_x = x2;
  m_y = y2;
}

void DrawingSurface::filledBox(double x1, double y1, double x2, double y2, Color color) {
  m_sink.filledBox(x1, y1, x2, y2, color);
  m_x = x2;
  m_y = y2;
}

void DrawingSurface::line(double x1, double y1, double x2, double y2, Color color) {
  m_sink.line(x1, y1, x2, y2, color);
  m_x = x2;
  m_y = y2;
}

void DrawingSurface::newLine() {
  m_x = 0;
  m_y += lineHeight();
}

void DrawingSurface::drawLines(std::string_view text, bool endLine) {
  std::string_view piece;
  for (;;) {
    const auto lf = text.find('\n');
    piece = text.substr(0, lf);
    if (!piece.empty() && piece.back() == '\r') piece.remove_suffix(1);
    if (!piece.empty()) m_sink.text(m_x, m_y, m_font, m_foreColor, piece);
    if (lf == std::string_view::npos) break;
    newLine();
    text.remove_prefix(lf + 1);
  }
  // Only text that stays on the line is measured: the pen then stands right after it.
  if (endLine)
    newLine();
  else
    m_x += textWidth(piece);
}

void DrawingSurface::printText(std::string_view text) {
  drawLines(text, false);
}

void DrawingSurface::printLine(std::string_view text) {
  drawLines(text, true);
}

void DrawingSurface::printNumber(std::int64_t number) {
  const std::uint64_t magnitude =
      number < 0 ? 0 - static_cast<std::uint64_t>(number) : static_cast<std::uint64_t>(number);
  const std::string digits = std::to_string(magnitude);
  printLine((number < 0 ? "-" : " ") + digits + " ");
}

}  // namespace periodic
