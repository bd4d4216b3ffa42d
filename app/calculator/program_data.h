#pragma once

#include <optional>
#include <string>

#include "chem/element_masses.h"

namespace tarvik {

// The element masses of the program's own Elements.dat, or the Russian message that says why
// there are none.
struct ProgramData {
  std::optional<chem::ElementMasses> masses;
  std::string error;
};

// Reads directory + "/Elements.dat". A missing, unreadable or short file gives a message, never
// an exception.
ProgramData LoadProgramData(const std::string& directory);

}  // namespace tarvik
