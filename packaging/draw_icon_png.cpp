// Draws the program's icon as PNG pictures for the desktop's icon theme, at build time:
//   draw_icon_png IMAGE.svg OUTPUT_FOLDER SIDE...
// Each side becomes OUTPUT_FOLDER/SIDExSIDE/NAME.png, NAME being the image's file name.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  // The icon is shapes alone: drawing it needs neither a display nor fonts.
  QCoreApplication app(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() < 4) {
    std::fprintf(stderr, "usage: draw_icon_png IMAGE.svg OUTPUT_FOLDER SIDE...\n");
    return 2;
  }
  QSvgRenderer renderer(arguments[1]);
  if (!renderer.isValid()) {
    std::fprintf(stderr, "cannot read the SVG image %s\n", qPrintable(arguments[1]));
    return 1;
  }
  const QString name = QFileInfo(arguments[1]).completeBaseName() + ".png";
  for (const QString& sideText : arguments.mid(3)) {
    bool number = false;
    const int side = sideText.toInt(&number);
    if (!number || side <= 0 || side > 1024) {
      std::fprintf(stderr, "not a size: %s\n", qPrintable(sideText));
      return 2;
    }
    const QString folder = QStringLiteral("%1/%2x%2").arg(arguments[2]).arg(side);
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      renderer.render(&painter, QRectF(0, 0, side, side));
    }
    if (!QDir().mkpath(folder) || !image.save(folder + "/" + name, "PNG")) {
      std::fprintf(stderr, "cannot write %s/%s\n", qPrintable(folder), qPrintable(name));
      return 1;
    }
  }
  return 0;
}
