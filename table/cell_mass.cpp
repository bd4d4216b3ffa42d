#include "table/cell_mass.h"

namespace periodic {

namespace {

constexpr std::size_t kCellMassWidth = 5;

// The first count characters of UTF-8 text.
std::string FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t seen = 0; end < text.size(); ++end) {
    if ((static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 && seen++ == count) break;
  }
  return std::string(text.substr(0, end));
}

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Adds one to the last digit; false when the carry runs out of the front ("99" becomes "00").
bool AddOneAtTheEnd(std::string& digits) {
  for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
    if (*digit != '9') {
      ++*digit;
      return true;
    }
    *digit = '0';
  }
  return false;
}

}  // namespace

std::string CellMassText(std::string_view mass) {
  const std::string cut = FirstCharacters(mass, kCellMassWidth);
  const std::string_view text = mass.substr(0, mass.find_last_not_of(' ') + 1);
  if (text.size() <= kCellMassWidth) return cut;
  const std::size_t separator = text.find_first_of(",.");
  if (separator == std::string_view::npos || separator > kCellMassWidth) return cut;
  const std::string_view whole = text.substr(0, separator);
  const std::string_view fraction = text.substr(separator + 1);
  if (!AllDigits(whole) || !AllDigits(fraction)) return cut;

  // The decimals that fit beside the whole part and the separator; with the separator in the
  // fifth or sixth place, none (a separator would end the text).
  std::size_t decimals = separator + 1 < kCellMassWidth ? kCellMassWidth - 1 - separator : 0;
  // The text is longer than the width, so at least one digit of the fraction is dropped.
  std::string digits = std::string(whole) + std::string(fraction.substr(0, decimals));
  if (fraction[decimals] >= '5' && !AddOneAtTheEnd(digits)) {
    // All nines: the whole part gains a digit, and the last decimal, now a zero, goes.
    digits.insert(digits.begin(), '1');
    if (decimals > 0) {
      digits.pop_back();
      --decimals;
    }
  }
  // Five nines before the separator round up to six digits, which no cell holds.
  if (digits.size() > kCellMassWidth) return cut;
  const std::size_t wholeLength = digits.size() - decimals;
  std::string shown = digits.substr(0, wholeLength);
  if (decimals > 0) shown += text[separator] + digits.substr(wholeLength);
  return shown;
}

}  // namespace periodic
