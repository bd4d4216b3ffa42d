#pragma once

#include <string>
#include <string_view>

namespace periodic {

// What the search index keeps of a help page: its title and its readable text.
struct PageText {
  std::string title;
  std::string text;  // the body's text, blanks collapsed, entities decoded
};

// Reads a help page's HTML: the <title>, and the text of the <body> without the tags, the style
// and script blocks and the navigation lines (<p class="nav">), which name other pages and would
// make every neighbour of an element match its name.
PageText ReadPageText(std::string_view html);

}  // namespace periodic
