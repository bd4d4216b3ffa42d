#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "table/element_facts.h"

namespace periodic {

// An electron formula in the record's notation (3d^"6"4s^"2") with raised counts in HTML.
std::string FormulaHtml(const std::string& formula);

// The same formula as plain text, the counts written after the sublevels (3d6 4s2).
std::string FormulaPlain(const std::string& formula);

// The element classes a category value stands for, in Russian ("металл", "переходный элемент").
std::vector<std::string> CategoryClasses(std::int32_t category);

// Where a discovery was made, from the repository's country codes ("ru,us" gives
// "Россия, США"); "ancient" is the ancient world.
std::string DiscoveryCountries(const std::string& codes);

// An element's Russian name in the genitive case ("Железо" gives "Железа", "Свинец" "Свинца",
// "Медь" "Меди"), for the search to find the forms the stemmer does not bring together.
std::string RussianGenitive(const std::string& name);

// A colour 0x00BBGGRR as an HTML colour "#rrggbb".
std::string HtmlColor(std::int32_t color);

}  // namespace periodic
