#include "app/shell/services/library_file_text.h"

#include "app/shell/services/error_text.h"

namespace table {

QString LibraryFileCause(const periodic::LibraryFileCheck& check, const QString& notALibrary) {
  using periodic::LibraryFileProblem;
  switch (check.problem) {
    case LibraryFileProblem::kNone:
      return {};
    case LibraryFileProblem::kUnreadable:
      return RussianCause(check.error);
    case LibraryFileProblem::kNotElf:
    case LibraryFileProblem::kWrongClass:
    case LibraryFileProblem::kNotSharedObject:
      return notALibrary;
    case LibraryFileProblem::kWrongMachine:
      return "библиотека собрана для другого процессора";
    case LibraryFileProblem::kHeadersOutside:
    case LibraryFileProblem::kSegmentOutside:
      return "файл повреждён: он обрезан";
  }
  return notALibrary;
}

}  // namespace table
