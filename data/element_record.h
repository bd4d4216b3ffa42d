#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace periodic {

constexpr int kElementCount = 110;
constexpr std::size_t kElementRecordSize = 180;

// One record of Elements.dat. Text fields hold the decoded text of the whole field, trailing
// blanks included (for example Symbol "H   "); the byte layout lives in EncodeElementRecord and
// DecodeElementRecord.
struct ElementRecord {
  bool SideSubgroup = false;
  std::uint8_t Number = 0;
  std::string Symbol;           // 4 bytes
  std::string AtomicMass;       // 10 bytes
  std::string NameRus;          // 20 bytes
  std::string NameLat;          // 20 bytes
  std::string ElectronFormula;  // 25 bytes
  std::string ElectronLevels;   // 20 bytes
  std::array<std::uint8_t, 50> Reserved{};
  std::string Electronegativity;  // 20 bytes
  std::int32_t Category = 0;
  std::string Block;  // 4 bytes

  bool operator==(const ElementRecord&) const = default;
};

using ElementRecordBytes = std::array<std::uint8_t, kElementRecordSize>;

// Writes the record in its file layout. Text is converted to Windows-1251 and padded with
// blanks to the field's width; longer text is cut at the width.
ElementRecordBytes EncodeElementRecord(const ElementRecord& record);
ElementRecord DecodeElementRecord(const ElementRecordBytes& bytes);

// Text with trailing blanks removed, as it is shown or compared.
std::string TrimRight(const std::string& text);

// Text without blanks at either end.
std::string Trim(const std::string& text);

// A symbol as it is typed: the field without its blanks and without the asterisks that mark
// lanthanum and actinium ("La*", "Ac**").
std::string BareSymbol(const std::string& symbol);

}  // namespace periodic
