#include "data/element_data_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "data/atomic_file.h"
#include "data/builtin_records.h"
#include "data/data_error.h"

namespace periodic {
namespace {

std::string Describe(int code) {
  return code != 0 ? std::strerror(code) : "unknown error";
}

}  // namespace

void WriteBuiltinRecords(const std::string& directory) {
  const std::string path = directory + "/" + kElementsFileName;
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  // A link that leads nowhere (a loop, say) is not replaced by a file of our own.
  if (ec && ec != std::errc::no_such_file_or_directory)
    throw DataError("cannot create file '" + path + "': " + Describe(ec.value()), ec.value());
  if (std::filesystem::exists(status)) {
    if (std::filesystem::is_directory(status))
      throw DataError("cannot create file '" + path + "': it is a directory", EISDIR);
    if (!std::filesystem::is_regular_file(status))
      throw DataError("cannot create file '" + path + "': it is not a regular file",
                      kNotARegularFile);
    const auto size = std::filesystem::file_size(path, ec);
    if (ec)
      throw DataError("cannot read the size of file '" + path + "': " + ec.message(), ec.value());
    if (size > 0) return;
  }
  // The whole file appears at once under its name: a second program starting at the same time
  // finds it complete, and a write that fails leaves nothing that would pass for it.
  const auto& bytes = BuiltinRecordBytes();
  WriteWholeFile(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

void ElementDataFile::Open(const std::string& path) {
  Close();
  // A folder opens as a stream on this system but holds no records.
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (std::filesystem::is_directory(status))
    throw DataError("cannot open file '" + path + "': " + Describe(EISDIR), EISDIR);
  // A FIFO or a device would hold the program or give no records.
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
    throw DataError("cannot open file '" + path + "': it is not a regular file", kNotARegularFile);
  errno = 0;
  // Records are read one at a time from anywhere in the file: a buffer would only read 8 KiB
  // around each 180-byte record and throw it away at the next seek.
  m_stream.rdbuf()->pubsetbuf(nullptr, 0);
  m_stream.open(path, std::ios::binary | std::ios::in);
  if (!m_stream.is_open()) {
    const int code = errno;
    throw DataError("cannot open file '" + path + "': " + Describe(code), code);
  }
  m_path = path;
  m_firstMisplaced = FindMisplacedRecord();
}

void ElementDataFile::Close() {
  if (m_stream.is_open()) m_stream.close();
  m_stream.clear();
  m_path.clear();
  m_firstMisplaced = 0;
}

int ElementDataFile::FindMisplacedRecord() {
  // Byte 2 of a record is its number. A file that cannot be read here shows its fault at the
  // first record read.
  constexpr std::streamoff kNumberOffset = 2;
  std::filebuf& file = *m_stream.rdbuf();
  const std::streamoff length = file.pubseekoff(0, std::ios::end, std::ios::in);
  for (int n = 1; n <= kElementCount; ++n) {
    const std::streamoff offset = static_cast<std::streamoff>(n - 1) * kElementRecordSize;
    if (offset + static_cast<std::streamoff>(kElementRecordSize) > length) break;
    if (file.pubseekpos(offset + kNumberOffset, std::ios::in) != offset + kNumberOffset) break;
    const int number = file.sgetc();
    if (number == std::char_traits<char>::eof()) break;
    if (number != n) return n;
  }
  return 0;
}

ElementRecord ElementDataFile::ReadElementRecord(int n) {
  if (n < 1 || n > kElementCount)
    throw DataError(
        "element number " + std::to_string(n) + " is outside 1.." + std::to_string(kElementCount),
        EINVAL);
  if (!m_stream.is_open()) throw DataError("the element data file is not open", EBADF);
  if (m_firstMisplaced != 0) return BuiltinRecords()[static_cast<std::size_t>(n - 1)];

  // The length is asked again at every read: the file may have been cut short since it was
  // opened.
  std::filebuf& file = *m_stream.rdbuf();
  const std::streamoff length = file.pubseekoff(0, std::ios::end, std::ios::in);
  const std::streamoff offset = static_cast<std::streamoff>(n - 1) * kElementRecordSize;
  if (length < 0 || offset + static_cast<std::streamoff>(kElementRecordSize) > length)
    throw DataError("record " + std::to_string(n) + " of file '" + m_path +
                        "' lies beyond its end (the file has " + std::to_string(length) +
                        " bytes, the record needs bytes " + std::to_string(offset) + " to " +
                        std::to_string(offset + kElementRecordSize - 1) + ")",
                    EIO);

  ElementRecordBytes bytes{};
  if (file.pubseekpos(offset, std::ios::in) != offset ||
      file.sgetn(reinterpret_cast<char*>(bytes.data()), kElementRecordSize) !=
          static_cast<std::streamsize>(kElementRecordSize))
    throw DataError("cannot read record " + std::to_string(n) + " of file '" + m_path + "'", EIO);
  return DecodeElementRecord(bytes);
}

}  // namespace periodic
