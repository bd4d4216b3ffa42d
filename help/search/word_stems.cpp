#include "help/search/word_stems.h"

#include <libstemmer.h>

#include <stdexcept>

namespace periodic {
namespace {

// Decodes one UTF-8 character at `at`; `size` gets its length in bytes. Invalid bytes decode as
// U+FFFD, one byte at a time.
char32_t Decode(std::string_view text, std::size_t at, std::size_t& size) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  size = 1;
  if (lead < 0x80) return lead;
  const std::size_t need = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (need == 0 || at + need > text.size()) return U'\uFFFD';
  char32_t code = lead & (0x3F >> (need - 1));
  for (std::size_t i = 1; i < need; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return U'\uFFFD';
    code = (code << 6) | (byte(at + i) & 0x3F);
  }
  size = need;
  return code;
}

bool IsWordCharacter(char32_t c) {
  return (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
         (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) || (c >= 0x388 && c <= 0x3CE) ||
         (c >= 0x400 && c <= 0x4FF);
}

// Lower case for the letters of the scripts above; "ё" becomes "е".
char32_t Fold(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c == 0x401 || c == 0x451) return 0x435;
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  if ((c >= 0x460 && c <= 0x4FF) && c % 2 == 0) return c + 1;
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  return c;
}

bool HasCyrillic(const std::string& folded) {
  for (unsigned char c : folded)
    if (c == 0xD0 || c == 0xD1 || c == 0xD2 || c == 0xD3) return true;
  return false;
}

bool IsNumber(const std::string& folded) {
  for (char c : folded)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::vector<TextWord> SplitWords(std::string_view text) {
  std::vector<TextWord> words;
  TextWord word;
  bool inWord = false;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t size = 0;
    const char32_t c = Decode(text, at, size);
    if (IsWordCharacter(c)) {
      if (!inWord) word = TextWord{at, 0, {}};
      inWord = true;
      AppendUtf8(word.folded, Fold(c));
      word.length = at + size - word.offset;
    } else if (inWord) {
      words.push_back(std::move(word));
      inWord = false;
    }
    at += size;
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

struct WordStemmer::Stemmers {
  struct Close {
    void operator()(sb_stemmer* stemmer) const { sb_stemmer_delete(stemmer); }
  };
  std::unique_ptr<sb_stemmer, Close> russian{sb_stemmer_new("russian", "UTF_8")};
  std::unique_ptr<sb_stemmer, Close> english{sb_stemmer_new("english", "UTF_8")};
};

WordStemmer::WordStemmer() : m_stemmers(std::make_unique<Stemmers>()) {
  if (!m_stemmers->russian || !m_stemmers->english)
    throw std::runtime_error("cannot start the Snowball stemmers");
}

WordStemmer::~WordStemmer() = default;

std::string WordStemmer::stem(const std::string& folded) {
  if (folded.empty() || IsNumber(folded)) return folded;
  sb_stemmer* stemmer = HasCyrillic(folded) ? m_stemmers->russian.get() : m_stemmers->english.get();
  const sb_symbol* stemmed = sb_stemmer_stem(
      stemmer, reinterpret_cast<const sb_symbol*>(folded.data()), static_cast<int>(folded.size()));
  const int length = sb_stemmer_length(stemmer);
  // A stem is never empty: an index word must line up with the word of the text it stands for.
  if (!stemmed || length <= 0) return folded;
  return std::string(reinterpret_cast<const char*>(stemmed), static_cast<std::size_t>(length));
}

std::string WordStemmer::stemText(std::string_view text) {
  std::string out;
  for (const TextWord& word : SplitWords(text)) {
    if (!out.empty()) out += ' ';
    out += stem(word.folded);
  }
  return out;
}

}  // namespace periodic
