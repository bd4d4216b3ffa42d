#include "chem/element_masses.h"

#include <algorithm>

#include "data/element_data_file.h"

namespace chem {

int ElementMasses::SlotOf(std::string_view symbol) {
  if (symbol.empty() || symbol.size() > 2 || symbol[0] < 'A' || symbol[0] > 'Z') return -1;
  int second = 0;
  if (symbol.size() == 2) {
    if (symbol[1] < 'a' || symbol[1] > 'z') return -1;
    second = symbol[1] - 'a' + 1;
  }
  return (symbol[0] - 'A') * 27 + second;
}

ElementMasses::ElementMasses(const std::vector<periodic::ElementRecord>& records) {
  // Element numbers are stored in a byte.
  const std::size_t count = std::min<std::size_t>(records.size(), 255);
  m_elements.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const periodic::ElementRecord& record = records[i];
    ElementMass element;
    element.number = static_cast<int>(i + 1);
    element.symbol = periodic::BareSymbol(record.Symbol);
    element.nameRus = periodic::TrimRight(record.NameRus);
    element.mass = ParseAtomicMass(record.AtomicMass);
    const int slot = SlotOf(element.symbol);
    if (slot < 0)
      element.symbol.clear();
    else if (m_bySlot[slot] == 0)
      m_bySlot[slot] = static_cast<std::uint8_t>(element.number);
    m_elements.push_back(std::move(element));
  }
}

const ElementMass* ElementMasses::Find(std::string_view symbol) const {
  const int slot = SlotOf(symbol);
  if (slot < 0 || m_bySlot[slot] == 0) return nullptr;
  return &m_elements[m_bySlot[slot] - 1];
}

const ElementMass* ElementMasses::ByNumber(int number) const {
  if (number < 1 || number > Count()) return nullptr;
  return &m_elements[number - 1];
}

ElementMasses LoadElementMasses(const std::string& path) {
  periodic::ElementDataFile file;
  file.Open(path);
  std::vector<periodic::ElementRecord> records;
  records.reserve(periodic::kElementCount);
  for (int n = 1; n <= periodic::kElementCount; ++n) records.push_back(file.ReadElementRecord(n));
  return ElementMasses(records);
}

}  // namespace chem
