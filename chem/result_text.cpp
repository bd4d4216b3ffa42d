#include "chem/result_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

#include "chem/utf8_text.h"

namespace chem {
namespace {

using Row = std::array<std::string, 5>;

// Columns of text left-aligned, of numbers right-aligned, two blanks apart.
constexpr std::array<bool, 5> kRightAligned = {false, false, true, true, true};

std::string FormatTable(const std::vector<Row>& rows) {
  std::array<std::size_t, 5> widths{};
  for (const Row& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], CharCount(row[c]));
  }
  std::string text;
  for (const Row& row : rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      const std::string padding(widths[c] - CharCount(row[c]), ' ');
      if (c > 0) line += "  ";
      line += kRightAligned[c] ? padding + row[c] : row[c] + padding;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    text += line + "\n";
  }
  return text;
}

// The digits before the decimal point, at least one.
int WholeDigits(double value) {
  const double magnitude = std::fabs(value);
  int digits = 1;
  for (double limit = 10; magnitude >= limit && digits < 400; limit *= 10) ++digits;
  return digits;
}

// "1+" rather than the bare sign of FormatCharge: the sentence names the charge's size.
std::string ChargeInWords(std::int64_t charge) {
  const std::string text = FormatCharge(charge);
  return text.size() == 1 ? "1" + text : text;
}

std::string DescribeTrailingDigits(const TrailingDigitsReading& reading, std::int64_t charge) {
  std::string text = "Прочитано как ион " + reading.ion + " с зарядом " + ChargeInWords(charge);
  if (!reading.otherWay.empty()) {
    text += "; если " + reading.otherDigits +
            (reading.lastDigitIsCharge ? " — число атомов" : " — заряд") + ", пишите " +
            reading.otherWay;
  }
  return text + ".\n";
}

}  // namespace

std::string FormatDecimal(double value, int decimals) {
  // Digits past those a double holds would be noise: a mass of 10^15 hydrogen atoms is
  // 1007939999999998,99206, not 1007939999999999,00000.
  constexpr int kSignificant = std::numeric_limits<double>::digits10;
  const int shown = std::min(std::max(decimals, 0), std::max(kSignificant - WholeDigits(value), 0));
  std::array<char, 128> buffer{};
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::fixed, shown);
  if (ec != std::errc()) return "?";
  std::string text(buffer.data(), end);
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

std::string FormatCharge(std::int64_t charge) {
  if (charge == 0) return "0";
  const std::uint64_t magnitude =
      charge < 0 ? 0 - static_cast<std::uint64_t>(charge) : static_cast<std::uint64_t>(charge);
  return (magnitude == 1 ? std::string() : std::to_string(magnitude)) + (charge < 0 ? "-" : "+");
}

std::string FormatMolarMass(std::string_view formula, const MolarMass& result) {
  std::string text = "Формула: " + std::string(formula) + "\n";
  text += "Молярная масса: " + FormatDecimal(result.total, result.decimals) + " г/моль\n";
  if (result.charge != 0)
    text += "Заряд: " + FormatCharge(result.charge) + " (на массу не влияет)\n";
  if (result.trailingDigits) text += DescribeTrailingDigits(*result.trailingDigits, result.charge);
  text += "\n";

  std::vector<Row> rows = {{"Символ", "Элемент", "Атомов", "Масса, г/моль", "Доля, %"}};
  for (const ElementShare& share : result.shares) {
    const std::string mass = share.massNumber ? "[" + FormatDecimal(share.mass, 0) + "]"
                                              : FormatDecimal(share.mass, result.decimals);
    rows.push_back({share.symbol, share.nameRus, std::to_string(share.atoms), mass,
                    FormatDecimal(share.hundredthsOfPercent / 100.0, 2)});
  }
  text += FormatTable(rows);
  if (result.HasMassNumbers())
    text += "\n[ ] — по массовому числу изотопа: у элемента нет стабильных изотопов.\n";
  return text;
}

std::string FormatFormulaError(std::string_view formula, const FormulaError& error) {
  const std::string heading = "Ошибка в формуле (позиция " + std::to_string(error.position + 1) +
                              "). " + error.message + "\n";
  // A formula too long to read is too long to repeat.
  if (CharCount(formula) > kMaxFormulaLength) return heading;
  std::string shown(formula);
  // Tabs and line breaks would move the marker off its character.
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return heading + shown + "\n" + std::string(error.position, ' ') + "^\n";
}

}  // namespace chem
