#pragma once

#include <sys/resource.h>

#include <csignal>

// While it lives, no file of this process may grow beyond `bytes`: a write past the limit fails
// with EFBIG, as a write to a full disk fails with ENOSPC, without needing a small file system.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &m_saved);
    struct rlimit limited = m_saved;
    limited.rlim_cur = bytes;
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_previousHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  struct rlimit m_saved {};
  void (*m_previousHandler)(int) = nullptr;
};
