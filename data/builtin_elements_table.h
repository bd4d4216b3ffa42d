#pragma once

#include <array>
#include <cstdint>

#include "data/element_record.h"

namespace periodic {

// One built-in element as written in the source: UTF-8 text, unpadded.
struct BuiltinElement {
  bool sideSubgroup;
  std::uint8_t number;
  const char* symbol;
  const char* atomicMass;
  const char* nameRus;
  const char* nameLat;
  const char* electronFormula;
  const char* electronLevels;
  const char* electronegativity;
  std::int32_t category;
  const char* block;
};

extern const std::array<BuiltinElement, kElementCount> kBuiltinElements;

}  // namespace periodic
