#include "platform/shared_library_check.h"

#include <elf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>

namespace periodic {
namespace {

// Reads `count` bytes at `offset` into `out`; false when they are not all there.
using ReadAt = std::function<bool(std::uint64_t offset, std::size_t count, void* out)>;

#if defined(__x86_64__)
constexpr std::uint16_t kThisMachine = EM_X86_64;
#elif defined(__aarch64__)
constexpr std::uint16_t kThisMachine = EM_AARCH64;
#elif defined(__riscv)
constexpr std::uint16_t kThisMachine = EM_RISCV;
#elif defined(__powerpc64__)
constexpr std::uint16_t kThisMachine = EM_PPC64;
#elif defined(__s390x__)
constexpr std::uint16_t kThisMachine = EM_S390;
#else
#error "the machine of this build is not known to the library check"
#endif

// True when the table of `count` entries of `entry` bytes at `offset` ends inside `size` bytes,
// without overflowing on the way.
bool TableInside(std::uint64_t offset, std::uint64_t count, std::uint64_t entry,
                 std::uint64_t size) {
  if (offset > size) return false;
  return count == 0 || entry == 0 || count <= (size - offset) / entry;
}

LibraryFileCheck Problem(LibraryFileProblem problem) {
  return {problem, 0};
}

LibraryFileCheck Check(std::uint64_t size, const ReadAt& read) {
  Elf64_Ehdr header{};
  if (size < EI_NIDENT || !read(0, EI_NIDENT, header.e_ident) ||
      std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
    return Problem(LibraryFileProblem::kNotElf);
  if (header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB ||
      header.e_ident[EI_VERSION] != EV_CURRENT)
    return Problem(LibraryFileProblem::kWrongClass);
  if (size < sizeof header || !read(0, sizeof header, &header))
    return Problem(LibraryFileProblem::kHeadersOutside);
  if (header.e_type != ET_DYN) return Problem(LibraryFileProblem::kNotSharedObject);
  if (header.e_machine != kThisMachine) return Problem(LibraryFileProblem::kWrongMachine);
  if (header.e_version != EV_CURRENT || header.e_ehsize < sizeof header)
    return Problem(LibraryFileProblem::kWrongClass);
  // A library has program headers of exactly the size of this class; section headers are
  // optional, but when named they must be there too.
  if (header.e_phnum == 0 || header.e_phentsize != sizeof(Elf64_Phdr) ||
      !TableInside(header.e_phoff, header.e_phnum, sizeof(Elf64_Phdr), size))
    return Problem(LibraryFileProblem::kHeadersOutside);
  if (header.e_shnum != 0 &&
      (header.e_shentsize != sizeof(Elf64_Shdr) ||
       !TableInside(header.e_shoff, header.e_shnum, sizeof(Elf64_Shdr), size)))
    return Problem(LibraryFileProblem::kHeadersOutside);
  for (std::uint16_t i = 0; i < header.e_phnum; ++i) {
    Elf64_Phdr segment{};
    if (!read(header.e_phoff + std::uint64_t{i} * sizeof segment, sizeof segment, &segment))
      return Problem(LibraryFileProblem::kHeadersOutside);
    if (segment.p_filesz != 0 && !TableInside(segment.p_offset, 1, segment.p_filesz, size))
      return Problem(LibraryFileProblem::kSegmentOutside);
    if (segment.p_type == PT_LOAD && segment.p_filesz > segment.p_memsz)
      return Problem(LibraryFileProblem::kSegmentOutside);
  }
  return {};
}

}  // namespace

LibraryFileCheck CheckSharedLibraryBytes(const std::uint8_t* bytes, std::size_t size) {
  return Check(size, [bytes, size](std::uint64_t offset, std::size_t count, void* out) {
    if (offset > size || count > size - offset) return false;
    std::memcpy(out, bytes + offset, count);
    return true;
  });
}

LibraryFileCheck CheckSharedLibraryFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return {LibraryFileProblem::kUnreadable, errno};
  struct stat info {};
  LibraryFileCheck result;
  if (::fstat(fd, &info) != 0) {
    result = {LibraryFileProblem::kUnreadable, errno};
  } else if (S_ISDIR(info.st_mode)) {
    result = {LibraryFileProblem::kUnreadable, EISDIR};
  } else if (!S_ISREG(info.st_mode)) {
    result = Problem(LibraryFileProblem::kNotElf);
  } else {
    int readError = 0;
    result = Check(static_cast<std::uint64_t>(info.st_size),
                   [fd, &readError](std::uint64_t offset, std::size_t count, void* out) {
                     const ssize_t got = ::pread(fd, out, count, static_cast<off_t>(offset));
                     if (got < 0) readError = errno;
                     return got == static_cast<ssize_t>(count);
                   });
    if (readError != 0) result = {LibraryFileProblem::kUnreadable, readError};
  }
  ::close(fd);
  return result;
}

}  // namespace periodic
