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
  // Every complete record in the file is checked: when one does not carry its own place as its
  // number, the file is damaged (garbage, zeros, a file of another kind), and the records are
  // read from the built-in ones instead until the file is closed. The file is never written.
  void Open(const std::string& path);
  void Close();
  bool IsOpen() const { return m_stream.is_open(); }
  const std::string& Path() const { return m_path; }

  // The first record of the open file whose number is not its place in the file, or 0 when
  // every complete record is in its place.
  int FirstMisplacedRecord() const { return m_firstMisplaced; }
  bool ReadsBuiltinRecords() const { return m_firstMisplaced != 0; }

  // Reads record n (1..110). Throws DataError when the file is not open, n is out of range or
  // the record lies beyond the end of the file; never returns a partly filled record.
  ElementRecord ReadElementRecord(int n);

 private:
  int FindMisplacedRecord();

  std::ifstream m_stream;
  std::string m_path;
  int m_firstMisplaced = 0;
};

}  // namespace periodic
