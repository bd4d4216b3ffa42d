#include "app/shell/services/error_text.h"

#include <cerrno>

#include "data/system_error_text.h"

namespace table {
namespace {

// The control's "Invalid procedure call", which is also EIO's number.
constexpr int kInvalidCall = 5;

}  // namespace

QString RussianCause(int code) {
  // The data layer reports a file that ends too soon as an input-output error, and a read
  // before the file was opened as a bad descriptor.
  if (code == EIO) return "файл неполон или не читается";
  if (code == EBADF) return "файл данных не открыт";
  return QString::fromStdString(periodic::RussianErrorText(code));
}

QString FileProblem(const QString& what, const QString& path, int code) {
  return QString("%1 \"%2\": %3.").arg(what, path, RussianCause(code));
}

QString PictureSaveProblem(const QString& path, int code, const QString& description) {
  if (!description.startsWith("cannot ") && code == kInvalidCall)
    return "Рисунок не сохранен: таблица еще не нарисована.";
  return QString("Не удалось сохранить рисунок в файл \"%1\": %2.")
      .arg(path, QString::fromStdString(periodic::RussianErrorText(code)));
}

}  // namespace table
