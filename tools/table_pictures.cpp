// Writes PNG pictures of the table in its main forms, drawn through the same retained drawing
// the control shows: table_pictures OUTPUT_FOLDER [ZOOM].

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <filesystem>

#include "table/table_colors.h"
#include "data/data_error.h"
#include "platform/drawing_renderer.h"
#include "platform/qt_text_metrics.h"
#include "table/drawing.h"
#include "table/table_drawing.h"

namespace {

struct Picture {
  const char* fileName;
  void (*adjust)(periodic::DisplayOptions&);
};

const Picture kPictures[] = {
    {"short-defaults.png", [](periodic::DisplayOptions& o) { o.ShowHighestOxidesTable = false; }},
    {"short-oxides-moved-out.png", [](periodic::DisplayOptions& o) { o.MoveOutInertGases = true; }},
    {"long.png", [](periodic::DisplayOptions& o) { o.LongPeriods = true; }},
    {"short-inverted.png", [](periodic::DisplayOptions& o) { o.InvertColors = true; }},
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [ZOOM]\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const double zoom = argc > 2 ? std::atof(argv[2]) : 100;
  QDir().mkpath(folder);
  try {
    periodic::WriteBuiltinRecords(folder.toStdString());
    periodic::ElementDataFile file;
    file.Open(folder.toStdString() + "/Elements.dat");
    const periodic::clsTableColors colors;
    const periodic::QtTextMetrics metrics;
    for (const Picture& picture : kPictures) {
      periodic::DisplayOptions options;
      picture.adjust(options);
      periodic::Drawing drawing;
      periodic::DrawingSurface surface(drawing, metrics);
      surface.setBackColor(periodic::kWhite);
      periodic::DrawTable(surface, options, colors, file);
      const QString path = folder + "/" + picture.fileName;
      if (!periodic::RenderDrawing(drawing, zoom).save(path)) {
        std::fprintf(stderr, "cannot write file '%s'\n", qPrintable(path));
        return 1;
      }
    }
  } catch (const periodic::DataError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
