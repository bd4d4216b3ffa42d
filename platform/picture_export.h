#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "table/drawing.h"

namespace periodic {

// Why a picture could not be written: an error number (errno for file errors) and a
// description that names the file.
struct ExportFailure {
  int number = 0;
  QString description;
};

// An image as a PNG file.
std::optional<ExportFailure> WriteImagePng(const QImage& image, const QString& path);

// The full-size drawing as vectors: shapes stay shapes and text stays text, so the picture is
// sharp at any size. SVG takes one user unit per screen pixel at 100 %; the PDF has one page
// the size of the table. A file of that name is replaced only when the new one is complete.
std::optional<ExportFailure> WriteDrawingSvg(const Drawing& drawing, const QString& path,
                                             const QString& title);
std::optional<ExportFailure> WriteDrawingPdf(const Drawing& drawing, const QString& path,
                                             const QString& title);

}  // namespace periodic
