#pragma once

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

// The drawing as a PNG image at the zoom, the same pixels as the bitmap the control saves.
std::optional<ExportFailure> WriteDrawingPng(const Drawing& drawing, double zoomPercent,
                                             const QString& path);

// The full-size drawing as vectors: shapes stay shapes and text stays text, so the picture is
// sharp at any size. SVG takes one user unit per screen pixel at 100 %; the PDF has one page
// the size of the table. A file of that name is replaced only when the new one is complete.
std::optional<ExportFailure> WriteDrawingSvg(const Drawing& drawing, const QString& path,
                                             const QString& title);
std::optional<ExportFailure> WriteDrawingPdf(const Drawing& drawing, const QString& path,
                                             const QString& title);

}  // namespace periodic
