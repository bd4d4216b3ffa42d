#include "chem/atomic_mass.h"

#include <charconv>
#include <string>

namespace chem {
namespace {

// Longer digit runs than this do not occur in a 10-byte field and are not trusted.
constexpr std::size_t kMaxDigits = 15;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::size_t CountDigits(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && IsDigit(text[n])) ++n;
  return n;
}

std::optional<double> ToDouble(const std::string& text) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !(value > 0)) return std::nullopt;
  return value;
}

std::optional<AtomicMass> ParseMassNumber(std::string_view inner) {
  inner = Trim(inner);
  const std::size_t digits = CountDigits(inner);
  if (digits == 0 || digits != inner.size() || digits > kMaxDigits) return std::nullopt;
  const auto value = ToDouble(std::string(inner));
  if (!value) return std::nullopt;
  return AtomicMass{*value, 0, true};
}

}  // namespace

std::optional<AtomicMass> ParseAtomicMass(std::string_view text) {
  text = Trim(text);
  if (text.size() >= 2 && text.front() == '[' && text.back() == ']')
    return ParseMassNumber(text.substr(1, text.size() - 2));

  const std::size_t whole = CountDigits(text);
  if (whole == 0 || whole > kMaxDigits) return std::nullopt;
  std::string normalised(text.substr(0, whole));
  int decimals = 0;
  std::string_view rest = text.substr(whole);
  if (!rest.empty()) {
    if (rest.front() != ',' && rest.front() != '.') return std::nullopt;
    rest.remove_prefix(1);
    const std::size_t fraction = CountDigits(rest);
    if (fraction == 0 || fraction != rest.size() || fraction > kMaxDigits) return std::nullopt;
    normalised += '.';
    normalised += rest;
    decimals = static_cast<int>(fraction);
  }
  const auto value = ToDouble(normalised);
  if (!value) return std::nullopt;
  return AtomicMass{*value, decimals, false};
}

}  // namespace chem
