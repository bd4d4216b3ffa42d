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

namespace fs = std::filesystem;

std::string Describe(int code) {
  return code != 0 ? std::strerror(code) : "unknown error";
}

[[noreturn]] void Fail(const char* what, const std::string& path, const std::string& cause,
                       int code) {
  throw DataError(std::string(what) + " '" + path + "': " + cause, code);
}

[[noreturn]] void Fail(const char* what, const std::string& path, int code) {
  Fail(what, path, Describe(code), code);
}

// Closes the descriptor when it goes out of scope, unless it was closed before.
class FileHandle {
 public:
  explicit FileHandle(int fd = -1) : m_fd(fd) {}
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

// Writes all bytes at the file's position; returns 0 or errno.
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

// Copies everything of `from` after `offset` to the end of `to`, a piece at a time, so that a
// huge file costs no memory. Returns 0 or errno.
int CopyRest(int from, int to, off_t offset) {
  std::vector<std::uint8_t> buffer(1 << 16);
  for (;;) {
    const ssize_t got = ::pread(from, buffer.data(), buffer.size(), offset);
    if (got < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (got == 0) return 0;
    if (const int code = WriteAll(to, buffer.data(), static_cast<std::size_t>(got))) return code;
    offset += got;
  }
}

// The file a write has to replace: the path itself, or the file a symbolic link points to, so
// that the rename replaces the file and leaves the link in place.
fs::path ReplacedFile(const std::string& path) {
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
  const fs::path resolved = fs::weakly_canonical(path, ec);
  return ec ? fs::path(path) : resolved;
}

std::atomic<unsigned> g_tempCounter{0};

// Creates a temporary file beside `target`, so that the rename stays within one file system.
// Returns the descriptor, or -1 with errno set.
int CreateTemp(const fs::path& target, fs::path& temp) {
  const std::string stem = "." + target.filename().string() + "." + std::to_string(::getpid());
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = target.parent_path() / (stem + "." + std::to_string(g_tempCounter++) + ".tmp");
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Syncs and closes the temporary file and renames it over `target`; on failure removes it.
// Returns 0 or errno.
int PutInPlace(FileHandle& file, int code, const fs::path& temp, const fs::path& target) {
  if (code == 0 && ::fsync(file.get()) != 0) code = errno;
  if (const int closed = file.Close(); code == 0) code = closed;
  if (code == 0 && ::rename(temp.c_str(), target.c_str()) != 0) code = errno;
  if (code != 0) {
    ::unlink(temp.c_str());
    return code;
  }
  // Make the rename itself durable; the new contents are already in place, so a failure to
  // sync the folder is not reported.
  const fs::path folder = target.parent_path();
  FileHandle dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) (void)::fsync(dir.get());
  return 0;
}

// Overwrites the first bytes of the open file. Should that fail, the old bytes and length are
// put back, so that the file holds the complete new record or what it held before.
int WriteInPlace(int fd, const std::vector<std::uint8_t>& bytes, off_t oldSize) {
  std::vector<std::uint8_t> old;
  if (const int code = ReadAll(fd, old, bytes.size())) return code;
  int code = 0;
  if (::lseek(fd, 0, SEEK_SET) != 0 || (code = WriteAll(fd, bytes.data(), bytes.size())) != 0 ||
      ::fsync(fd) != 0) {
    if (code == 0) code = errno;
    if (::lseek(fd, 0, SEEK_SET) == 0) (void)WriteAll(fd, old.data(), old.size());
    // Best effort, as the lines around it: the write's own error is the one reported.
    [[maybe_unused]] const int truncated = ::ftruncate(fd, oldSize);
    (void)::fsync(fd);
  }
  return code;
}

// The settings file may be written when its mode has a write bit (root included) and the
// system lets this user write it.
bool MayWrite(const fs::path& file, const struct stat& info) {
  return (info.st_mode & 0222) != 0 && ::access(file.c_str(), W_OK) == 0;
}

}  // namespace

std::vector<std::uint8_t> ReadFilePrefix(const std::string& path, std::size_t limit) {
  // A missing file is read as an empty one and not made: it appears when it is first written.
  // O_NONBLOCK keeps a FIFO from holding the program until someone writes to it.
  FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.get() < 0) {
    if (errno == ENOENT) return {};
    Fail("cannot open file", path, errno);
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) Fail("cannot open file", path, errno);
  if (S_ISCHR(info.st_mode)) return {};
  if (S_ISDIR(info.st_mode)) Fail("cannot open file", path, EISDIR);
  if (!S_ISREG(info.st_mode))
    Fail("cannot open file", path, "it is not a regular file", kNotARegularFile);
  std::vector<std::uint8_t> bytes;
  if (const int code = ReadAll(file.get(), bytes, limit)) Fail("cannot read file", path, code);
  return bytes;
}

void WriteFilePrefix(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const fs::path target = ReplacedFile(path);
  struct stat info {};
  const bool exists = ::stat(target.c_str(), &info) == 0;
  if (!exists && errno != ENOENT) Fail("cannot write file", path, errno);
  if (exists) {
    if (S_ISCHR(info.st_mode)) return;  // a link to /dev/null: the settings are not kept
    if (S_ISDIR(info.st_mode)) Fail("cannot write file", path, EISDIR);
    if (!S_ISREG(info.st_mode))
      Fail("cannot write file", path, "it is not a regular file", kNotARegularFile);
    if (!MayWrite(target, info)) Fail("cannot write file", path, "the file is read-only", EACCES);
  }

  FileHandle old(exists ? ::open(target.c_str(), O_RDONLY | O_CLOEXEC) : -1);
  if (exists && old.get() < 0) Fail("cannot write file", path, errno);
  fs::path temp;
  FileHandle file(CreateTemp(target, temp));
  if (file.get() < 0) {
    const int code = errno;
    // A folder that takes no new files, around a file that may be written: write in place.
    if (!exists || (code != EACCES && code != EPERM)) Fail("cannot write file", path, code);
    FileHandle inPlace(::open(target.c_str(), O_RDWR | O_CLOEXEC));
    if (inPlace.get() < 0) Fail("cannot write file", path, errno);
    if (const int failed = WriteInPlace(inPlace.get(), bytes, info.st_size))
      Fail("cannot write file", path, failed);
    return;
  }

  // The permission bits of the file being replaced are kept where the system allows it; a
  // failure here leaves the new file with the default ones, which is no reason to give up.
  if (exists) (void)::fchmod(file.get(), info.st_mode & 07777);
  int code = WriteAll(file.get(), bytes.data(), bytes.size());
  if (code == 0 && exists && info.st_size > static_cast<off_t>(bytes.size()))
    code = CopyRest(old.get(), file.get(), static_cast<off_t>(bytes.size()));
  if (const int failed = PutInPlace(file, code, temp, target))
    Fail("cannot write file", path, failed);
}

void WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const fs::path target = ReplacedFile(path);
  fs::path temp;
  FileHandle file(CreateTemp(target, temp));
  if (file.get() < 0) Fail("cannot create file", path, errno);
  const int code = WriteAll(file.get(), bytes.data(), bytes.size());
  if (const int failed = PutInPlace(file, code, temp, target))
    Fail("cannot write file", path, failed);
}

}  // namespace periodic
