// The icons every start makes: the same pictures as Qt's own, got without loading any
// image-format plugin and without reading an SVG image before it is drawn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QResource>
#include <QStyle>
#include <QStyleFactory>
#include <QSvgRenderer>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/shell/icons/predrawn_image.h"
#include "app/shell/icons/resource_icon_style.h"
#include "app/shell/icons/svg_icon.h"
#include "app/shell/icons/svg_image.h"

// The program's images live in the application library; a test program registers them itself.
static void RegisterProgramImages() {
  Q_INIT_RESOURCE(icons);
  Q_INIT_RESOURCE(viewer);
}

namespace table {
namespace {

bool AnyImageFormatPluginLoaded() {
  QFile maps("/proc/self/maps");
  if (!maps.open(QIODevice::ReadOnly)) return false;
  return maps.readAll().contains("/imageformats/");
}

TEST(ResourceIconStyle, GivesTheBaseStylesIconsWithoutImageFormatPlugins) {
  // Nothing in this test program has read an image before.
  ASSERT_FALSE(AnyImageFormatPluginLoaded());
  const QString baseName = QApplication::style()->name();
  ResourceIconStyle style(baseName);
  const std::unique_ptr<QStyle> base(QStyleFactory::create(baseName));

  const QStyle::StandardPixmap icons[] = {QStyle::SP_ToolBarHorizontalExtensionButton,
                                          QStyle::SP_ToolBarVerticalExtensionButton,
                                          QStyle::SP_LineEditClearButton};
  std::vector<QIcon> own;
  std::vector<std::vector<QImage>> ownImages;
  for (const QStyle::StandardPixmap icon : icons) {
    own.push_back(style.standardIcon(icon));
    ownImages.emplace_back();
    for (const QSize& size : own.back().availableSizes())
      ownImages.back().push_back(
          own.back().pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32));
  }
  EXPECT_FALSE(AnyImageFormatPluginLoaded());

  for (std::size_t i = 0; i < own.size(); ++i) {
    SCOPED_TRACE(icons[i]);
    const QIcon expected = base->standardIcon(icons[i]);
    ASSERT_EQ(own[i].availableSizes(), expected.availableSizes());
    ASSERT_FALSE(ownImages[i].empty());
    for (std::size_t k = 0; k < ownImages[i].size(); ++k) {
      EXPECT_EQ(ownImages[i][k],
                expected.pixmap(expected.availableSizes()[static_cast<qsizetype>(k)])
                    .toImage()
                    .convertToFormat(QImage::Format_ARGB32));
    }
  }
}

TEST(SvgIcon, DrawsAsQtsOwnSvgIconInEveryMode) {
  RegisterProgramImages();
  for (const char* path : {":/icons/app.svg", ":/icons/Print.svg", ":/icons/OxidesTable.svg",
                           ":/viewer/element_card.svg"}) {
    const QIcon own = SvgIcon(path);
    const QIcon expected(path);
    ASSERT_FALSE(expected.pixmap(16).isNull()) << path;
    for (const QIcon::Mode mode :
         {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
      // 20 pixels is not drawn ahead: the toolkit draws it.
      for (const int side : {16, 20, 32}) {
        SCOPED_TRACE(QString("%1 mode %2 size %3").arg(path).arg(mode).arg(side).toStdString());
        EXPECT_EQ(
            own.pixmap(QSize(side, side), mode).toImage().convertToFormat(QImage::Format_ARGB32),
            expected.pixmap(QSize(side, side), mode)
                .toImage()
                .convertToFormat(QImage::Format_ARGB32));
      }
    }
  }
  EXPECT_TRUE(SvgIcon(":/icons/no-such-image.svg").isNull());
}

TEST(SvgIcon, EveryImageIsDrawnAheadAsItsSvgDrawsIt) {
  RegisterProgramImages();
  int images = 0;
  for (const QString& folder : {QStringLiteral(":/icons"), QStringLiteral(":/viewer")}) {
    QDirIterator svgs(folder, {"*.svg"});
    while (svgs.hasNext()) {
      const QString path = svgs.next();
      ++images;
      QSvgRenderer renderer(path);
      const bool windowIcon = path.endsWith("/app.svg") || path.endsWith("/element_card.svg");
      for (const int side : windowIcon ? QList<int>{16, 32, 64, 128} : QList<int>{16, 24, 32}) {
        SCOPED_TRACE(QString("%1 at %2").arg(path).arg(side).toStdString());
        const QResource predrawn(PredrawnIconPath(path, side));
        ASSERT_TRUE(predrawn.isValid());
        EXPECT_EQ(PredrawnImageFromBytes(predrawn.uncompressedData(), side),
                  DrawSvgImage(renderer, QSize(side, side)));
      }
    }
  }
  EXPECT_EQ(images, 24);
  EXPECT_EQ(PredrawnIconPath(":/icons/Print.svg", 16), ":/predrawn/icons/Print.16.pixels");
  EXPECT_EQ(PredrawnIconPath("/tmp/Print.svg", 16), QString());
}

QByteArray PictureBytes(std::uint32_t width, std::uint32_t height, qsizetype pixelBytes) {
  const std::uint32_t size[2] = {width, height};
  return QByteArray(reinterpret_cast<const char*>(size), sizeof size) +
         QByteArray(pixelBytes, '\x7f');
}

TEST(PredrawnImage, ReadsOnlyBytesOfItsOwnShape) {
  QImage image(3, 2, QImage::Format_ARGB32_Premultiplied);
  image.fill(qRgba(10, 20, 30, 40));
  EXPECT_EQ(PredrawnImageFromBytes(PredrawnImageBytes(image), 3), image);

  const struct {
    const char* what;
    QByteArray bytes;
    int maxSide;
  } broken[] = {
      {"empty", QByteArray(), 16},
      {"half a header", QByteArray(6, '\0'), 16},
      {"no width", PictureBytes(0, 2, 0), 16},
      {"wider than asked", PictureBytes(17, 1, 17 * 4), 16},
      {"taller than any image", PictureBytes(1, 0xffffffffu, 16), 16},
      {"a pixel short", PictureBytes(2, 2, 3 * 4), 16},
      {"a byte over", PictureBytes(2, 2, 4 * 4 + 1), 16},
      {"no size asked", PictureBytes(1, 1, 4), 0},
  };
  for (const auto& bytes : broken)
    EXPECT_TRUE(PredrawnImageFromBytes(bytes.bytes, bytes.maxSide).isNull()) << bytes.what;
}

}  // namespace
}  // namespace table
