#pragma once

// What the frame tests share: the options of each form and a frame drawn onto a recording.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table/table_colors.h"
#include "table/drawing.h"
#include "table/table_drawing.h"
#include "table/text_metrics.h"

namespace periodic::frame_test {

using Kind = DrawCommand::Kind;

// A background that no frame line uses, so that erasing is told apart from drawing.
constexpr Color kBack = RgbColor(10, 20, 30);

inline DisplayOptions ShortForm(bool oxides = false, bool moveOut = false) {
  DisplayOptions o;
  o.LongPeriods = false;
  o.ShowHighestOxidesTable = oxides;
  o.MoveOutInertGases = moveOut;
  return o;
}

inline DisplayOptions LongForm(bool oxides = false, bool moveOut = false) {
  DisplayOptions o = ShortForm(oxides, moveOut);
  o.LongPeriods = true;
  return o;
}

// Draws the frame of the given options onto a fresh recording.
class Frame {
 public:
  explicit Frame(const DisplayOptions& options)
      : options_(options), origin_(TableOriginOf(options)) {
    surface_.setBackColor(kBack);
    DrawFrame(TableDrawContext{surface_, options_, colors_, origin_});
  }

  const std::vector<DrawCommand>& commands() const { return drawing_.commands(); }
  double X() const { return origin_.X; }
  double Y() const { return origin_.Y; }

  // Index of the first command of that kind on that rectangle (in that colour), or -1.
  int IndexOf(Kind kind, double x1, double y1, double x2, double y2, Color color) const {
    const auto& c = commands();
    for (std::size_t i = 0; i < c.size(); ++i) {
      if (c[i].kind == kind && c[i].x1 == x1 && c[i].y1 == y1 && c[i].x2 == x2 && c[i].y2 == y2 &&
          c[i].color == color)
        return static_cast<int>(i);
    }
    return -1;
  }
  bool HasBox(double x1, double y1, double x2, double y2) const {
    return IndexOf(Kind::Box, x1, y1, x2, y2, kBlack) >= 0;
  }

  std::vector<DrawCommand> TextsNamed(const std::string& text) const {
    std::vector<DrawCommand> found;
    for (const DrawCommand& c : commands())
      if (c.kind == Kind::Text && c.text == text) found.push_back(c);
    return found;
  }
  // The only text command with that text; fails the test when there is not exactly one.
  DrawCommand Text(const std::string& text) const {
    const auto found = TextsNamed(text);
    EXPECT_EQ(found.size(), 1u) << "text \"" << text << "\"";
    return found.empty() ? DrawCommand{} : found.front();
  }
  // Index of the first text command with that text (at that position), or -1.
  int IndexOfText(const std::string& text, double x = -1, double y = -1) const {
    const auto& c = commands();
    for (std::size_t i = 0; i < c.size(); ++i) {
      if (c[i].kind != Kind::Text || c[i].text != text) continue;
      if (x < 0 || (c[i].x1 == x && c[i].y1 == y)) return static_cast<int>(i);
    }
    return -1;
  }
  std::vector<DrawCommand> OfKind(Kind kind, Color color) const {
    std::vector<DrawCommand> found;
    for (const DrawCommand& c : commands())
      if (c.kind == kind && c.color == color) found.push_back(c);
    return found;
  }

 private:
  Drawing drawing_;
  FixedTextMetrics metrics_;
  DrawingSurface surface_{drawing_, metrics_};
  clsTableColors colors_;
  DisplayOptions options_;
  TableOrigin origin_;
};

inline std::string Blanks(int n) {
  return std::string(n, ' ');
}

inline double WidthOf(const std::string& text, double size) {
  return FixedTextMetrics{}.textWidth(TextFont{"arial cyr", size, true}, text);
}

inline double LineHeightOf(double size, bool bold) {
  return FixedTextMetrics{}.lineHeight(TextFont{"arial cyr", size, bold});
}

inline void ExpectTextAt(const Frame& f, const std::string& text, double x, double y, double size) {
  SCOPED_TRACE("text \"" + text + "\"");
  const DrawCommand c = f.Text(text);
  EXPECT_EQ(c.x1, x);
  EXPECT_EQ(c.y1, y);
  EXPECT_EQ(c.font.size, size);
  EXPECT_EQ(c.color, kBlack);
}

}  // namespace periodic::frame_test
