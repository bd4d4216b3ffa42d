#include "table/drawing.h"

namespace periodic {

void Drawing::clear(Color back) {
  // A clear removes everything drawn before, so the picture keeps only what follows it.
  m_commands.clear();
  m_backColor = back;
  m_commands.push_back({DrawCommand::Kind::Clear, 0, 0, 0, 0, back, {}, {}});
}

void Drawing::setSize(double width, double height) {
  m_width = width;
  m_height = height;
  m_commands.push_back({DrawCommand::Kind::SetSize, 0, 0, width, height, 0, {}, {}});
}

void Drawing::box(double x1, double y1, double x2, double y2, Color color) {
  m_commands.push_back({DrawCommand::Kind::Box, x1, y1, x2, y2, color, {}, {}});
}

void Drawing::filledBox(double x1, double y1, double x2, double y2, Color color) {
  m_commands.push_back({DrawCommand::Kind::FilledBox, x1, y1, x2, y2, color, {}, {}});
}

void Drawing::line(double x1, double y1, double x2, double y2, Color color) {
  m_commands.push_back({DrawCommand::Kind::Line, x1, y1, x2, y2, color, {}, {}});
}

void Drawing::text(double x, double y, const TextFont& font, Color color, std::string_view text) {
  m_commands.push_back({DrawCommand::Kind::Text, x, y, 0, 0, color, font, std::string(text)});
}

void Drawing::replay(SurfaceSink& sink) const {
  for (const DrawCommand& c : m_commands) {
    switch (c.kind) {
      case DrawCommand::Kind::Clear:
        sink.clear(c.color);
        break;
      case DrawCommand::Kind::SetSize:
        sink.setSize(c.x2, c.y2);
        break;
      case DrawCommand::Kind::Box:
        sink.box(c.x1, c.y1, c.x2, c.y2, c.color);
        break;
      case DrawCommand::Kind::FilledBox:
        sink.filledBox(c.x1, c.y1, c.x2, c.y2, c.color);
        break;
      case DrawCommand::Kind::Line:
        sink.line(c.x1, c.y1, c.x2, c.y2, c.color);
        break;
      case DrawCommand::Kind::Text:
        sink.text(c.x1, c.y1, c.font, c.color, c.text);
        break;
    }
  }
}

}  // namespace periodic
