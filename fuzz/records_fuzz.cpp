#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "data/data_error.h"
#include "data/element_data_file.h"

namespace {

// A file of its own for each input: libFuzzer's parallel workers run side by side, and a shared
// file would let one worker read what another is writing.
class InputFile {
 public:
  InputFile(const std::uint8_t* data, std::size_t size) {
    std::string pattern = (std::filesystem::temp_directory_path() / "records_fuzz_XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) std::abort();
    m_path = pattern;
    for (std::size_t written = 0; written < size;) {
      const ::ssize_t step = ::write(fd, data + written, size - written);
      if (step <= 0) std::abort();
      written += static_cast<std::size_t>(step);
    }
    ::close(fd);
  }
  ~InputFile() { ::unlink(m_path.c_str()); }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};

}  // namespace

// Feeds arbitrary file contents to the record reader: every record must either decode or fail
// with a DataError, never read past the file or a buffer.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const InputFile input(data, size);
  periodic::ElementDataFile file;
  file.Open(input.Path());
  for (int n = 0; n <= periodic::kElementCount + 1; ++n) {
    try {
      const periodic::ElementRecord record = file.ReadElementRecord(n);
      if (static_cast<std::size_t>(n) * periodic::kElementRecordSize > size) __builtin_trap();
      (void)record;
    } catch (const periodic::DataError&) {
    }
  }
  return 0;
}
