#include "app/shell/picture_formats.h"

#include <QFileInfo>
#include <iterator>

namespace table {
namespace {

struct PictureFormat {
  const char* format;
  const char* extension;
  const char* filter;
};

constexpr PictureFormat kFormats[] = {
    {"BMP", "bmp", "Точечные рисунки Bitmap (*.bmp)"},
    {"PNG", "png", "Рисунки PNG (*.png)"},
    {"SVG", "svg", "Векторные рисунки SVG (*.svg)"},
    {"PDF", "pdf", "Документы PDF (*.pdf)"},
};

}  // namespace

QStringList PictureFilters() {
  QStringList filters;
  for (const PictureFormat& f : kFormats) filters << QString::fromUtf8(f.filter);
  return filters;
}

PictureTarget ChoosePictureTarget(const QString& fileName, const QString& chosenFilter) {
  const PictureFormat* chosen = &kFormats[0];
  for (const PictureFormat& f : kFormats)
    if (chosenFilter == QString::fromUtf8(f.filter)) chosen = &f;

  const QString suffix = QFileInfo(fileName).suffix();
  for (const PictureFormat& f : kFormats)
    if (suffix.compare(QLatin1String(f.extension), Qt::CaseInsensitive) == 0)
      return {fileName, QLatin1String(f.format)};
  if (suffix.isEmpty() && !fileName.endsWith('.'))
    return {fileName + '.' + QLatin1String(chosen->extension), QLatin1String(chosen->format)};
  return {fileName, QLatin1String(chosen->format)};
}

}  // namespace table
