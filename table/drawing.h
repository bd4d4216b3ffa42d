#pragma once

#include <string>
#include <vector>

#include "table/surface_sink.h"

namespace periodic {

// One recorded primitive. Unused fields stay at their defaults.
struct DrawCommand {
  enum class Kind { Clear, SetSize, Box, FilledBox, Line, Text };

  Kind kind = Kind::Clear;
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
  Color color = 0;
  TextFont font;
  std::string text;

  bool operator==(const DrawCommand&) const = default;
};

// A retained picture: every primitive drawn on it, in order. It is drawn once and then
// replayed onto the screen at any zoom, into a bitmap or onto a printer page.
class Drawing : public SurfaceSink {
 public:
  void clear(Color back) override;
  void setSize(double width, double height) override;
  void box(double x1, double y1, double x2, double y2, Color color) override;
  void filledBox(double x1, double y1, double x2, double y2, Color color) override;
  void line(double x1, double y1, double x2, double y2, Color color) override;
  void text(double x, double y, const TextFont& font, Color color, std::string_view text) override;

  // Draws every primitive since the last clear onto another sink.
  void replay(SurfaceSink& sink) const;

  const std::vector<DrawCommand>& commands() const { return m_commands; }
  double width() const { return m_width; }
  double height() const { return m_height; }
  Color backColor() const { return m_backColor; }

 private:
  std::vector<DrawCommand> m_commands;
  double m_width = 0;
  double m_height = 0;
  Color m_backColor = kSystemWindowBackground;
};

}  // namespace periodic
