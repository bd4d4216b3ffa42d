#include "card/element_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace periodic {

namespace {

std::optional<double> ParseNumber(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  std::string plain(text);
  if (plain.front() == '+') plain.erase(0, 1);
  for (char& c : plain) {
    if (c == ',') c = '.';
  }
  // Only decimal notation counts: from_chars alone would also take "inf" and "nan".
  if (plain.empty() || plain.find_first_not_of("0123456789.eE-+") != std::string::npos)
    return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
  return value;
}

}  // namespace

int PreviousElementNumber(int current) {
  return current > kFirstCardElement ? current - 1 : kLastCardElement;
}

int NextElementNumber(int current) {
  return current < kLastCardElement ? current + 1 : kFirstCardElement;
}

std::optional<int> RequestedElementNumber(std::string_view text, int current) {
  const std::optional<double> value = ParseNumber(text);
  if (!value || *value < kFirstCardElement || *value > kLastCardElement || *value == current)
    return std::nullopt;
  // The default rounding mode sends halves to the even neighbour.
  const int number = static_cast<int>(std::nearbyint(*value));
  if (number == current) return std::nullopt;
  return number;
}

bool NamesCurrentElement(std::string_view text, int current) {
  const std::optional<double> value = ParseNumber(text);
  return value && *value >= kFirstCardElement && *value <= kLastCardElement &&
         static_cast<int>(std::nearbyint(*value)) == current;
}

}  // namespace periodic
