#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "vexel_host.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class VexelPictureExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_host.control().InitProperties();
    m_host.resizeTwips(15000, 11000);
  }
  vexel::Error save(const QString& name, const char* format) {
    QString path = m_dir.filePath(name);
    return m_host.control().SavePicture(path, QString::fromLatin1(format));
  }
  QString path(const char* name) const { return m_dir.filePath(name); }

  VexelHost m_host;
  QTemporaryDir m_dir;
};

TEST_F(VexelPictureExportTest, BitmapAndPngHoldThePictureAtTheCurrentZoom) {
  m_host.control().ZoomTable(50);
  ASSERT_FALSE(save("table.png", "png").failed());
  EXPECT_EQ(QImage(path("table.png"), "PNG").size(), QSize(452, 320));

  // At any zoom both formats hold the very pixels of the control's picture.
  m_host.control().ZoomTable(33);
  ASSERT_FALSE(save("table.bmp", "BMP").failed());
  ASSERT_FALSE(save("table.png", "PNG").failed());
  QString direct = path("direct.bmp");
  ASSERT_FALSE(m_host.control().SaveAsBitmap(direct).failed());
  EXPECT_EQ(ReadAll(path("table.bmp")), ReadAll(direct));
  EXPECT_EQ(QImage(path("table.png"), "PNG").convertToFormat(QImage::Format_RGB32),
            QImage(direct, "BMP").convertToFormat(QImage::Format_RGB32));
}

TEST_F(VexelPictureExportTest, SvgKeepsShapesAndTextAsVectors) {
  ASSERT_FALSE(save("table.svg", "SVG").failed());
  QSvgRenderer renderer(path("table.svg"));
  ASSERT_TRUE(renderer.isValid());
  // One user unit per screen pixel at 100 %: 13550 x 9600 twips.
  EXPECT_NEAR(renderer.viewBoxF().width(), 13550 / 15.0, 0.01);
  EXPECT_EQ(renderer.viewBoxF().height(), 640);
  const QByteArray svg = ReadAll(path("table.svg"));
  // Texts stay texts: the symbols and the Russian names can be found in the file.
  EXPECT_TRUE(QRegularExpression(">\\s*Fe\\s*<").match(QString::fromUtf8(svg)).hasMatch());
  EXPECT_TRUE(svg.contains(QString("Железо").toUtf8()));
  EXPECT_FALSE(svg.contains("<image"));
}

TEST_F(VexelPictureExportTest, PdfHasOnePageTheSizeOfTheTable) {
  ASSERT_FALSE(save("table.pdf", "PDF").failed());
  const QByteArray pdf = ReadAll(path("table.pdf"));
  ASSERT_TRUE(pdf.startsWith("%PDF-"));
  const QRegularExpression page("/Type\\s*/Page(?!s)");
  EXPECT_EQ(QString::fromLatin1(pdf).count(page), 1);
  // 13550 x 9600 twips are 677.5 x 480 points; page sizes are whole points.
  EXPECT_TRUE(QRegularExpression("/MediaBox\\s*\\[\\s*0\\s+0\\s+678(\\.0*)?\\s+480")
                  .match(QString::fromLatin1(pdf))
                  .hasMatch());
}

TEST_F(VexelPictureExportTest, FailuresNameTheFileAndLeaveNothingBehind) {
  for (const char* format : {"PNG", "SVG", "PDF"}) {
    const vexel::Error error = save("missing/table.out", format);
    EXPECT_TRUE(error.failed()) << format;
    EXPECT_EQ(error.source, "Vexel");
    EXPECT_TRUE(error.description.contains("missing/table.out")) << error.description.toStdString();
  }
  const vexel::Error unknown = save("table.gif", "GIF");
  EXPECT_EQ(unknown.number, 5);
  EXPECT_FALSE(QFile::exists(path("table.gif")));
}

}  // namespace
