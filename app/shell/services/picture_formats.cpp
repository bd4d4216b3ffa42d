#include "app/shell/services/picture_formats.h"

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

PictureTarget ChoosePictureTarget(const QString& fileName, int chosenFilter) {
  const bool known = chosenFilter >= 0 && chosenFilter < static_cast<int>(std::size(kFormats));
  const PictureFormat* chosen = &kFormats[known ? chosenFilter : 0];

  const QString suffix = QFileInfo(fileName).suffix();
  for (const PictureFormat& f : kFormats)
    if (suffix.compare(QLatin1String(f.extension), Qt::CaseInsensitive) == 0)
      return {fileName, QLatin1String(f.format)};
  if (suffix.isEmpty() && !fileName.endsWith('.'))
    return {fileName + '.' + QLatin1String(chosen->extension), QLatin1String(chosen->format)};
  return {fileName, QLatin1String(chosen->format)};
}

bool IsPicturePattern(const QString& fileName) {
  for (const PictureFormat& f : kFormats)
    if (fileName.endsWith("*." + QLatin1String(f.extension))) return true;
  return false;
}

}  // namespace table
