#include "component/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "data/data_error.h"

namespace periodic {
namespace {

constexpr std::size_t kFlagCount = 9;
constexpr std::size_t kZoomOffset = 18;
constexpr std::size_t kReservedOffset = 22;
constexpr std::size_t kViewerFlagOffset = 32;

// The nine flags in their order in the record.
constexpr bool DisplayOptions::*kFlags[kFlagCount] = {
    &DisplayOptions::LongPeriods,       &DisplayOptions::ShowAtomicMass,
    &DisplayOptions::ShowElementsName,  &DisplayOptions::LatInsteadOfRus,
    &DisplayOptions::DifferSPDF,        &DisplayOptions::DifferMetalsNonmetals,
    &DisplayOptions::InvertColors,      &DisplayOptions::ShowHighestOxidesTable,
    &DisplayOptions::MoveOutInertGases,
};

void PutBool(std::uint8_t* at, bool value) {
  const std::uint8_t b = value ? 0xFF : 0x00;
  at[0] = b;
  at[1] = b;
}

bool GetBool(const std::uint8_t* at) {
  return at[0] != 0 || at[1] != 0;
}

std::string Describe(int code) {
  return code != 0 ? std::strerror(code) : "unknown error";
}

[[noreturn]] void Fail(const char* what, const std::string& path, int code) {
  throw DataError(std::string(what) + " '" + path + "': " + Describe(code), code);
}

// Closes the descriptor when it goes out of scope, unless it was released.
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

std::array<std::uint8_t, kSettingsRecordSize> EncodeSettings(const DisplayOptions& options) {
  std::array<std::uint8_t, kSettingsRecordSize> bytes{};
  for (std::size_t i = 0; i < kFlagCount; ++i) PutBool(&bytes[2 * i], options.*kFlags[i]);
  const auto zoom = static_cast<std::uint32_t>(options.ZoomVal);
  for (std::size_t i = 0; i < 4; ++i)
    bytes[kZoomOffset + i] = static_cast<std::uint8_t>(zoom >> (8 * i));
  for (std::size_t i = 0; i < options.Reserved.size(); ++i)
    bytes[kReservedOffset + i] = options.Reserved[i];
  PutBool(&bytes[kViewerFlagOffset], options.OpenViewerOnDblClick);
  return bytes;
}

void DecodeSettings(const std::uint8_t* bytes, std::size_t length, DisplayOptions& options) {
  const DisplayOptions defaults;
  for (std::size_t i = 0; i < kFlagCount; ++i) {
    options.*kFlags[i] = length >= 2 * i + 2 ? GetBool(&bytes[2 * i]) : defaults.*kFlags[i];
  }
  if (length >= kZoomOffset + 4) {
    std::uint32_t zoom = 0;
    for (std::size_t i = 0; i < 4; ++i)
      zoom |= static_cast<std::uint32_t>(bytes[kZoomOffset + i]) << (8 * i);
    options.ZoomVal = static_cast<std::int32_t>(zoom);
  } else {
    options.ZoomVal = defaults.ZoomVal;
  }
  for (std::size_t i = 0; i < options.Reserved.size(); ++i) {
    if (length > kReservedOffset + i) options.Reserved[i] = bytes[kReservedOffset + i];
  }
  options.OpenViewerOnDblClick = length >= kViewerFlagOffset + 2
                                     ? GetBool(&bytes[kViewerFlagOffset])
                                     : defaults.OpenViewerOnDblClick;
}

void ReadOptionsFile(const std::string& path, DisplayOptions& options) {
  // O_CREAT creates a missing file empty; an existing one is only read.
  FileHandle file(::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666));
  if (file.get() < 0) Fail("cannot open file", path, errno);
  std::vector<std::uint8_t> bytes;
  if (const int code = ReadAll(file.get(), bytes, kSettingsRecordSize))
    Fail("cannot read file", path, code);
  DecodeSettings(bytes.data(), bytes.size(), options);
}

void WriteOptionsFile(const std::string& path, const DisplayOptions& options) {
  namespace fs = std::filesystem;
  const fs::path target = ReplacedFile(path);

  // The new contents: our record, then whatever an existing file holds after it.
  const auto record = EncodeSettings(options);
  std::vector<std::uint8_t> contents(record.begin(), record.end());
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
      if (existing.size() > kSettingsRecordSize)
        contents.insert(contents.end(), existing.begin() + kSettingsRecordSize, existing.end());
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
