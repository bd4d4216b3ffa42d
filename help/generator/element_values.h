#pragma once

#include <string>
#include <vector>

#include "properties/bodr_data.h"

namespace periodic {

// A number as written in the source, rounded to the precision its uncertainty allows (0.55 with
// uncertainty 20 in the last digits is ±0.20: "0,6") and to at most `maxDecimals` decimals, with
// a decimal comma and the minus sign U+2212; empty when the text is not a number.
std::string RoundedValue(const std::string& number, const std::string& errorValue, int maxDecimals);

// A temperature of the source in kelvins with its value in degrees Celsius, at the kelvin
// value's precision: "1808 К (1535 °C)", "14,01 К (−259,14 °C)"; empty when not a number.
std::string TemperatureText(const std::string& kelvin);

// The state of matter at 25 °C and normal pressure from the melting and boiling points in
// kelvins: "твёрдое", "жидкое" or "газ"; empty when the points do not tell.
std::string StateAt25C(const std::string& meltingKelvin, const std::string& boilingKelvin);

// A half-life in Russian units, three significant digits: "4,2 сут", "2,6 млн лет", "0,89 мс"
// is written "0,00089 с".
std::string HalfLifeText(double seconds);

// How an isotope decays: "α", "β⁻ (99,9 %), электронный захват (0,1 %)".
std::string DecayText(const std::vector<DecayMode>& decays);

// The isotopes with the longest half-lives, longest first, at most `count`.
std::vector<UnstableIsotope> LongestLived(std::vector<UnstableIsotope> isotopes, std::size_t count);

// Where a discovery was made, from the source's country codes, for the year of the discovery:
// "ru" is "СССР" from 1922 to 1991, "Россия" otherwise.
std::string DiscoveryPlaces(const std::string& codes, const std::string& year);

// The discoverers' names joined by commas; the source's "et al." reads "и др.".
std::string DiscoverersText(const std::vector<std::string>& names);

}  // namespace periodic
