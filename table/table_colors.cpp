#include "table/table_colors.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <string_view>
#include <system_error>

namespace periodic {

namespace {

constexpr std::size_t kValueCount = 12;

// Positions in the colour text are 16-bit. A separating blank at 32767 or later no longer fits
// (itself or the start of the next search), which ends the reading with an error.
constexpr std::size_t kFirstBadBlankPosition = 32767;  // 1-based

using Values = std::array<std::int32_t, kValueCount>;
using ValueReader = std::optional<std::int32_t> (*)(std::string_view);

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string WithoutBlanks(std::string_view token) {
  std::string result;
  result.reserve(token.size());
  for (char c : token) {
    if (c != ' ') result.push_back(c);
  }
  return result;
}

// Rounds to the nearest 32-bit integer, halves to even. Nothing for values out of range.
std::optional<std::int32_t> RoundToInt32(double value) {
  // The negated comparisons also turn away NaN.
  if (!(value >= -2147483648.5 && value <= 2147483647.5)) return std::nullopt;
  double rounded = std::floor(value);
  const double fraction = value - rounded;  // exact for values of this size
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
  if (rounded < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(rounded);
}

// Numeric value of a decimal token: blanks anywhere are ignored; then an optional sign, digits,
// an optional decimal point with fraction and an optional exponent (E or D, optional sign,
// digits). Reading stops at the first character that does not fit; no number at all reads as 0.
// Nothing when the value does not fit a 32-bit integer.
std::optional<std::int32_t> DecimalValue(std::string_view token) {
  const std::string text = WithoutBlanks(token);
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::string digits;  // integer and fraction digits without the point
  std::size_t integer_digits = 0;
  while (i < text.size() && IsDigit(text[i])) {
    digits.push_back(text[i++]);
    ++integer_digits;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) digits.push_back(text[i++]);
  }
  if (digits.empty()) return 0;

  // The exponent counts only when at least one digit follows the letter and its sign. Its value
  // is capped far beyond anything that could still give a 32-bit result.
  constexpr long long kExponentCap = 1'000'000'000;
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    std::size_t j = i + 1;
    bool exponent_negative = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      exponent_negative = text[j] == '-';
      ++j;
    }
    while (j < text.size() && IsDigit(text[j])) {
      if (exponent < kExponentCap) exponent = exponent * 10 + (text[j] - '0');
      ++j;
    }
    if (exponent_negative) exponent = -exponent;
  }

  const std::size_t first_significant = digits.find_first_not_of('0');
  if (first_significant == std::string::npos) return 0;
  // Power of ten of the leading significant digit.
  const long long order = static_cast<long long>(integer_digits) -
                          static_cast<long long>(first_significant) - 1 + exponent;
  if (order >= 10) return std::nullopt;  // at least 1e10
  if (order <= -2) return 0;             // below 0.1, rounds to 0

  // 0.<significant digits> times 10^(order + 1), with a small exponent only.
  std::string normal = "0.";
  normal.append(digits, first_significant, std::string::npos);
  normal.push_back('e');
  normal += std::to_string(order + 1);
  double magnitude = 0.0;
  const auto [end, error] =
      std::from_chars(normal.data(), normal.data() + normal.size(), magnitude);
  if (error != std::errc() || end != normal.data() + normal.size()) return std::nullopt;
  return RoundToInt32(negative ? -magnitude : magnitude);
}

int HexDigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Absolute value of a hexadecimal token (no prefix): blanks anywhere are ignored, reading stops
// at the first character that is not a hexadecimal digit, no digits read as 0. The number is a
// 32-bit integer, so eight digits from 80000000 up are negative. Nothing for more than eight
// significant digits and for 80000000, whose absolute value has no 32-bit form.
std::optional<std::int32_t> HexValue(std::string_view token) {
  std::uint32_t value = 0;
  int significant = 0;
  for (char c : token) {
    if (c == ' ') continue;
    const int digit = HexDigitValue(c);
    if (digit < 0) break;
    if (value == 0 && digit == 0) continue;
    if (++significant > 8) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  if (value <= 0x7FFFFFFFu) return static_cast<std::int32_t>(value);
  if (value == 0x80000000u) return std::nullopt;
  return static_cast<std::int32_t>(0xFFFFFFFFu - value + 1);  // absolute value of the negative
}

// Splits the text at blanks into the twelve values. The first token runs from the start up to
// and including the first blank; each further token starts at the previous blank and ends
// before the next one. Nothing when a blank is missing or lies too far into the text.
std::optional<Values> ReadValues(std::string_view data, ValueReader read) {
  Values values{};
  std::size_t p = data.find(' ');  // 0-based here
  if (p == std::string_view::npos || p + 1 >= kFirstBadBlankPosition) return std::nullopt;
  std::optional<std::int32_t> value = read(data.substr(0, p + 1));
  if (!value) return std::nullopt;
  values[0] = *value;
  for (std::size_t n = 1; n < kValueCount; ++n) {
    const std::size_t q = data.find(' ', p + 1);
    if (q == std::string_view::npos || q + 1 >= kFirstBadBlankPosition) return std::nullopt;
    value = read(data.substr(p, q - p));
    if (!value) return std::nullopt;
    values[n] = *value;
    p = q;
  }
  return values;
}

}  // namespace

void clsTableColors::RestoreDefaults() {
  m_differByElementType = false;
  m_sColor = kDefaultSColor;
  m_pColor = kDefaultPColor;
  m_dColor = kDefaultDColor;
  m_fColor = kDefaultFColor;
  m_metallColor = kDefaultMetallColor;
  m_nonMetallColor = kDefaultNonMetallColor;
  m_amfoternColor = kDefaultAmfoternColor;
  m_inertGassColor = kDefaultInertGassColor;
  m_alkalineColor = kDefaultAlkalineColor;
  m_alkalineplainColor = kDefaultAlkalineplainColor;
  m_halogenColor = kDefaultHalogenColor;
  m_transitionalColor = kDefaultTransitionalColor;
}

std::int32_t clsTableColors::GetColor(std::int32_t Num) const {
  bool inert = false;
  bool metal = false;
  bool non_metal = false;
  bool alkali = false;
  bool alkaline_earth = false;
  bool halogen = false;
  bool transition = false;

  if (Num == 0) {
    inert = true;
  } else {
    // Powers from 256 down to 1, signed comparisons: a code above 511 passes every power and so
    // sets every flag, a negative code passes none.
    std::int32_t a = Num;
    for (int n = 8; n >= 0; --n) {
      const std::int32_t b = std::int32_t{1} << n;
      if (a >= b) {
        a -= b;
        switch (b) {
          case 1:
            metal = true;
            break;
          case 2:
            non_metal = true;
            break;
          case 4:
            alkali = true;
            break;
          case 8:
            alkaline_earth = true;
            break;
          case 16:
            halogen = true;
            break;
          case 32:
            transition = true;
            break;
          default:
            break;  // 64, 128 and 256 have no colour
        }
      }
      if (a == 0) break;
    }
  }

  std::int32_t color = 0;
  if (inert) color = m_inertGassColor;
  if (metal) color = m_metallColor;
  if (non_metal) color = m_nonMetallColor;
  if (metal && non_metal) color = m_amfoternColor;
  if (m_differByElementType) {
    if (alkali) color = m_alkalineColor;
    if (alkaline_earth) color = m_alkalineplainColor;
    if (halogen) color = m_halogenColor;
    if (transition) color = m_transitionalColor;
  }
  return color;
}

std::array<std::int32_t, 12> clsTableColors::InTextOrder() const {
  return {
      m_sColor,         m_pColor,           m_dColor,        m_fColor,        m_metallColor,
      m_nonMetallColor, m_inertGassColor,   m_amfoternColor, m_alkalineColor, m_alkalineplainColor,
      m_halogenColor,   m_transitionalColor};
}

void clsTableColors::SetInTextOrder(const std::array<std::int32_t, 12>& values) {
  m_sColor = values[0];
  m_pColor = values[1];
  m_dColor = values[2];
  m_fColor = values[3];
  m_metallColor = values[4];
  m_nonMetallColor = values[5];
  m_inertGassColor = values[6];
  m_amfoternColor = values[7];
  m_alkalineColor = values[8];
  m_alkalineplainColor = values[9];
  m_halogenColor = values[10];
  m_transitionalColor = values[11];
}

std::string clsTableColors::SaveData() const {
  std::string text;
  for (std::int32_t value : InTextOrder()) {
    if (value >= 0) text.push_back(' ');
    text += std::to_string(value);
  }
  text.push_back(' ');
  return text;
}

void clsTableColors::SetInTextOrderOrDefaults(
    const std::optional<std::array<std::int32_t, 12>>& values) {
  if (values)
    SetInTextOrder(*values);
  else
    RestoreDefaults();
}

void clsTableColors::LoadData(std::string& Data) {
  try {
    const std::size_t first = Data.find_first_not_of(' ');
    if (first == std::string::npos) {
      Data.assign(1, ' ');
    } else {
      // Trimmed in place: erase the trailing blanks, then the leading ones, then add one.
      Data.erase(Data.find_last_not_of(' ') + 1);
      Data.erase(0, first);
      Data.push_back(' ');
    }
    SetInTextOrderOrDefaults(ReadValues(Data, &DecimalValue));
  } catch (...) {
    RestoreDefaults();
  }
}

void clsTableColors::LoadData2(const std::string& Data) {
  try {
    SetInTextOrderOrDefaults(ReadValues(Data, &HexValue));
  } catch (...) {
    RestoreDefaults();
  }
}

}  // namespace periodic
