#include "component/library_state.h"
#include "component/vexel.h"
#include "platform/picture_export.h"

namespace vexel {
namespace {

const QString kPictureTitle = QStringLiteral("Периодическая система химических элементов");

Error FromFailure(const std::optional<periodic::ExportFailure>& failure) {
  if (!failure) return {};
  return {failure->number, failure->description, "Vexel"};
}

}  // namespace

Error Vexel::SavePicture(QString& filename, const QString& format) {
  const QString kind = format.toUpper();
  if (kind == "BMP") return SaveAsBitmap(filename);
  if (kind == "PNG") {
    const QImage image = outputImage();
    if (image.isNull()) return {5, "Invalid procedure call: there is no picture to save", "Vexel"};
    return FromFailure(periodic::WriteImagePng(image, filename));
  }
  if (kind == "SVG")
    return FromFailure(periodic::WriteDrawingSvg(m_picOutPicture, filename, kPictureTitle));
  if (kind == "PDF")
    return FromFailure(periodic::WriteDrawingPdf(m_picOutPicture, filename, kPictureTitle));
  return {5, QString("Invalid procedure call: unknown picture format '%1'").arg(format), "Vexel"};
}

}  // namespace vexel
