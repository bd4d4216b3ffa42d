#include "data/system_error_text.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace periodic {
namespace {

// The causes a user meets when saving, printing or reading files read in Russian; a number the
// table does not know still says, in Russian, which it was.
TEST(RussianErrorText, NamesTheCommonCausesInRussian) {
  const std::pair<int, const char*> cases[] = {
      {ENOENT, "файл не найден"},
      {EACCES, "нет доступа"},
      {EPERM, "нет доступа"},
      {ENOSPC, "на диске нет места"},
      {EROFS, "файловая система доступна только для чтения"},
      {EISDIR, "на этом месте папка, а не файл"},
      {ENOTDIR, "часть пути не является папкой"},
      {EEXIST, "файл уже существует"},
      {EMFILE, "открыто слишком много файлов"},
      {EIO, "ошибка ввода-вывода"},
      {EDQUOT, "исчерпана дисковая квота"},
      {ENAMETOOLONG, "слишком длинное имя файла"},
      {EINVAL, "это не обычный файл"},
      {0, "системная ошибка 0"},
      {9999, "системная ошибка 9999"},
      {-3, "системная ошибка -3"},
  };
  for (const auto& [code, text] : cases) EXPECT_EQ(RussianErrorText(code), text) << code;
}

}  // namespace
}  // namespace periodic
