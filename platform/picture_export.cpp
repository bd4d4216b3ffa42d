#include "platform/picture_export.h"

#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cerrno>
#include <cmath>

#include "platform/drawing_renderer.h"
#include "platform/painter_sink.h"

namespace periodic {
namespace {

constexpr double kTwipsPerPoint = 20;
constexpr int kPdfResolution = 1200;

ExportFailure Failure(int number, const QString& path, const QString& why) {
  return {number, QString("cannot write file '%1': %2").arg(path, why)};
}

// Opens the file for a complete replacement; errno says why it cannot be.
std::optional<ExportFailure> Open(QSaveFile& file) {
  errno = 0;
  if (file.open(QIODevice::WriteOnly)) return std::nullopt;
  return Failure(errno != 0 ? errno : EIO, file.fileName(), file.errorString());
}

std::optional<ExportFailure> Commit(QSaveFile& file) {
  errno = 0;
  if (file.commit()) return std::nullopt;
  return Failure(errno != 0 ? errno : EIO, file.fileName(), file.errorString());
}

std::optional<ExportFailure> NothingDrawn(const Drawing& drawing, const QString& path) {
  if (drawing.width() > 0 && drawing.height() > 0) return std::nullopt;
  return Failure(EINVAL, path, "there is no picture to save");
}

}  // namespace

std::optional<ExportFailure> WriteImagePng(const QImage& image, const QString& path) {
  if (image.isNull()) return Failure(EINVAL, path, "there is no picture to save");
  QSaveFile file(path);
  if (auto failure = Open(file)) return failure;
  QImageWriter writer(&file, "PNG");
  if (!writer.write(image)) return Failure(EIO, path, writer.errorString());
  return Commit(file);
}

std::optional<ExportFailure> WriteDrawingSvg(const Drawing& drawing, const QString& path,
                                             const QString& title) {
  if (auto failure = NothingDrawn(drawing, path)) return failure;
  QSaveFile file(path);
  if (auto failure = Open(file)) return failure;
  const QSizeF size(drawing.width() / kTwipsPerPixel, drawing.height() / kTwipsPerPixel);
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setTitle(title);
  svg.setSize(
      QSize(static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height()))));
  svg.setViewBox(QRectF(QPointF(0, 0), size));
  svg.setResolution(96);
  QPainter painter;
  if (!painter.begin(&svg)) return Failure(EIO, path, "the SVG writer could not start");
  RenderDrawingInto(drawing, painter, QRectF(QPointF(0, 0), size));
  painter.end();
  return Commit(file);
}

std::optional<ExportFailure> WriteDrawingPdf(const Drawing& drawing, const QString& path,
                                             const QString& title) {
  if (auto failure = NothingDrawn(drawing, path)) return failure;
  QSaveFile file(path);
  if (auto failure = Open(file)) return failure;
  QPdfWriter pdf(&file);
  pdf.setTitle(title);
  pdf.setCreator(title);
  pdf.setResolution(kPdfResolution);
  const QSizeF points(drawing.width() / kTwipsPerPoint, drawing.height() / kTwipsPerPoint);
  pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait,
                                QMarginsF(0, 0, 0, 0)));
  QPainter painter;
  if (!painter.begin(&pdf)) return Failure(EIO, path, "the PDF writer could not start");
  RenderDrawingInto(drawing, painter, QRectF(0, 0, pdf.width(), pdf.height()));
  painter.end();
  return Commit(file);
}

}  // namespace periodic
