#pragma once

#include <string>
#include <vector>

#include "data/element_record.h"
#include "properties/bodr_data.h"

namespace periodic {

// The page of an element inside the help collection: "html/" + the first two characters of the
// trimmed symbol + ".htm" ("html/Fe.htm"; "html/La.htm" for "La* "). Element 110, whose symbol
// is blank, gets "html/.htm".
std::string ElementPagePath(const std::string& symbol);

// The element's name to show: the Russian name, or "Элемент 110" for a record without one.
std::string ElementTitleName(const ElementRecord& record);

// Words the help index lists the element under: Russian name, Latin name and symbol, and the
// modern name and symbol where the record has none or another.
std::vector<std::string> ElementKeywords(const ElementRecord& record, const BodrElement* bodr);

// The element's help page: what its card shows, its classes and places in both table forms, the
// repository's data (bodr may be null) and links to its neighbours. `records` holds all 110.
std::string ElementPageHtml(const ElementRecord& record, const BodrElement* bodr,
                            const std::vector<ElementRecord>& records);

// The page that lists every element with a link to its page.
std::string ElementListHtml(const std::vector<ElementRecord>& records);

}  // namespace periodic
