// Draws the program's SVG icons at build time, for the sizes the program shows at start, as
// bytes that need no decoding:
//   draw_icon_pictures OUTPUT_FOLDER SIDES IMAGE.svg...
// SIDES is a comma-separated list of square sizes in pixels; each image becomes
// OUTPUT_FOLDER/IMAGE.SIDE.pixels for each side.
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QSvgRenderer>
#include <cstdio>

#include "app/shell/icons/predrawn_image.h"
#include "app/shell/icons/svg_image.h"

namespace {

bool WritePicture(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // Text in the images needs the font database, and a build has no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() < 4) {
    std::fprintf(stderr, "usage: draw_icon_pictures OUTPUT_FOLDER SIDES IMAGE.svg...\n");
    return 2;
  }
  const QString folder = arguments[1];
  QList<int> sides;
  for (const QString& side : arguments[2].split(',')) {
    bool number = false;
    sides << side.toInt(&number);
    if (!number || sides.back() <= 0) {
      std::fprintf(stderr, "not a size: %s\n", qPrintable(side));
      return 2;
    }
  }
  for (const QString& image : arguments.mid(3)) {
    QSvgRenderer renderer(image);
    if (!renderer.isValid()) {
      std::fprintf(stderr, "cannot read the SVG image %s\n", qPrintable(image));
      return 1;
    }
    const QString stem = QFileInfo(image).completeBaseName();
    for (const int side : sides) {
      const QImage picture = table::DrawSvgImage(renderer, QSize(side, side));
      const QString path = QStringLiteral("%1/%2.%3.pixels").arg(folder, stem).arg(side);
      if (picture.isNull() || !WritePicture(path, table::PredrawnImageBytes(picture))) return 1;
    }
  }
  return 0;
}
