#include "app/viewer/card_printing.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <cerrno>

#include <unistd.h>

#include "app/shell/services/error_text.h"
#include "card/element_text_printout.h"
#include "card/text_canvas.h"
#include "platform/drawing_renderer.h"
#include "platform/painter_sink.h"
#include "platform/qt_text_metrics.h"

namespace table {

namespace {

constexpr double kTwipsPerInch = 1440;

// Why a document could not be started. A file the printer should write is a file error, with
// the system's own number and its cause in Russian, when the file is a folder or it or its
// folder is not writable (asked without creating anything); anything else is the printer's.
PrintError StartError(const QPrinter& printer) {
  const QString file = printer.outputFileName();
  if (!file.isEmpty()) {
    const QFileInfo info(file);
    // A folder is writable, yet no document can be written in its place.
    if (info.isDir()) return {EISDIR, RussianCause(EISDIR) + ": " + file};
    const QByteArray checked =
        QFile::encodeName(info.exists() ? info.absoluteFilePath() : info.absolutePath());
    errno = 0;
    if (::access(checked.constData(), W_OK) != 0 && errno != 0) {
      const int number = errno;
      return {number, RussianCause(number) + ": " + file};
    }
  }
  return {kPrinterError, "Printer error"};
}

double PixelsPerTwip(const QPrinter& printer) {
  return printer.resolution() / kTwipsPerInch;
}

}  // namespace

std::optional<PrintError> PrintCardPicture(const periodic::Drawing& card, QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return StartError(printer);
  const double scale = PixelsPerTwip(printer);
  periodic::RenderDrawingInto(card, painter,
                              QRectF(0, 0, card.width() * scale, card.height() * scale));
  if (!painter.end()) return PrintError{kPrinterError, "Printer error"};
  return std::nullopt;
}

std::optional<PrintError> PrintCardText(const periodic::ElementRecord& record, QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return StartError(printer);
  {
    periodic::PainterSink sink(painter, PixelsPerTwip(printer));
    periodic::QtTextMetrics metrics;
    periodic::TextCanvas page(sink, metrics);
    periodic::PrintElementAsText(page, record);
  }
  if (!painter.end()) return PrintError{kPrinterError, "Printer error"};
  return std::nullopt;
}

}  // namespace table
