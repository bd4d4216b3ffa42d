#pragma once

#include <optional>
#include <string>

#include "properties/bodr_data.h"
#include "properties/element_property.h"

namespace periodic {

// One property of one element as the program keeps it: the number and its text with a decimal
// comma.
struct ReadValue {
  double value = 0;
  std::string text;
};

// The value of a property in the Blue Obelisk record, or nothing when the record has none or
// one that cannot be a value: a text that is not a number, a first ionisation energy of 0 or
// less (the data writes 0 for astatine's unknown one). The covalent radius turns from angstrom
// into picometres.
std::optional<ReadValue> ReadPropertyValue(const BodrElement& element, ElementProperty property);

// The C++ source of kElementPropertyTable for elements 1..110; an element the data lacks has no
// values.
std::string ElementPropertyTableSource(const BodrElements& elements);

}  // namespace periodic
