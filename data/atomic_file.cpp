#include "data/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "data/data_error.h"

namespace periodic {
namespace {

std::string Describe(int code) {
  return code != 0 ? std::strerror(code) : "unknown error";
}

[[noreturn]] void Fail(const char* what, const std::string& path, int code) {
  throw DataError(std::string(what) + " '" + path + "': " + Describe(code), code);
}

// Closes the descriptor when it goes out of scope, unless it was closed before.
class FileHandle {
 public:
  explicit FileHandle(int fd) : m_fd(fd) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (m_fd >= 0) ::close(m_fd);
  }
  int get() const { return m_fd; }
  // Closes now and reports the result; 0 on success, else errno.
  int Close() {
    const int fd = m_fd;
    m_fd = -1;
    return ::close(fd) == 0 ? 0 : errno;
  }

 private:
  int m_fd;
};

// Reads up to `limit` bytes (all of the file when limit is 0); returns 0 or errno.
int ReadAll(int fd, std::vector<std::uint8_t>& out, std::size_t limit) {
  std::uint8_t buffer[4096];
  for (;;) {
    std::size_t want = sizeof buffer;
    if (limit != 0) {
      if (out.size() >= limit) return 0;
      want = std::min(want, limit - out.size());
    }
    const ssize_t got = ::read(fd, buffer, want);
    if (got < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (got == 0) return 0;
    out.insert(out.end(), buffer, buffer + got);
  }
}

// Writes all bytes; returns 0 or errno.
int WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t put = ::write(fd, data, size);
    if (put < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += put;
    size -= static_cast<std::size_t>(put);
  }
  return 0;
}

// The file a write has to replace: the path itself, or the file a symbolic link points to, so
// that the rename replaces the file and leaves the link in place.
std::filesystem::path ReplacedFile(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
  const fs::path resolved = fs::weakly_canonical(path, ec);
  return ec ? fs::path(path) : resolved;
}

std::atomic<unsigned> g_tempCounter{0};

}  // namespace

std::vector<std::uint8_t> ReadFilePrefix(const std::string& path, std::size_t limit) {
  // O_CREAT creates a missing file empty; an existing one is only read.
  FileHandle file(::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666));
  if (file.get() < 0) Fail("cannot open file", path, errno);
  std::vector<std::uint8_t> bytes;
  if (const int code = ReadAll(file.get(), bytes, limit)) Fail("cannot read file", path, code);
  return bytes;
}

void WriteFilePrefix(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  namespace fs = std::filesystem;
  const fs::path target = ReplacedFile(path);

  // The new contents: the given bytes, then whatever an existing file holds after them.
  std::vector<std::uint8_t> contents(bytes);
  bool keepMode = false;
  mode_t mode = 0;
  {
    FileHandle old(::open(target.c_str(), O_RDONLY | O_CLOEXEC));
    if (old.get() < 0) {
      if (errno != ENOENT) Fail("cannot write file", path, errno);
    } else {
      struct stat info {};
      if (::fstat(old.get(), &info) != 0) Fail("cannot write file", path, errno);
      keepMode = true;
      mode = info.st_mode & 07777;
      std::vector<std::uint8_t> existing;
      if (const int code = ReadAll(old.get(), existing, 0)) Fail("cannot write file", path, code);
      if (existing.size() > bytes.size())
        contents.insert(contents.end(), existing.begin() + bytes.size(), existing.end());
    }
  }

  // A temporary file beside the target, so that the rename stays within one file system.
  const fs::path folder = target.parent_path();
  const std::string stem = "." + target.filename().string() + "." + std::to_string(::getpid());
  fs::path temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = folder / (stem + "." + std::to_string(g_tempCounter++) + ".tmp");
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) Fail("cannot write file", path, errno);

  FileHandle file(fd);
  // The permission bits of the file being replaced are kept where the system allows it; a
  // failure here leaves the new file with the default ones, which is no reason to give up.
  if (keepMode) (void)::fchmod(file.get(), mode);
  int code = WriteAll(file.get(), contents.data(), contents.size());
  if (code == 0 && ::fsync(file.get()) != 0) code = errno;
  if (const int closed = file.Close(); code == 0) code = closed;
  if (code == 0 && ::rename(temp.c_str(), target.c_str()) != 0) code = errno;
  if (code != 0) {
    ::unlink(temp.c_str());
    Fail("cannot write file", path, code);
  }

  // Make the rename itself durable; the new contents are already in place, so a failure to sync
  // the folder is not reported.
  const std::string folderName = folder.empty() ? std::string(".") : folder.string();
  FileHandle dir(::open(folderName.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) (void)::fsync(dir.get());
}

}  // namespace periodic
