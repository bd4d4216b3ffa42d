#pragma once

#include <string>

namespace periodic {

// A font as the drawing asks for it: face name, size in points and weight.
struct TextFont {
  std::string name = "arial cyr";
  double size = 8;
  bool bold = false;

  bool operator==(const TextFont&) const = default;
};

}  // namespace periodic
