// The icons every start makes: the same pictures as Qt's own, got without loading any
// image-format plugin and without reading an SVG image before it is drawn.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>
#include <memory>
#include <vector>

#include "app/shell/resource_icon_style.h"
#include "app/shell/svg_icon.h"

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
      for (const int side : {16, 32}) {
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

}  // namespace
}  // namespace table
