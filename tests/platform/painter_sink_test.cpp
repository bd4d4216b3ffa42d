#include "platform/painter_sink.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <optional>

#include "platform/drawing_renderer.h"
#include "platform/qt_text_metrics.h"
#include "table/drawing.h"

namespace periodic {
namespace {

constexpr Color kRed = 255;
constexpr Color kBlue = 16711680;

// A drawing of the given size in twips, cleared to the back colour.
Drawing Blank(double width, double height, Color back = kWhite) {
  Drawing drawing;
  drawing.clear(back);
  drawing.setSize(width, height);
  return drawing;
}

QRgb Rgb(Color color) {
  return ToQColor(color).rgb() | 0xFF000000u;
}

QRgb At(const QImage& image, int x, int y) {
  return image.pixel(x, y) | 0xFF000000u;
}

bool IsDark(QRgb pixel) {
  return qGray(pixel) < 128;
}

// The run of non-white pixels on row y starting at or after x: its start and length.
std::pair<int, int> DarkRunOnRow(const QImage& image, int y, int x = 0) {
  while (x < image.width() && At(image, x, y) == qRgb(255, 255, 255)) ++x;
  int end = x;
  while (end < image.width() && At(image, end, y) != qRgb(255, 255, 255)) ++end;
  return {x, end - x};
}

std::pair<int, int> DarkRunOnColumn(const QImage& image, int x, int y = 0) {
  while (y < image.height() && At(image, x, y) == qRgb(255, 255, 255)) ++y;
  int end = y;
  while (end < image.height() && At(image, x, end) != qRgb(255, 255, 255)) ++end;
  return {y, end - y};
}

// The bounding rectangle of every dark pixel, if any.
std::optional<QRect> DarkBounds(const QImage& image) {
  std::optional<QRect> bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (IsDark(At(image, x, y))) {
        bounds = bounds ? bounds->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
      }
    }
  }
  return bounds;
}

TEST(DrawingRendererTest, ImageSizeFollowsZoomAndPixelRatio) {
  const Drawing drawing = Blank(13550, 8400);
  const struct {
    double zoom;
    qreal ratio;
    int width;
    int height;
  } cases[] = {
      {50, 1, 452, 280},    {100, 1, 904, 560},   {150, 1, 1355, 840},
      {200, 1, 1807, 1120}, {100, 2, 1807, 1120}, {75, 1.25, 847, 525},
  };
  for (const auto& c : cases) {
    const QImage image = RenderDrawing(drawing, c.zoom, c.ratio);
    EXPECT_EQ(image.width(), c.width) << c.zoom << " % x " << c.ratio;
    EXPECT_EQ(image.height(), c.height) << c.zoom << " % x " << c.ratio;
    EXPECT_EQ(image.devicePixelRatio(), c.ratio);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
  }
}

TEST(DrawingRendererTest, EmptyDrawingGivesNullImage) {
  EXPECT_TRUE(RenderDrawing(Drawing(), 100).isNull());
}

TEST(DrawingRendererTest, FilledBoxScalesWithZoomAndPixelRatio) {
  Drawing drawing = Blank(3000, 3000, RgbColor(0, 128, 0));
  drawing.filledBox(150, 150, 1500, 1500, kRed);
  const struct {
    double zoom;
    qreal ratio;
    int scale;  // device pixels per pixel at 100 %
  } cases[] = {{100, 1, 1}, {200, 1, 2}, {100, 2, 2}, {300, 1, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.zoom << " % x " << c.ratio);
    const QImage image = RenderDrawing(drawing, c.zoom, c.ratio);
    const int s = c.scale;
    EXPECT_EQ(At(image, 50 * s, 50 * s), qRgb(255, 0, 0));
    // The box covers pixels 10 to 99 at 100 %, with no outline around it.
    EXPECT_EQ(At(image, 10 * s, 10 * s), qRgb(255, 0, 0));
    EXPECT_EQ(At(image, 100 * s - 1, 100 * s - 1), qRgb(255, 0, 0));
    EXPECT_EQ(At(image, 10 * s - 1, 50 * s), qRgb(0, 128, 0));
    EXPECT_EQ(At(image, 100 * s, 50 * s), qRgb(0, 128, 0));
    EXPECT_EQ(At(image, 50 * s, 100 * s), qRgb(0, 128, 0));
    EXPECT_EQ(At(image, 5 * s, 5 * s), qRgb(0, 128, 0));
    EXPECT_EQ(At(image, 150 * s, 150 * s), qRgb(0, 128, 0));
  }
}

TEST(DrawingRendererTest, DrawingWithoutClearShowsItsBackColour) {
  Drawing drawing;
  drawing.setSize(1500, 1500);
  const QImage image = RenderDrawing(drawing, 100);
  EXPECT_EQ(At(image, 50, 50), qRgb(255, 255, 255));
}

TEST(PainterSinkTest, BoxBorderIsTwoPixelsWideAtHundredPercent) {
  Drawing drawing = Blank(3000, 3000);
  drawing.box(150, 150, 1500, 1500, kBlack);
  const struct {
    double zoom;
    int width;
  } cases[] = {{100, 2}, {200, 4}, {150, 3}, {50, 1}, {25, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.zoom << " %");
    const QImage image = RenderDrawing(drawing, c.zoom);
    const int middle = static_cast<int>(800 * c.zoom / 100 / 15);
    const auto left = DarkRunOnRow(image, middle);
    EXPECT_EQ(left.second, c.width);
    // The outline only: the inside stays white and the right edge is as wide.
    const auto right = DarkRunOnRow(image, middle, left.first + left.second);
    EXPECT_EQ(right.second, c.width);
    EXPECT_GT(right.first, left.first + left.second);
    EXPECT_EQ(DarkRunOnColumn(image, middle).second, c.width);
    for (const auto& run : {left, right}) {
      for (int x = run.first; x < run.first + run.second; ++x) {
        EXPECT_EQ(At(image, x, middle), qRgb(0, 0, 0));  // crisp, not antialiased
      }
    }
  }
}

TEST(PainterSinkTest, BoxWithoutWidthIsAStraightLine) {
  Drawing drawing = Blank(3000, 3000);
  drawing.box(1500, 150, 1500, 1500, kBlack);
  const QImage image = RenderDrawing(drawing, 100);
  EXPECT_EQ(DarkRunOnRow(image, 50), std::make_pair(99, 2));
  // From y = 10 to y = 100, square caps adding a pixel at each end; no miter spikes.
  EXPECT_EQ(DarkRunOnColumn(image, 100), std::make_pair(9, 92));
  const auto bounds = DarkBounds(image);
  ASSERT_TRUE(bounds);
  EXPECT_EQ(*bounds, QRect(99, 9, 2, 92));
}

TEST(PainterSinkTest, LinesAreTwoPixelsWideAndScaleWithZoom) {
  Drawing drawing = Blank(3000, 3000);
  drawing.line(150, 750, 1500, 750, kBlue);
  for (const int zoom : {100, 200}) {
    const int s = zoom / 100;
    const QImage image = RenderDrawing(drawing, zoom);
    EXPECT_EQ(DarkRunOnColumn(image, 50 * s).second, 2 * s) << zoom << " %";
    EXPECT_EQ(At(image, 50 * s, 50 * s - 1), qRgb(0, 0, 255)) << zoom << " %";
  }
}

TEST(PainterSinkTest, TextLiesBelowAndRightOfItsTopLeftCorner) {
  // The table's largest size, and two it draws scaled from another size of the same face.
  for (const TextFont& font : {TextFont{"arial cyr", 15, true}, TextFont{"arial cyr", 7, false},
                               TextFont{"arial cyr", 9.5, true}}) {
    Drawing drawing = Blank(4500, 1500);
    drawing.text(1500, 300, font, kBlack, "Fe Ж");
    const QtTextMetrics metrics;
    const double em = font.size / 15;
    for (const int zoom : {100, 200}) {
      SCOPED_TRACE(testing::Message() << font.size << " pt at " << zoom << " %");
      const double pixelsPerTwip = zoom / 100.0 / 15;
      const QImage image = RenderDrawing(drawing, zoom);
      const auto bounds = DarkBounds(image);
      ASSERT_TRUE(bounds);
      const double left = 1500 * pixelsPerTwip;
      const double top = 300 * pixelsPerTwip;
      EXPECT_GE(bounds->left(), left);
      EXPECT_GE(bounds->top(), top);
      // Inside the box the metrics gave the text: the painter draws the font the metrics
      // measured, at the same size.
      EXPECT_LE(bounds->right(), left + metrics.textWidth(font, "Fe Ж") * pixelsPerTwip);
      EXPECT_LE(bounds->bottom(), top + metrics.lineHeight(font) * pixelsPerTwip);
      EXPECT_GT(bounds->right(), left + 0.9 * metrics.textWidth(font, "Fe Ж") * pixelsPerTwip);
      // Capitals reach from close under the top of the line to the baseline.
      EXPECT_LT(bounds->top(), top + 5 * pixelsPerTwip * 15 * em);
      EXPECT_GT(bounds->height(), 12 * pixelsPerTwip * 15 * em);
    }
  }
}

TEST(PainterSinkTest, TextIsDrawnInItsColour) {
  Drawing drawing = Blank(3000, 1500);
  drawing.text(150, 150, TextFont{"arial cyr", 20, true}, kRed, "Ш");
  const QImage image = RenderDrawing(drawing, 200);
  int red = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (At(image, x, y) == qRgb(255, 0, 0)) ++red;
    }
  }
  EXPECT_GT(red, 50);
}

TEST(PainterSinkTest, ColourBytesAreRedGreenBlueFromTheLowEnd) {
  const struct {
    Color color;
    QRgb rgb;
  } cases[] = {
      {255, qRgb(255, 0, 0)},        {65280, qRgb(0, 255, 0)},
      {16711680, qRgb(0, 0, 255)},   {RgbColor(1, 2, 3), qRgb(1, 2, 3)},
      {kYellow, qRgb(255, 255, 0)},  {kBlack, qRgb(0, 0, 0)},
      {kWhite, qRgb(255, 255, 255)},
  };
  for (const auto& c : cases) {
    Drawing drawing = Blank(300, 300, kWhite);
    drawing.filledBox(0, 0, 300, 300, c.color);
    EXPECT_EQ(At(RenderDrawing(drawing, 100), 10, 10), c.rgb) << "colour " << c.color;
  }
}

TEST(PainterSinkTest, SystemWindowBackgroundIsWhiteWhateverThePalette) {
  const QPalette saved = QGuiApplication::palette();
  QPalette dark = saved;
  dark.setColor(QPalette::Base, QColor(20, 20, 20));
  dark.setColor(QPalette::Window, QColor(30, 30, 30));
  dark.setColor(QPalette::Text, QColor(1, 2, 3));
  QGuiApplication::setPalette(dark);

  Drawing cleared = Blank(300, 300, kSystemWindowBackground);
  EXPECT_EQ(At(RenderDrawing(cleared, 100), 10, 10), qRgb(255, 255, 255));
  Drawing filled = Blank(300, 300, kBlack);
  filled.filledBox(0, 0, 300, 300, kSystemWindowBackground);
  EXPECT_EQ(At(RenderDrawing(filled, 100), 10, 10), qRgb(255, 255, 255));
  // Other system colours follow the palette; those it has no counterpart for are white.
  EXPECT_EQ(Rgb(static_cast<Color>(0x80000008u)), qRgb(1, 2, 3));
  EXPECT_EQ(Rgb(static_cast<Color>(0x800000FFu)), qRgb(255, 255, 255));

  QGuiApplication::setPalette(saved);
}

TEST(DrawingRendererTest, RenderingIntoATargetKeepsProportionsAndCentres) {
  Drawing drawing = Blank(1500, 1500, kWhite);
  drawing.filledBox(0, 0, 750, 750, kRed);
  QImage page(400, 200, QImage::Format_RGB32);
  page.fill(QColor(0, 128, 0));
  {
    QPainter painter(&page);
    painter.scale(3, 3);  // ignored: the target is in device pixels
    RenderDrawingInto(drawing, painter, QRectF(0, 0, 400, 200));
    // The painter is given back as it was.
    EXPECT_EQ(painter.transform(), QTransform::fromScale(3, 3));
  }
  // 1500 twips fit 200 pixels: the drawing takes x = 100 to 299, the red quarter its top left.
  EXPECT_EQ(At(page, 50, 100), qRgb(0, 128, 0));
  EXPECT_EQ(At(page, 99, 0), qRgb(0, 128, 0));
  EXPECT_EQ(At(page, 100, 0), qRgb(255, 0, 0));
  EXPECT_EQ(At(page, 199, 99), qRgb(255, 0, 0));
  EXPECT_EQ(At(page, 200, 99), qRgb(255, 255, 255));
  EXPECT_EQ(At(page, 150, 100), qRgb(255, 255, 255));
  EXPECT_EQ(At(page, 299, 199), qRgb(255, 255, 255));
  EXPECT_EQ(At(page, 300, 100), qRgb(0, 128, 0));
}

}  // namespace
}  // namespace periodic
