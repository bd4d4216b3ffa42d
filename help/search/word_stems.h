#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace periodic {

// Appends a code point to UTF-8 text.
void AppendUtf8(std::string& out, char32_t code);

// One word of a text: where it lies (bytes of the UTF-8 text) and its folded form: lower case,
// "ё" written as "е", so that "Щёлочноземельный" and "щелочноземельный" are one word.
struct TextWord {
  std::size_t offset = 0;
  std::size_t length = 0;
  std::string folded;
};

// The words of a UTF-8 text: runs of Latin, Greek or Cyrillic letters and digits. Everything
// else (blanks, punctuation, hyphens, invalid bytes) separates words.
std::vector<TextWord> SplitWords(std::string_view text);

// Reduces folded words to their stems with the Snowball stemmers: Russian for words with
// Cyrillic letters, English for the others; numbers stay as they are. One object per thread.
class WordStemmer {
 public:
  WordStemmer();
  ~WordStemmer();
  WordStemmer(const WordStemmer&) = delete;
  WordStemmer& operator=(const WordStemmer&) = delete;

  std::string stem(const std::string& folded);

  // The stems of every word of the text, in order, separated by single blanks.
  std::string stemText(std::string_view text);

 private:
  struct Stemmers;
  std::unique_ptr<Stemmers> m_stemmers;
};

}  // namespace periodic
