#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace periodic {

// What keeps a file from being loaded safely as a shared library of this machine.
enum class LibraryFileProblem {
  kNone,
  kUnreadable,       // the file cannot be opened or read; the errno is given beside it
  kNotElf,           // no ELF header: garbage, a text file, an empty file
  kWrongClass,       // ELF, but not 64-bit, little-endian, version 1
  kNotSharedObject,  // a program, an object file or a core dump
  kWrongMachine,     // built for another processor
  kHeadersOutside,   // the program or section headers lie beyond the end of the file
  kSegmentOutside,   // a segment's bytes lie beyond the end of the file
};

struct LibraryFileCheck {
  LibraryFileProblem problem = LibraryFileProblem::kNone;
  int error = 0;  // errno for kUnreadable
  bool ok() const { return problem == LibraryFileProblem::kNone; }
};

// Checks, by reading and never by mapping, that the bytes are a 64-bit ELF shared object of
// this machine whose headers and segments all lie inside them. The loader maps segments without
// looking at the file's length, so a truncated library would otherwise end the program with
// SIGBUS at the first touch of a page past the end.
LibraryFileCheck CheckSharedLibraryBytes(const std::uint8_t* bytes, std::size_t size);

// The same for a file. A folder is kUnreadable (EISDIR); any other file that is not a regular
// file is kNotElf.
LibraryFileCheck CheckSharedLibraryFile(const std::string& path);

}  // namespace periodic
