#pragma once

#include <string_view>

#include "table/color.h"
#include "table/text_font.h"

namespace periodic {

// The primitives a drawing is made of, in twips on the surface. A recording keeps them; a
// painter draws them.
class SurfaceSink {
 public:
  virtual ~SurfaceSink() = default;
  virtual void clear(Color back) = 0;
  virtual void setSize(double width, double height) = 0;
  virtual void box(double x1, double y1, double x2, double y2, Color color) = 0;
  virtual void filledBox(double x1, double y1, double x2, double y2, Color color) = 0;
  virtual void line(double x1, double y1, double x2, double y2, Color color) = 0;
  // Text whose top-left corner is (x, y).
  virtual void text(double x, double y, const TextFont& font, Color color,
                    std::string_view text) = 0;
};

}  // namespace periodic
