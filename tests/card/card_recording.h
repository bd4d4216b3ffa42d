#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "card/text_canvas.h"
#include "table/drawing.h"
#include "table/text_metrics.h"

namespace periodic {

// A text as a card test compares it: where it stands, its font and colour.
struct PrintedText {
  double x;
  double y;
  double size;
  bool bold;
  Color color;
  std::string text;

  bool operator==(const PrintedText&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const PrintedText& t) {
  return out << "(" << t.x << ", " << t.y << ", " << t.size << (t.bold ? " bold" : "") << ", "
             << t.color << ", \"" << t.text << "\")";
}

// A canvas over a recording with fixed metrics: every character is half its size wide
// (10 twips a point) and a line is 23 twips a point high.
struct RecordedCanvas {
  RecordedCanvas() { canvas.setSize(kCardWidth, kCardHeight); }

  std::vector<PrintedText> texts() const {
    std::vector<PrintedText> out;
    for (const DrawCommand& c : drawing.commands()) {
      if (c.kind == DrawCommand::Kind::Text)
        out.push_back({c.x1, c.y1, c.font.size, c.font.bold, c.color, c.text});
    }
    return out;
  }

  Drawing drawing;
  FixedTextMetrics metrics;
  TextCanvas canvas{drawing, metrics};
};

}  // namespace periodic
