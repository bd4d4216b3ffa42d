#include "app/shell/picture_formats.h"

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
  const QStringList f = PictureFilters();
  struct Case {
    QString name;
    QString filter;
    QString fileName;
    QString format;
  };
  const Case cases[] = {
      {"/t/table", f[0], "/t/table.bmp", "BMP"},
      {"/t/table", f[1], "/t/table.png", "PNG"},
      {"/t/table", f[2], "/t/table.svg", "SVG"},
      {"/t/table", f[3], "/t/table.pdf", "PDF"},
      {"/t/table.svg", f[0], "/t/table.svg", "SVG"},  // the extension wins over the filter
      {"/t/table.PDF", f[1], "/t/table.PDF", "PDF"},
      {"/t/table.bmp", f[3], "/t/table.bmp", "BMP"},
      {"/t/table.txt", f[1], "/t/table.txt", "PNG"},  // another extension is kept
      {"/t/v1.2/table", f[2], "/t/v1.2/table.svg", "SVG"},
      {"/t/table", "no such filter", "/t/table.bmp", "BMP"},
  };
  for (const Case& c : cases) {
    const PictureTarget target = ChoosePictureTarget(c.name, c.filter);
    EXPECT_EQ(target.fileName, c.fileName) << c.name.toStdString();
    EXPECT_EQ(target.format, c.format) << c.name.toStdString();
  }
}

}  // namespace
}  // namespace table
