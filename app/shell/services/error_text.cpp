#include "app/shell/services/error_text.h"

#include <cerrno>

#include "data/atomic_file.h"

namespace table {

QString RussianCause(int code) {
  switch (code) {
    case ENOENT:
      return "файл или папка не найдены";
    case EACCES:
    case EPERM:
      return "нет прав доступа";
    case EISDIR:
      return "на этом месте папка, а не файл";
    case ENOTDIR:
      return "часть пути не является папкой";
    case ELOOP:
      return "символические ссылки образуют петлю";
    case ENOSPC:
      return "на диске нет места";
    case EDQUOT:
      return "исчерпана дисковая квота";
    case EFBIG:
      return "файл слишком велик";
    case EROFS:
      return "файловая система доступна только для чтения";
    case ENAMETOOLONG:
      return "слишком длинное имя файла";
    case periodic::kNotARegularFile:
      return "это не обычный файл";
    case EIO:
      return "файл неполон или не читается";
    default:
      return QString("системная ошибка %1").arg(code);
  }
}

QString FileProblem(const QString& what, const QString& path, int code) {
  return QString("%1 \"%2\": %3.").arg(what, path, RussianCause(code));
}

}  // namespace table
