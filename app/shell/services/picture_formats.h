#pragma once

#include <QString>
#include <QStringList>

namespace table {

// The picture formats the save command offers, in the order of the dialog's filters: the
// Windows bitmap first (the default), then PNG, SVG and PDF.
QStringList PictureFilters();

// What the save command writes for a name from the dialog and the filter chosen there.
struct PictureTarget {
  QString fileName;
  QString format;  // "BMP", "PNG", "SVG" or "PDF"
};

// A name ending in one of the formats' extensions (in any case) is written in that format,
// whatever filter was chosen. A name without an extension gets the chosen filter's, as the
// dialog's default extension would; any other name is kept and written in the chosen filter's
// format. chosenFilter indexes PictureFilters(); any other index counts as the bitmap's.
PictureTarget ChoosePictureTarget(const QString& fileName, int chosenFilter);

// Whether a name is one of the filters' patterns ("*.bmp") left in the dialog's name field.
bool IsPicturePattern(const QString& fileName);

}  // namespace table
