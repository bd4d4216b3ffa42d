#include "component/library_path.h"

#include <dlfcn.h>

#include <QFileInfo>

namespace vexel {
namespace {

QFileInfo LibraryFile() {
  Dl_info info{};
  // Any address inside this library names the file it was loaded from.
  if (dladdr(reinterpret_cast<void*>(&LibraryDirectory), &info) == 0 || !info.dli_fname)
    return QFileInfo();
  return QFileInfo(QString::fromLocal8Bit(info.dli_fname));
}

}  // namespace

QString LibraryDirectory() {
  return LibraryFile().absolutePath();
}

QString LibraryBaseName() {
  QString name = LibraryFile().completeBaseName();
  if (name.startsWith("lib")) name.remove(0, 3);
  return name;
}

Error FromDataError(const periodic::DataError& error) {
  return {error.code() != 0 ? error.code() : 1, QString::fromStdString(error.what()), "Vexel"};
}

}  // namespace vexel
