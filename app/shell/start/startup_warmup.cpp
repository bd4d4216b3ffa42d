#include "app/shell/start/startup_warmup.h"

#include <dlfcn.h>
#include <pthread.h>
#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "app/shell/services/control_loader.h"
#include "platform/shared_library_check.h"

namespace table {
namespace {

// The folder of the running program, from /proc; empty when it cannot be read.
std::string ProgramFolder() {
  std::string path(4096, '\0');
  const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (length <= 0) return {};
  path.resize(static_cast<std::size_t>(length));
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Fontconfig reads its configuration and caches on first use, which is the first text laid out.
// It is part of the toolkit's libraries; looked up by name, so that nothing is built against it.
void ReadFontConfiguration() {
  using FcInitFunction = int (*)();
  if (auto* init = reinterpret_cast<FcInitFunction>(::dlsym(RTLD_DEFAULT, "FcInit"))) init();
}

// Loads the control library as the plugin loader will, so that its loading later finds it in
// memory. Only a regular file: opening a pipe would wait for a writer.
void* LoadControlLibrary(const std::string& folder) {
  if (folder.empty()) return nullptr;
  const std::string file = folder + "/" + kControlLibraryFileName;
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
  // A truncated library would end the program with SIGBUS inside the loader.
  if (!periodic::CheckSharedLibraryFile(file).ok()) return nullptr;
  return ::dlopen(file.c_str(), RTLD_LAZY);
}

}  // namespace

StartupWarmup::StartupWarmup(const std::string& programFolder)
    : m_thread([folder = programFolder.empty() ? ProgramFolder() : programFolder] {
        // Only time no other thread of the machine wants: the first thread and the display
        // server answering it come first.
        sched_param idle{};
        ::pthread_setschedparam(::pthread_self(), SCHED_IDLE, &idle);
        ReadFontConfiguration();
        // The handle is kept: the plugin loader holds the library from then on.
        (void)LoadControlLibrary(folder);
      }) {}

StartupWarmup::~StartupWarmup() {
  m_thread.join();
}

}  // namespace table
