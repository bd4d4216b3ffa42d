#include "help/search/page_text.h"

#include <cctype>
#include <map>

#include "help/search/word_stems.h"

namespace periodic {
namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

void AppendCodePoint(std::string& out, unsigned long code) {
  if (code == 0 || code > 0xFFFF) return;
  AppendUtf8(out, static_cast<char32_t>(code));
}

// Decodes the entity at `at` ("&amp;", "&#8212;"); returns the bytes it took, 0 if none.
std::size_t Entity(std::string_view html, std::size_t at, std::string& out) {
  static const std::map<std::string, std::string, std::less<>> kNames = {
      {"amp", "&"},    {"lt", "<"},     {"gt", ">"},    {"quot", "\""}, {"apos", "'"},
      {"nbsp", " "},   {"mdash", "—"},  {"ndash", "–"}, {"laquo", "«"}, {"raquo", "»"},
      {"larr", "←"},   {"rarr", "→"},   {"deg", "°"},   {"minus", "−"}, {"times", "×"},
      {"hellip", "…"}, {"middot", "·"}, {"copy", "©"},
  };
  const std::size_t end = html.find(';', at);
  if (end == std::string_view::npos || end - at > 10) return 0;
  const std::string_view name = html.substr(at + 1, end - at - 1);
  if (!name.empty() && name[0] == '#') {
    const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
    try {
      AppendCodePoint(out,
                      std::stoul(std::string(name.substr(hex ? 2 : 1)), nullptr, hex ? 16 : 10));
    } catch (const std::exception&) {
      return 0;
    }
    return end - at + 1;
  }
  const auto found = kNames.find(name);
  if (found == kNames.end()) return 0;
  out += found->second;
  return end - at + 1;
}

// The end of the element that starts with the tag at `at`, found by its closing tag.
// `lower` is the page in lower case.
std::size_t SkipElement(const std::string& lower, std::size_t at, const std::string& name) {
  const std::size_t close = lower.find("</" + name, at);
  if (close == std::string::npos) return lower.size();
  const std::size_t end = lower.find('>', close);
  return end == std::string::npos ? lower.size() : end + 1;
}

void AppendBlank(std::string& out) {
  if (!out.empty() && out.back() != ' ') out += ' ';
}

// The text between the tags, blanks collapsed; navigation lines, style and script left out.
std::string BodyText(std::string_view html) {
  const std::string lower = Lower(html);
  std::string out;
  std::size_t at = 0;
  while (at < html.size()) {
    const char c = html[at];
    if (c == '<') {
      const std::size_t end = html.find('>', at);
      if (end == std::string_view::npos) break;
      const std::string tag = lower.substr(at + 1, end - at - 1);
      if (tag.rfind("style", 0) == 0 || tag.rfind("script", 0) == 0 || tag.rfind("title", 0) == 0) {
        at = SkipElement(lower, at, tag.substr(0, tag.find(' ')));
      } else if (tag.rfind("p ", 0) == 0 && tag.find("class=\"nav\"") != std::string::npos) {
        at = SkipElement(lower, at, "p");
      } else {
        at = end + 1;
      }
      // Cells, paragraphs and line breaks separate words; inline tags (<sup>, <b>) do not.
      static const char* const kInline[] = {"sup", "/sup", "sub",   "/sub", "b",  "/b", "i",
                                            "/i",  "span", "/span", "a",    "/a", "em", "/em"};
      std::string name = tag.substr(0, tag.find(' '));
      if (!name.empty() && name.back() == '/') name.pop_back();
      bool inlineTag = false;
      for (const char* known : kInline) inlineTag = inlineTag || name == known;
      if (!inlineTag) AppendBlank(out);
    } else if (c == '&') {
      const std::size_t used = Entity(html, at, out);
      if (used == 0) out += c;
      at += used == 0 ? 1 : used;
    } else if (std::isspace(static_cast<unsigned char>(c))) {
      AppendBlank(out);
      ++at;
    } else {
      out += c;
      ++at;
    }
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  if (!out.empty() && out.front() == ' ') out.erase(0, 1);
  return out;
}

}  // namespace

PageText ReadPageText(std::string_view html) {
  PageText page;
  const std::string lower = Lower(html);
  const std::size_t open = lower.find("<title>");
  const std::size_t close = lower.find("</title>");
  if (open != std::string::npos && close != std::string::npos && close > open)
    page.title = BodyText(html.substr(open + 7, close - open - 7));
  const std::size_t body = lower.find("<body");
  page.text = BodyText(body == std::string::npos ? html : html.substr(body));
  return page;
}

}  // namespace periodic
