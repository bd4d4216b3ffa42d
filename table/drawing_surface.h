#pragma once

#include <cstdint>
#include <string_view>

#include "table/color.h"
#include "table/surface_sink.h"
#include "table/text_font.h"
#include "table/text_metrics.h"

namespace periodic {

// A picture's drawing state and its print semantics: a pen position, a current font and
// colours, and text that either stays on the line or ends it. Everything drawn goes to a sink.
class DrawingSurface {
 public:
  DrawingSurface(SurfaceSink& sink, const TextMetrics& metrics)
      : m_sink(sink), m_metrics(metrics) {}

  double currentX() const { return m_x; }
  double currentY() const { return m_y; }
  void setCurrentX(double x) { m_x = x; }
  void setCurrentY(double y) { m_y = y; }

  const TextFont& font() const { return m_font; }
  void setFontName(std::string_view name) { m_font.name = name; }
  void setFontSize(double points) { m_font.size = points; }
  void setFontBold(bool bold) { m_font.bold = bold; }

  Color foreColor() const { return m_foreColor; }
  void setForeColor(Color color) { m_foreColor = color; }
  Color backColor() const { return m_backColor; }
  void setBackColor(Color color) { m_backColor = color; }

  double width() const { return m_width; }
  double height() const { return m_height; }

  // Fills the whole surface with the back colour and puts the pen at (0, 0).
  void clear();
  void setSize(double width, double height);
  // Boxes and lines leave the pen at their second corner.
  void box(double x1, double y1, double x2, double y2, Color color);
  void filledBox(double x1, double y1, double x2, double y2, Color color);
  void line(double x1, double y1, double x2, double y2, Color color);

  // Draws text at the pen; the pen then stands right after it on the same line. A line break
  // (CR LF, or LF alone) inside the text starts a new line at x = 0.
  void printText(std::string_view text);
  // As printText; the pen then moves to x = 0, one line lower.
  void printLine(std::string_view text);
  // Prints the number as a sign place (a blank, or '-'), its digits and a blank, ending the line.
  void printNumber(std::int64_t number);

  double textWidth(std::string_view text) const { return m_metrics.textWidth(m_font, text); }
  double lineHeight() const { return m_metrics.lineHeight(m_font); }

 private:
  void drawLines(std::string_view text, bool endLine);
  void newLine();

  SurfaceSink& m_sink;
  const TextMetrics& m_metrics;
  double m_x = 0;
  double m_y = 0;
  double m_width = 0;
  double m_height = 0;
  TextFont m_font;
  Color m_foreColor = kBlack;
  Color m_backColor = kSystemWindowBackground;
};

}  // namespace periodic
