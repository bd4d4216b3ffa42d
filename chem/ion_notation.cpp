#include "chem/ion_notation.h"

#include <array>
#include <string>

namespace chem {
namespace {

constexpr std::string_view kMinusSign = "\u2212";

// What a bare element's ion looks like when chemists write one.
struct IonHabit {
  int number;
  // The charge of its simple anion (S2-, N3-), as a positive number.
  int anionCharge;
  // Its small molecules are ions as well (H2+, H3+, O2+, I2+), so "O2+" is O2 with charge 1+.
  bool molecularCation;
};

// The nonmetals that form simple anions; every other element's bare ion is a cation.
constexpr std::array<IonHabit, 15> kHabits = {{
    {1, 1, true},    // H
    {6, 4, false},   // C
    {7, 3, true},    // N
    {8, 2, true},    // O
    {9, 1, true},    // F
    {14, 4, false},  // Si
    {15, 3, false},  // P
    {16, 2, false},  // S
    {17, 1, true},   // Cl
    {33, 3, false},  // As
    {34, 2, false},  // Se
    {35, 1, true},   // Br
    {52, 2, false},  // Te
    {53, 1, true},   // I
    {85, 1, false},  // At
}};

IonHabit HabitOf(int number) {
  for (const IonHabit& habit : kHabits) {
    if (habit.number == number) return habit;
  }
  return {number, 0, false};
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsSymbolEnd(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsClosing(char c) {
  return c == ')' || c == ']' || c == '}';
}

std::string WithoutLeadingBlanks(std::string_view text) {
  while (text.starts_with(' ')) text.remove_prefix(1);
  return std::string(text);
}

}  // namespace

std::optional<TrailingDigits> FindTrailingDigits(std::string_view formula) {
  std::size_t end = formula.size();
  while (end > 0 && formula[end - 1] == ' ') --end;
  TrailingDigits digits;
  const std::string_view text = formula.substr(0, end);
  if (text.ends_with('+') || text.ends_with('-')) {
    digits.sign = text.back();
    digits.signByte = end - 1;
  } else if (text.ends_with(kMinusSign)) {
    digits.sign = '-';
    digits.signByte = end - kMinusSign.size();
  } else {
    return std::nullopt;
  }
  std::size_t start = digits.signByte;
  while (start > 0 && IsDigit(text[start - 1])) --start;
  if (start == digits.signByte || start == 0) return std::nullopt;
  const char before = text[start - 1];
  if (!IsSymbolEnd(before) && !IsClosing(before)) return std::nullopt;
  digits.digitsByte = start;
  digits.lastDigitByte = digits.signByte - 1;
  digits.afterBracket = IsClosing(before);
  digits.lastDigit = text[digits.lastDigitByte] - '0';
  digits.countIsOne = text.substr(start, digits.lastDigitByte - start) == "1";
  return digits;
}

bool LastDigitIsCharge(const TrailingDigits& digits, const std::vector<AtomCount>& atoms) {
  // A charge of 1 is written as a bare sign, and 0 is no charge at all.
  if (digits.lastDigit < 2) return false;
  // Nobody writes a count of 1, so "C6H13+" is C6H13 with charge 1+.
  if (digits.countIsOne) return false;
  if (digits.afterBracket || digits.lastDigitByte > digits.digitsByte) return true;
  if (atoms.size() != 1) return false;
  const IonHabit habit = HabitOf(atoms.front().element);
  return digits.sign == '+' ? !habit.molecularCation : habit.anionCharge == digits.lastDigit;
}

TrailingDigitsReading DescribeReading(std::string_view formula, const TrailingDigits& digits,
                                      bool lastDigitIsCharge) {
  TrailingDigitsReading reading;
  reading.lastDigitIsCharge = lastDigitIsCharge;
  const std::string beforeSign = WithoutLeadingBlanks(formula.substr(0, digits.signByte));
  const std::string beforeDigit = WithoutLeadingBlanks(formula.substr(0, digits.lastDigitByte));
  if (lastDigitIsCharge) {
    reading.ion = beforeDigit;
    reading.otherDigits = formula.substr(digits.digitsByte, digits.signByte - digits.digitsByte);
    reading.otherWay = beforeSign + "^" + digits.sign;
  } else {
    reading.ion = beforeSign;
    if (digits.lastDigit >= 2 && !digits.countIsOne) {
      reading.otherDigits = formula.substr(digits.lastDigitByte, 1);
      reading.otherWay = beforeDigit + "^" + reading.otherDigits + digits.sign;
    }
  }
  return reading;
}

}  // namespace chem
