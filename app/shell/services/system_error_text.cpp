#include "app/shell/services/system_error_text.h"

#include <cerrno>

#include "data/atomic_file.h"

namespace table {

std::string SystemErrorText(int code) {
  struct Cause {
    int code;
    const char* text;
  };
  static constexpr Cause kCauses[] = {
      {ENOENT, "файл не найден"},
      {EACCES, "нет прав доступа"},
      {EPERM, "нет прав доступа"},
      {EISDIR, "на этом месте папка, а не файл"},
      {ENOTDIR, "часть пути не является папкой"},
      {ELOOP, "символические ссылки образуют петлю"},
      {ENOSPC, "на диске нет места"},
      {EDQUOT, "исчерпана дисковая квота"},
      {EFBIG, "файл слишком велик"},
      {EROFS, "файловая система доступна только для чтения"},
      {ENAMETOOLONG, "слишком длинное имя файла"},
      {periodic::kNotARegularFile, "это не обычный файл"},
      {EIO, "файл неполон или не читается"},
      {EBADF, "файл данных не открыт"},
      {EBUSY, "файл занят другой программой"},
      {ETXTBSY, "файл занят другой программой"},
      {EMFILE, "открыто слишком много файлов"},
      {ENFILE, "открыто слишком много файлов"},
      {ENOMEM, "не хватает памяти"},
      {EEXIST, "файл уже существует"},
      {ENXIO, "устройство недоступно"},
      {ENODEV, "устройство недоступно"},
      {ESTALE, "сетевой файл больше недоступен"},
      {ENOEXEC, "файл не является программой или библиотекой"},
  };
  for (const Cause& cause : kCauses) {
    if (cause.code == code) return cause.text;
  }
  return "непредвиденный сбой системы (код " + std::to_string(code) + ")";
}

}  // namespace table
