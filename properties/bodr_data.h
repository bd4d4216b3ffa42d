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

// One way an isotope decays and how often it does so.
struct DecayMode {
  std::string mode;        // "alpha", "betaminus", "betaplus", "ec" (electron capture)
  std::string likeliness;  // per cent, as written in the source; may be empty
};

// An isotope whose half-life the source gives.
struct UnstableIsotope {
  int massNumber = 0;
  double halfLifeSeconds = 0;
  std::vector<DecayMode> decays;
};

// What the Blue Obelisk Data Repository knows about one element beyond the built-in records.
// Numbers keep the text of the source (decimal point); absent values are empty.
struct BodrElement {
  int number = 0;
  std::string symbol;
  std::string nameEnglish;
  std::string mass;
  std::string ionizationEnergy;          // first ionisation energy, eV
  std::string electronAffinity;          // eV
  std::string electronAffinityError;     // uncertainty in units of its last digit, "3" for 0.151(3)
  std::string covalentRadius;            // angstrom
  std::string electronegativity;         // Pauling scale
  std::string meltingPoint;              // K
  std::string boilingPoint;              // K
  std::string discoveryYear;             // "0" for elements known since antiquity
  std::string discoveryCountry;          // codes separated by commas: "uk", "ru,us", "ancient"
  std::vector<std::string> discoverers;  // as the source spells them, "et al." included
  std::vector<NaturalIsotope> isotopes;
  std::vector<UnstableIsotope> unstableIsotopes;  // in the order of the source
};

using BodrElements = std::map<int, BodrElement>;

// Reads elements.xml and adds the natural isotopes and the half-lives of isotopes.xml (the files of
// the Debian package bodr). Throws DataError naming the file when one cannot be read or holds no
// element.
BodrElements ReadBodrElements(const std::string& elementsXml, const std::string& isotopesXml);

// The same from the texts of the two files.
BodrElements ParseBodrElements(const std::string& elementsText, const std::string& isotopesText);

// A number as the data writes it ("1808", "0.151") with a decimal comma, as Russian readers
// expect it.
std::string DecimalComma(const std::string& number);

}  // namespace periodic
