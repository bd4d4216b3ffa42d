#pragma once

#include <cstddef>
#include <string>

namespace chem {

// Why a formula cannot be read, and where.
struct FormulaError {
  // Characters (not bytes) from the start of the formula to the fault.
  std::size_t position = 0;
  // One Russian sentence, without the position.
  std::string message;

  bool operator==(const FormulaError&) const = default;
};

}  // namespace chem
