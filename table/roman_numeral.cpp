#include <string>

#include "table/table_drawing.h"

namespace periodic {

std::string RomanNumeral(int k) {
  if (k <= 3) return std::string(k > 0 ? k : 0, 'I');
  if (k == 4) return "IV";
  if (k <= 8) return "V" + std::string(k - 5, 'I');
  if (k == 9) return "IX";
  if (k <= 13) return "X" + std::string(k - 10, 'I');
  return "";
}

}  // namespace periodic
