#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace periodic {

// One naturally occurring isotope: its mass number and its share of the element in per cent.
struct NaturalIsotope {
  int massNumber = 0;
  std::string abundance;  // as written in the source, decimal point
};

// What the Blue Obelisk Data Repository knows about one element beyond the built-in records.
// Numbers keep the text of the source (decimal point); absent values are empty.
struct BodrElement {
  int number = 0;
  std::string symbol;
  std::string nameEnglish;
  std::string mass;
  std::string ionizationEnergy;   // first ionisation energy, eV
  std::string electronAffinity;   // eV
  std::string covalentRadius;     // angstrom
  std::string electronegativity;  // Pauling scale
  std::string meltingPoint;       // K
  std::string boilingPoint;       // K
  std::string discoveryYear;      // "0" for elements known since antiquity
  std::string discoveryCountry;   // codes separated by commas: "uk", "ru,us", "ancient"
  std::vector<NaturalIsotope> isotopes;
};

using BodrElements = std::map<int, BodrElement>;

// Reads elements.xml and adds the natural isotopes of isotopes.xml (the files of the Debian
// package bodr). Throws DataError naming the file when one cannot be read or holds no element.
BodrElements ReadBodrElements(const std::string& elementsXml, const std::string& isotopesXml);

// The same from the texts of the two files.
BodrElements ParseBodrElements(const std::string& elementsText, const std::string& isotopesText);

}  // namespace periodic
