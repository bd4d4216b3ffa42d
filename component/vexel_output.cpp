#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPrinter>
#include <cerrno>
#include <vector>

#include "component/library_path.h"
#include "component/library_state.h"
#include "component/output_picture.h"
#include "component/scroll_arrangement.h"
#include "component/vexel.h"
#include "data/atomic_file.h"
#include "data/data_error.h"
#include "platform/drawing_renderer.h"
#include "platform/painter_sink.h"

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
    failure = "Error 482. Ошибка принтера. Error source - Vexel";
  } else {
    QPainter painter;
    if (!painter.begin(&printer)) {
      failure =
          "Error 482. Ошибка принтера: принтер не смог начать документ. "
          "Error source - Vexel";
    } else {
      // Twips become printer pixels at the printer's own resolution.
      const double pixelsPerTwip = printer.resolution() / kTwipsPerInch;
      const QRectF target(0, 0, SW * z / 100.0 * pixelsPerTwip, SH * z / 100.0 * pixelsPerTwip);
      periodic::RenderDrawingInto(m_picOutPicture, painter, target);
      if (!painter.end())
        failure =
            "Error 482. Ошибка принтера: документ не удалось завершить. "
            "Error source - Vexel";
    }
  }
  // A failure is shown to the user; the caller is told the call succeeded.
  if (!failure.isEmpty()) showMessage(failure);
  return {};
}

QImage Vexel::outputImage() const {
  // The bitmap is this control's own picture, pixel for pixel: its own zoom (other controls on
  // the thread may be zoomed otherwise) and picOutput's size, drawn as picOutput paints it.
  const QSize size = picOutput->size();
  if (m_picOutPicture.width() <= 0 || m_picOutPicture.height() <= 0 || size.isEmpty()) return {};
  QImage image(size, QImage::Format_RGB32);
  image.fill(periodic::ToQColor(m_picOutPicture.backColor()));
  QPainter painter(&image);
  periodic::PainterSink sink(painter, picOutput->zoom() / 100.0 / periodic::kTwipsPerPixel);
  m_picOutPicture.replay(sink);
  return image;
}

Error Vexel::SaveAsBitmap(QString& filename) {
  const QImage image = outputImage();
  if (image.isNull()) return {5, "Invalid procedure call: there is no picture to save", "Vexel"};
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "BMP");
  if (!writer.write(image))
    return {EIO, QString("cannot write file '%1': %2").arg(filename, writer.errorString()),
            "Vexel"};
  // Written whole under a temporary name: a full disk leaves neither a partial bitmap nor a
  // damaged old one.
  try {
    periodic::WriteWholeFile(filename.toStdString(),
                             std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  } catch (const periodic::DataError& e) {
    return FromDataError(e);
  }
  return {};
}

}  // namespace vexel
