#pragma once

#include <string_view>
#include <vector>

#include "data/element_record.h"

namespace periodic {

// The elements that what a user typed names, best first. The query may be an atomic number
// ("26"), a symbol in any case ("fe", "FE"), a whole Russian or Latin name ("Железо",
// "ferrum") or the beginning of a Russian name ("жел"). Case does not matter, nor does ё
// against е, nor blanks around the query. Whole matches come before name beginnings; within
// each kind, elements are in the order of their numbers. records[i] is the record of element
// i + 1; a number is found even without records.
std::vector<int> FindElements(std::string_view query, const std::vector<ElementRecord>& records);

// Text folded for comparison: UTF-8 in, lower case, ё as е, Latin and Cyrillic letters only
// changed. Invalid UTF-8 bytes are kept as they are.
std::u32string FoldForSearch(std::string_view text);

}  // namespace periodic
