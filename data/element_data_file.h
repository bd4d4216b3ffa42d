#pragma once

#include <cstdint>
#include <fstream>
#include <string>

#include "data/element_record.h"

namespace periodic {

inline constexpr const char* kElementsFileName = "Elements.dat";

// Makes sure directory + "/" + "Elements.dat" exists and holds the built-in records: a missing
// or empty file is written with the 19,800 built-in bytes; a file of any other length is left
// exactly as it is. The path is plain concatenation, so a trailing separator is doubled.
// Throws DataError when the file cannot be created or written.
void WriteBuiltinRecords(const std::string& directory);

// The element data file held open for reading, record by record.
class ElementDataFile {
 public:
  ElementDataFile() = default;

  // Opens the file for reading; throws DataError naming the file when it cannot be opened.
  void Open(const std::string& path);
  void Close();
  bool IsOpen() const { return m_stream.is_open(); }
  const std::string& Path() const { return m_path; }

  // Reads record n (1..110). Throws DataError when the file is not open, n is out of range or
  // the record lies beyond the end of the file; never returns a partly filled record.
  ElementRecord ReadElementRecord(int n);

 private:
  std::ifstream m_stream;
  std::string m_path;
};

}  // namespace periodic
