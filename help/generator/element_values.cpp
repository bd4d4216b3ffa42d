#include "help/generator/element_values.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "help/generator/element_text.h"
#include "properties/bodr_data.h"

namespace periodic {
namespace {

constexpr const char* kMinus = "−";

bool ParseNumber(const std::string& text, double& value) {
  try {
    std::size_t used = 0;
    value = std::stod(text, &used);
    return used == text.size() && !text.empty();
  } catch (const std::exception&) {
    return false;
  }
}

int DecimalsOf(const std::string& number) {
  const std::size_t point = number.find('.');
  return point == std::string::npos ? 0 : static_cast<int>(number.size() - point - 1);
}

// A number with `decimals` decimals, a decimal comma and the minus sign; no "−0".
std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", std::max(decimals, 0), value);
  std::string out = DecimalComma(text);
  if (out[0] == '-') {
    const bool zero = out.find_first_of("123456789") == std::string::npos;
    out = zero ? out.substr(1) : kMinus + out.substr(1);
  }
  return out;
}

// A number with three significant digits, trailing zeros dropped, decimal comma.
std::string Significant(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3g", value);
  double rounded = 0;
  if (!ParseNumber(text, rounded) || rounded <= 0) return "0";
  const int decimals =
      rounded >= 100 ? 0 : std::max(0, 2 - static_cast<int>(std::floor(std::log10(rounded))));
  std::string out = Fixed(rounded, decimals);
  if (out.find(',') != std::string::npos) {
    while (out.back() == '0') out.pop_back();
    if (out.back() == ',') out.pop_back();
  }
  return out;
}

}  // namespace

std::string RoundedValue(const std::string& number, const std::string& errorValue,
                         int maxDecimals) {
  double value = 0;
  if (!ParseNumber(number, value)) return {};
  int decimals = DecimalsOf(number);
  double error = 0;
  if (ParseNumber(errorValue, error) && error > 0) {
    const double uncertainty = error * std::pow(10.0, -decimals);
    decimals = std::min(decimals, -static_cast<int>(std::floor(std::log10(uncertainty))));
  }
  return Fixed(value, std::min(decimals, maxDecimals));
}

std::string TemperatureText(const std::string& kelvin) {
  double k = 0;
  if (!ParseNumber(kelvin, k)) return {};
  const int decimals = DecimalsOf(kelvin);
  return Fixed(k, decimals) + " К (" + Fixed(k - 273.15, decimals) + " °C)";
}

std::string StateAt25C(const std::string& meltingKelvin, const std::string& boilingKelvin) {
  constexpr double kRoom = 298.15;
  double melting = 0, boiling = 0;
  const bool hasMelting = ParseNumber(meltingKelvin, melting);
  const bool hasBoiling = ParseNumber(boilingKelvin, boiling);
  if (hasMelting && melting > kRoom) return "твёрдое";
  if (!hasBoiling || (hasMelting && boiling < melting)) return {};
  if (boiling <= kRoom) return "газ";
  return hasMelting ? "жидкое" : std::string();
}

std::string HalfLifeText(double seconds) {
  constexpr double kYear = 365.25 * 24 * 3600;
  if (seconds >= kYear) {
    const double years = seconds / kYear;
    if (years >= 1e9) return Significant(years / 1e9) + " млрд лет";
    if (years >= 1e6) return Significant(years / 1e6) + " млн лет";
    return Significant(years) + " лет";
  }
  if (seconds >= 86400) return Significant(seconds / 86400) + " сут";
  if (seconds >= 3600) return Significant(seconds / 3600) + " ч";
  if (seconds >= 60) return Significant(seconds / 60) + " мин";
  return Significant(seconds) + " с";
}

std::string DecayText(const std::vector<DecayMode>& decays) {
  std::string out;
  for (const DecayMode& decay : decays) {
    const std::string name = decay.mode == "alpha"       ? "α"
                             : decay.mode == "betaminus" ? "β⁻"
                             : decay.mode == "betaplus"  ? "β⁺"
                             : decay.mode == "ec"        ? "электронный захват"
                                                         : decay.mode;
    double share = 0;
    const bool partial = decays.size() > 1 && ParseNumber(decay.likeliness, share) && share < 100;
    out += (out.empty() ? "" : ", ") + name +
           (partial ? " (" + DecimalComma(decay.likeliness) + " %)" : std::string());
  }
  return out;
}

std::vector<UnstableIsotope> LongestLived(std::vector<UnstableIsotope> isotopes,
                                          std::size_t count) {
  std::stable_sort(isotopes.begin(), isotopes.end(),
                   [](const UnstableIsotope& a, const UnstableIsotope& b) {
                     return a.halfLifeSeconds > b.halfLifeSeconds;
                   });
  if (isotopes.size() > count) isotopes.resize(count);
  return isotopes;
}

std::string DiscoveryPlaces(const std::string& codes, const std::string& year) {
  std::string places = DiscoveryCountries(codes);
  double y = 0;
  const std::string russia = "Россия";
  const std::size_t at = places.find(russia);
  if (at != std::string::npos && ParseNumber(year, y) && y >= 1922 && y <= 1991)
    places.replace(at, russia.size(), "СССР");
  return places;
}

std::string DiscoverersText(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& name : names)
    out += (out.empty() ? "" : ", ") + (name == "et al." ? std::string("и др.") : name);
  return out;
}

}  // namespace periodic
