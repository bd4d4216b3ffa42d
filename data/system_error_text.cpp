#include "data/system_error_text.h"

#include <cerrno>
#include <utility>

#include "data/atomic_file.h"

namespace periodic {
namespace {

// EINVAL is not listed: the data layer gives it as kNotARegularFile.
constexpr std::pair<int, const char*> kTexts[] = {
    {ENOENT, "файл не найден"},
    {EACCES, "нет доступа"},
    {EPERM, "нет доступа"},
    {EISDIR, "на этом месте папка, а не файл"},
    {ENOTDIR, "часть пути не является папкой"},
    {EEXIST, "файл уже существует"},
    {ELOOP, "символические ссылки образуют петлю"},
    {ENAMETOOLONG, "слишком длинное имя файла"},
    {ENOSPC, "на диске нет места"},
    {EDQUOT, "исчерпана дисковая квота"},
    {EFBIG, "файл слишком велик"},
    {EROFS, "файловая система доступна только для чтения"},
    {EMFILE, "открыто слишком много файлов"},
    {ENFILE, "в системе открыто слишком много файлов"},
    {EIO, "ошибка ввода-вывода"},
    {ENOMEM, "недостаточно памяти"},
    {EBUSY, "устройство или файл заняты"},
    {ETXTBSY, "файл занят"},
    {ENXIO, "устройство не найдено"},
    {ENODEV, "устройство не найдено"},
    {EAGAIN, "ресурс временно недоступен"},
    {EINTR, "операция прервана"},
    {ENOEXEC, "это не исполняемый файл или библиотека"},
    {EXDEV, "файл нельзя перенести на другой диск"},
    {ENOTEMPTY, "папка не пуста"},
    {ESTALE, "сетевой файл больше недоступен"},
    {kNotARegularFile, "это не обычный файл"},
};

}  // namespace

std::string RussianErrorText(int code) {
  for (const auto& [number, text] : kTexts) {
    if (number == code) return text;
  }
  return "системная ошибка " + std::to_string(code);
}

}  // namespace periodic
