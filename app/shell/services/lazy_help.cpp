#include "app/shell/services/lazy_help.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>

#include "app/shell/services/error_text.h"
#include "app/shell/services/help_library.h"
#include "app/shell/services/library_file_text.h"
#include "platform/shared_library_check.h"

namespace table {
namespace {
constexpr const char* kCannotLoad = "Справка недоступна: не удалось загрузить библиотеку справки";
}

LazyHelp::LazyHelp(std::function<void(const QString&)> report, const QString& folder)
    : m_report(std::move(report)) {
  const QString dir = folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
  m_file = QDir(dir).absoluteFilePath(QString::fromLatin1(kHelpLibraryFileName));
}

LazyHelp::~LazyHelp() {
  // The help's windows go before the code that made them. The library stays loaded: the
  // toolkit may still hold pieces of it until the program ends.
  m_help.reset();
}

HelpCalls* LazyHelp::help() {
  if (m_help) return m_help.get();
  const QString shown = QDir::toNativeSeparators(m_file);
  const QByteArray path = QFile::encodeName(m_file);
  struct stat info {};
  QString problem;
  if (::stat(path.constData(), &info) != 0) {
    problem = errno == ENOENT
                  ? QString("Справка недоступна: не найдена библиотека справки \"%1\".").arg(shown)
                  : FileProblem(kCannotLoad, shown, errno);
  } else if (!S_ISREG(info.st_mode)) {
    problem = FileProblem(kCannotLoad, shown, S_ISDIR(info.st_mode) ? EISDIR : ENOEXEC);
  }
  if (problem.isEmpty() && !m_library) {
    // A truncated library would end the program with SIGBUS inside the loader.
    const periodic::LibraryFileCheck check = periodic::CheckSharedLibraryFile(path.toStdString());
    if (!check.ok()) {
      problem = QString("%1 \"%2\": %3.")
                    .arg(kCannotLoad, shown,
                         LibraryFileCause(
                             check, "библиотека повреждена или не подходит к этой программе"));
    }
  }
  if (!problem.isEmpty()) {
    if (m_report) m_report(problem);
    return nullptr;
  }
  if (!m_library) m_library = ::dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL);
  auto create =
      m_library != nullptr
          ? reinterpret_cast<CreateTableHelpFunction>(::dlsym(m_library, kCreateTableHelpName))
          : nullptr;
  if (create == nullptr) {
    // The loader's own reasons are in English; the user gets what they mean.
    if (m_report) {
      m_report(QString("Справка недоступна: библиотека справки \"%1\" повреждена или не "
                       "подходит к этой программе.")
                   .arg(shown));
    }
    return nullptr;
  }
  m_help.reset(create());
  return m_help.get();
}

void LazyHelp::ShowHelpCommand(const QString& command) {
  if (HelpCalls* shown = help()) shown->ShowHelpCommand(command);
}

void LazyHelp::ShowHelpTopic(const QString& page) {
  if (HelpCalls* shown = help()) shown->ShowHelpTopic(page);
}

void LazyHelp::ShowHelpContext(int context) {
  if (HelpCalls* shown = help()) shown->ShowHelpContext(context);
}

void LazyHelp::CloseAllHelp() {
  // Help never shown has nothing to close, and is not loaded for it.
  if (m_help) m_help->CloseAllHelp();
}

}  // namespace table
