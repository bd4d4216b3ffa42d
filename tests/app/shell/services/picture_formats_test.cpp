#include "app/shell/services/picture_formats.h"

#include <gtest/gtest.h>

namespace table {
namespace {

TEST(PictureFormats, BitmapComesFirstThenPngSvgPdf) {
  const QStringList filters = PictureFilters();
  ASSERT_EQ(filters.size(), 4);
  EXPECT_EQ(filters[0], "Точечные рисунки Bitmap (*.bmp)");
  EXPECT_TRUE(filters[1].endsWith("(*.png)"));
  EXPECT_TRUE(filters[2].endsWith("(*.svg)"));
  EXPECT_TRUE(filters[3].endsWith("(*.pdf)"));
}

TEST(PictureFormats, TheTypeFollowsTheExtensionThenTheFilter) {
  enum { Bmp, Png, Svg, Pdf };
  struct Case {
    QString name;
    int filter;
    QString fileName;
    QString format;
  };
  const Case cases[] = {
      {"/t/table", Bmp, "/t/table.bmp", "BMP"},
      {"/t/table", Png, "/t/table.png", "PNG"},
      {"/t/table", Svg, "/t/table.svg", "SVG"},
      {"/t/table", Pdf, "/t/table.pdf", "PDF"},
      {"/t/table.svg", Bmp, "/t/table.svg", "SVG"},  // the extension wins over the filter
      {"/t/table.PDF", Png, "/t/table.PDF", "PDF"},
      {"/t/table.bmp", Pdf, "/t/table.bmp", "BMP"},
      {"/t/table.txt", Png, "/t/table.txt", "PNG"},  // another extension is kept
      {"/t/v1.2/table", Svg, "/t/v1.2/table.svg", "SVG"},
      {"/t/table", 7, "/t/table.bmp", "BMP"},
  };
  for (const Case& c : cases) {
    const PictureTarget target = ChoosePictureTarget(c.name, c.filter);
    EXPECT_EQ(target.fileName, c.fileName) << c.name.toStdString();
    EXPECT_EQ(target.format, c.format) << c.name.toStdString();
  }
}

TEST(PictureFormats, PatternsLeftInTheNameFieldAreNoNames) {
  for (const char* name : {"/t/*.bmp", "/t/*.png", "/t/*.svg", "/t/*.pdf"})
    EXPECT_TRUE(IsPicturePattern(name)) << name;
  for (const char* name : {"/t/table.bmp", "/t/*.txt", "/t/table.pdf.txt"})
    EXPECT_FALSE(IsPicturePattern(name)) << name;
}

}  // namespace
}  // namespace table
