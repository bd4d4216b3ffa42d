// The application style's standard icons: the same pictures as the base style's, got without
// loading any image-format plugin.
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
  for (const QStyle::StandardPixmap icon : icons) own.push_back(style.standardIcon(icon));
  EXPECT_FALSE(AnyImageFormatPluginLoaded());

  for (std::size_t i = 0; i < own.size(); ++i) {
    SCOPED_TRACE(icons[i]);
    const QIcon expected = base->standardIcon(icons[i]);
    ASSERT_EQ(own[i].availableSizes(), expected.availableSizes());
    for (const QSize& size : expected.availableSizes()) {
      EXPECT_EQ(own[i].pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32),
                expected.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32));
    }
  }
}

}  // namespace
}  // namespace table
