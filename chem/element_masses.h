#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chem/atomic_mass.h"
#include "data/element_record.h"

namespace chem {

// What the calculator knows of one element, taken from its record.
struct ElementMass {
  int number = 0;
  // The symbol as it is typed: the record's symbol without blanks and without the stars that
  // mark La and Ac in the table. Empty when the record has no symbol that can be typed.
  std::string symbol;
  std::string nameRus;
  // Empty when the record's mass text cannot be read.
  std::optional<AtomicMass> mass;
};

// The elements of the data file, found by their symbols.
class ElementMasses {
 public:
  // Takes the records in the order of their atomic numbers (record i is element i + 1). A
  // symbol that occurs twice belongs to the first record that carries it.
  explicit ElementMasses(const std::vector<periodic::ElementRecord>& records);

  // The element with this symbol (case-sensitive: "Co" is cobalt), or null.
  const ElementMass* Find(std::string_view symbol) const;
  // The element with this atomic number, 1..Count(), or null.
  const ElementMass* ByNumber(int number) const;
  int Count() const { return static_cast<int>(m_elements.size()); }

 private:
  // Symbols have one capital and at most one small letter: 26 × 27 slots.
  static int SlotOf(std::string_view symbol);

  std::vector<ElementMass> m_elements;
  std::array<std::uint8_t, std::size_t{26} * 27> m_bySlot{};  // element number, 0 for none
};

// Reads the records of the element data file at path. Throws periodic::DataError naming the file
// when it cannot be opened or is shorter than its records.
ElementMasses LoadElementMasses(const std::string& path);

}  // namespace chem
