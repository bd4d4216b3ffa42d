#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPrinter>
#include <cerrno>

#include "component/library_state.h"
#include "component/scroll_arrangement.h"
#include "component/vexel.h"
#include "platform/drawing_renderer.h"

namespace vexel {
namespace {

constexpr double kTwipsPerInch = 1440;

// The printable area in twips at the printer's own scale.
QSizeF PrintableTwips(QPrinter& printer) {
  const QRectF page = printer.pageRect(QPrinter::Inch);
  return page.size() * kTwipsPerInch;
}

}  // namespace

Error Vexel::PrintTable() {
  QPrinter& printer = m_state.printer();
  const auto SW = static_cast<float>(m_picOutPicture.width());
  const auto SH = static_cast<float>(m_picOutPicture.height());
  const QSizeF printable = PrintableTwips(printer);
  const std::int32_t z = periodic::PrintScale(SW, SH, static_cast<float>(printable.width()),
                                              static_cast<float>(printable.height()));
  QString failure;
  if (z <= 0 || SW <= 0 || SH <= 0) {
    failure = "Error 482. Printer error. Error source - Vexel";
  } else {
    QPainter painter;
    if (!painter.begin(&printer)) {
      failure =
          "Error 482. Printer error: the printer could not start the document. "
          "Error source - Vexel";
    } else {
      // Twips become printer pixels at the printer's own resolution.
      const double pixelsPerTwip = printer.resolution() / kTwipsPerInch;
      const QRectF target(0, 0, SW * z / 100.0 * pixelsPerTwip, SH * z / 100.0 * pixelsPerTwip);
      periodic::RenderDrawingInto(m_picOutPicture, painter, target);
      if (!painter.end())
        failure =
            "Error 482. Printer error: the document could not be finished. "
            "Error source - Vexel";
    }
  }
  // A failure is shown to the user; the caller is told the call succeeded.
  if (!failure.isEmpty()) showMessage(failure);
  return {};
}

Error Vexel::SaveAsBitmap(QString& filename) {
  const QImage image = periodic::RenderDrawing(m_picOutPicture, m_state.options.ZoomVal, 1.0);
  if (image.isNull()) return {5, "Invalid procedure call: there is no picture to save", "Vexel"};
  QFile file(filename);
  errno = 0;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    const int code = errno != 0 ? errno : EIO;
    return {code, QString("cannot write file '%1': %2").arg(filename, file.errorString()), "Vexel"};
  }
  QImageWriter writer(&file, "BMP");
  if (!writer.write(image))
    return {EIO, QString("cannot write file '%1': %2").arg(filename, writer.errorString()),
            "Vexel"};
  return {};
}

}  // namespace vexel
