#include "data/element_record.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "data/windows1251.h"

namespace periodic {
namespace {

struct TextField {
  std::string ElementRecord::*member;
  std::size_t offset;
  std::size_t width;
};

constexpr std::size_t kSideSubgroupOffset = 0;
constexpr std::size_t kNumberOffset = 2;
constexpr std::size_t kReservedOffset = 102;
constexpr std::size_t kCategoryOffset = 172;

constexpr TextField kTextFields[] = {
    {&ElementRecord::Symbol, 3, 4},
    {&ElementRecord::AtomicMass, 7, 10},
    {&ElementRecord::NameRus, 17, 20},
    {&ElementRecord::NameLat, 37, 20},
    {&ElementRecord::ElectronFormula, 57, 25},
    {&ElementRecord::ElectronLevels, 82, 20},
    {&ElementRecord::Electronegativity, 152, 20},
    {&ElementRecord::Block, 176, 4},
};

void PutLittleEndian(ElementRecordBytes& bytes, std::size_t offset, std::uint32_t value,
                     std::size_t width) {
  for (std::size_t i = 0; i < width; ++i) bytes[offset + i] = (value >> (8 * i)) & 0xFF;
}

std::uint32_t GetLittleEndian(const ElementRecordBytes& bytes, std::size_t offset,
                              std::size_t width) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < width; ++i) value |= std::uint32_t{bytes[offset + i]} << (8 * i);
  return value;
}

}  // namespace

ElementRecordBytes EncodeElementRecord(const ElementRecord& record) {
  ElementRecordBytes bytes{};
  PutLittleEndian(bytes, kSideSubgroupOffset, record.SideSubgroup ? 0xFFFF : 0, 2);
  bytes[kNumberOffset] = record.Number;
  for (const TextField& field : kTextFields) {
    std::string encoded = EncodeWindows1251(record.*field.member);
    encoded.resize(field.width, ' ');
    std::memcpy(bytes.data() + field.offset, encoded.data(), field.width);
  }
  std::copy(record.Reserved.begin(), record.Reserved.end(), bytes.begin() + kReservedOffset);
  PutLittleEndian(bytes, kCategoryOffset, static_cast<std::uint32_t>(record.Category), 4);
  return bytes;
}

ElementRecord DecodeElementRecord(const ElementRecordBytes& bytes) {
  ElementRecord record;
  record.SideSubgroup = GetLittleEndian(bytes, kSideSubgroupOffset, 2) != 0;
  record.Number = bytes[kNumberOffset];
  for (const TextField& field : kTextFields) {
    const auto* start = reinterpret_cast<const char*>(bytes.data() + field.offset);
    record.*field.member = DecodeWindows1251(std::string_view(start, field.width));
  }
  std::copy_n(bytes.begin() + kReservedOffset, record.Reserved.size(), record.Reserved.begin());
  record.Category = static_cast<std::int32_t>(GetLittleEndian(bytes, kCategoryOffset, 4));
  return record;
}

std::string TrimRight(const std::string& text) {
  const auto end = text.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string BareSymbol(const std::string& symbol) {
  std::string bare = Trim(symbol);
  while (!bare.empty() && bare.back() == '*') bare.pop_back();
  return bare;
}

}  // namespace periodic
