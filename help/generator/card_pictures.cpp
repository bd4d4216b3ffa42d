// Writes PNG pictures of element cards for the help pages, drawn by the cards' own drawing:
// card_pictures OUTPUT_FOLDER.

#include <QGuiApplication>
#include <cstdio>

#include "card/element_card.h"
#include "data/builtin_records.h"
#include "platform/drawing_renderer.h"
#include "platform/qt_text_metrics.h"
#include "table/drawing.h"

namespace {

struct CardPicture {
  const char* fileName;
  int number;
  periodic::CardView view;
};

const CardPicture kPictures[] = {
    {"card-Fe.png", 26, {}},
    {"card-Fe-inverted.png", 26, {true, false}},
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const periodic::clsTableColors colors;
  const periodic::QtTextMetrics metrics;
  for (const CardPicture& picture : kPictures) {
    periodic::Drawing drawing;
    periodic::TextCanvas canvas(drawing, metrics);
    canvas.setSize(periodic::kCardWidth, periodic::kCardHeight);
    periodic::ShowElement(canvas, periodic::BuiltinRecords().at(picture.number - 1), colors,
                          picture.view);
    const QString path = folder + "/" + picture.fileName;
    if (!periodic::RenderDrawing(drawing, 150).save(path)) {
      std::fprintf(stderr, "cannot write file '%s'\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
