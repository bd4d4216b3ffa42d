#pragma once

#include <QProxyStyle>

namespace table {

// The application's style, which gives the standard icons that every start asks for (the
// toolbar and menu bar extension arrows, the clear button of a text field) from Qt's own images
// read as PNG when they are first drawn. The style itself would search the icon theme for the clear
// button and, for any of them, load every image-format plugin to ask each whether it reads the
// file. A desktop with an icon theme of its own still gives its clear button. Everything else is
// the base style's.
class ResourceIconStyle : public QProxyStyle {
 public:
  explicit ResourceIconStyle(const QString& baseStyleName);

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace table
