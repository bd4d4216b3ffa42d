#include "chem/formula_parser.h"

#include <array>
#include <limits>
#include <string>

namespace chem {
namespace {

// The separators of adducts and hydrates: the asterisk and the point of the keyboard, and the
// dots that text copied from elsewhere brings (middle dot, bullet, bullet operator, dot operator).
constexpr std::array<std::string_view, 6> kSeparators = {"*",      ".",      "\u00B7",
                                                         "\u2022", "\u2219", "\u22C5"};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}
bool IsLower(char c) {
  return c >= 'a' && c <= 'z';
}
bool IsOpening(char c) {
  return c == '(' || c == '[' || c == '{';
}
bool IsClosing(char c) {
  return c == ')' || c == ']' || c == '}';
}
bool IsSign(char c) {
  return c == '+' || c == '-';
}

char ClosingFor(char opening) {
  return opening == '(' ? ')' : opening == '[' ? ']' : '}';
}

std::size_t CharPosition(std::string_view text, std::size_t byte) {
  std::size_t position = 0;
  for (std::size_t i = 0; i < byte && i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++position;
  }
  return position;
}

// Length of the well-formed UTF-8 character at the start of text, or 0.
std::size_t Utf8Length(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead < 0x80                   ? 1
                             : lead >= 0xC2 && lead < 0xE0 ? 2
                             : lead >= 0xE0 && lead < 0xF0 ? 3
                             : lead >= 0xF0 && lead < 0xF5 ? 4
                                                           : 0;
  if (length == 0 || length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

struct Fault {
  std::size_t byte;
  std::string message;
};

class Parser {
 public:
  Parser(std::string_view text, const ElementMasses& elements)
      : m_text(text), m_elements(elements) {
    m_slot.fill(kNoSlot);
  }

  ParsedFormula Run();

 private:
  // An atom count on the way; byte is where its element was first named.
  struct Entry {
    int element;
    std::uint64_t count;
    std::size_t byte;
  };
  struct OpenGroup {
    std::size_t firstEntry;
    std::size_t byte;
    char bracket;
  };
  static constexpr std::uint32_t kNoSlot = std::numeric_limits<std::uint32_t>::max();

  bool AtEnd() const { return m_pos >= m_text.size(); }
  char Peek() const { return AtEnd() ? '\0' : m_text[m_pos]; }
  std::size_t SkipBlanks();
  std::size_t SeparatorLength() const;

  void ReadPart();
  void ReadElement();
  void CloseGroup();
  std::uint64_t ReadNumber();
  std::uint64_t ReadOptionalCount() { return IsDigit(Peek()) ? ReadNumber() : 1; }
  void ReadCharge();
  void Fold(std::size_t first, std::uint64_t factor, std::size_t factorByte);

  [[noreturn]] void Fail(std::size_t byte, std::string message) const {
    throw Fault{byte, std::move(message)};
  }
  [[noreturn]] void FailOnCharacter() const;

  std::string_view m_text;
  const ElementMasses& m_elements;
  std::size_t m_pos = 0;
  std::vector<Entry> m_entries;
  std::vector<OpenGroup> m_open;
  // While a group is folded: the index of each element's entry within it.
  std::array<std::uint32_t, 256> m_slot{};
  std::int64_t m_charge = 0;
  bool m_signAfterCount = false;
};

std::size_t Parser::SkipBlanks() {
  const std::size_t start = m_pos;
  while (Peek() == ' ') ++m_pos;
  return m_pos - start;
}

std::size_t Parser::SeparatorLength() const {
  const std::string_view rest = m_text.substr(m_pos);
  for (std::string_view separator : kSeparators) {
    if (rest.starts_with(separator)) return separator.size();
  }
  return 0;
}

ParsedFormula Parser::Run() {
  SkipBlanks();
  if (AtEnd()) Fail(0, "Введите формулу.");
  for (;;) {
    ReadPart();
    const std::size_t blankByte = m_pos;
    const bool blanks = SkipBlanks() > 0;
    if (AtEnd()) break;
    if (const std::size_t length = SeparatorLength()) {
      m_pos += length;
      SkipBlanks();
      continue;
    }
    if (Peek() == '^' || IsSign(Peek())) {
      ReadCharge();
      SkipBlanks();
      if (!AtEnd()) Fail(m_pos, "Заряд пишут в самом конце формулы.");
      break;
    }
    if (blanks) Fail(blankByte, "Пробел внутри формулы.");
    FailOnCharacter();
  }
  Fold(0, 1, 0);
  ParsedFormula result;
  result.atoms.reserve(m_entries.size());
  for (const Entry& entry : m_entries) result.atoms.push_back({entry.element, entry.count});
  result.charge = m_charge;
  result.signAfterCount = m_signAfterCount;
  return result;
}

// One part of an adduct: an optional coefficient, then elements and groups.
void Parser::ReadPart() {
  const std::size_t first = m_entries.size();
  const std::size_t coefficientByte = m_pos;
  const std::uint64_t coefficient = ReadOptionalCount();
  for (;;) {
    const char c = Peek();
    if (IsUpper(c)) {
      ReadElement();
    } else if (IsOpening(c)) {
      m_open.push_back({m_entries.size(), m_pos, c});
      ++m_pos;
    } else if (IsClosing(c)) {
      CloseGroup();
    } else if (IsLower(c)) {
      Fail(m_pos,
           std::string("Обозначение элемента начинается с заглавной буквы, а не с «") + c + "».");
    } else if (IsDigit(c)) {
      Fail(m_pos, "Число стоит после элемента или скобки, а здесь его быть не может.");
    } else {
      break;
    }
  }
  if (!m_open.empty())
    Fail(m_open.back().byte, std::string("Скобка «") + m_open.back().bracket + "» не закрыта.");
  if (m_entries.size() == first) {
    const char c = Peek();
    if (!AtEnd() && c != ' ' && c != '^' && !IsSign(c) && SeparatorLength() == 0) FailOnCharacter();
    Fail(m_pos, "Здесь ожидается обозначение элемента.");
  }
  Fold(first, coefficient, coefficientByte);
}

void Parser::ReadElement() {
  const std::size_t start = m_pos;
  ++m_pos;
  while (IsLower(Peek())) ++m_pos;
  const std::string_view symbol = m_text.substr(start, m_pos - start);
  const ElementMass* element = m_elements.Find(symbol);
  if (element == nullptr) Fail(start, "Неизвестный элемент «" + std::string(symbol) + "».");
  if (!element->mass)
    Fail(start, "В файле данных нет атомной массы элемента «" + std::string(symbol) + "».");
  m_entries.push_back({element->number, ReadOptionalCount(), start});
}

void Parser::CloseGroup() {
  const char bracket = Peek();
  if (m_open.empty()) Fail(m_pos, std::string("Лишняя закрывающая скобка «") + bracket + "».");
  const OpenGroup open = m_open.back();
  if (ClosingFor(open.bracket) != bracket)
    Fail(m_pos, std::string("Скобка «") + bracket + "» не подходит к открытой «" + open.bracket +
                    "» (позиция " + std::to_string(CharPosition(m_text, open.byte) + 1) + ").");
  if (m_entries.size() == open.firstEntry) Fail(open.byte, "Пустые скобки.");
  ++m_pos;
  const std::size_t countByte = m_pos;
  const std::uint64_t count = ReadOptionalCount();
  m_open.pop_back();
  Fold(open.firstEntry, count, countByte);
}

std::uint64_t Parser::ReadNumber() {
  const std::size_t start = m_pos;
  if (Peek() == '0') {
    if (m_pos + 1 < m_text.size() && IsDigit(m_text[m_pos + 1]))
      Fail(start, "Число не может начинаться с нуля.");
    Fail(start, "Число не может быть равно нулю.");
  }
  std::uint64_t value = 0;
  while (IsDigit(Peek())) {
    const auto digit = static_cast<std::uint64_t>(Peek() - '0');
    if (value > (kMaxAtoms - digit) / 10)
      Fail(start, "Слишком большое число: допускается не больше 10^15.");
    value = value * 10 + digit;
    ++m_pos;
  }
  return value;
}

// "^2-", "^-", "^+3", or without the caret "+", "--", "+3".
void Parser::ReadCharge() {
  std::uint64_t magnitude = 1;
  char sign = '\0';
  if (Peek() == '^') {
    ++m_pos;
    if (IsDigit(Peek())) {
      magnitude = ReadNumber();
      if (!IsSign(Peek())) Fail(m_pos, "После числа заряда ожидается знак «+» или «-».");
      sign = Peek();
      ++m_pos;
    } else if (IsSign(Peek())) {
      sign = Peek();
      ++m_pos;
      magnitude = ReadOptionalCount();
    } else {
      Fail(m_pos, "После «^» ожидается заряд, например ^2- или ^+.");
    }
  } else {
    m_signAfterCount = m_pos > 0 && IsDigit(m_text[m_pos - 1]);
    sign = Peek();
    ++m_pos;
    if (IsDigit(Peek())) {
      magnitude = ReadNumber();
    } else {
      while (Peek() == sign) {
        ++magnitude;
        ++m_pos;
      }
    }
  }
  const auto value = static_cast<std::int64_t>(magnitude);
  m_charge = sign == '+' ? value : -value;
}

// Multiplies the entries from first on by factor and merges those of one element into the first
// of them, so that a finished group holds at most one entry per element.
void Parser::Fold(std::size_t first, std::uint64_t factor, std::size_t factorByte) {
  std::size_t kept = first;
  for (std::size_t i = first; i < m_entries.size(); ++i) {
    Entry entry = m_entries[i];
    if (entry.count > kMaxAtoms / factor)
      Fail(factorByte, "Слишком много атомов: допускается не больше 10^15 атомов элемента.");
    entry.count *= factor;
    std::uint32_t& slot = m_slot[static_cast<std::size_t>(entry.element)];
    if (slot == kNoSlot) {
      slot = static_cast<std::uint32_t>(kept);
      m_entries[kept++] = entry;
    } else {
      Entry& merged = m_entries[slot];
      if (merged.count > kMaxAtoms - entry.count)
        Fail(entry.byte, "Слишком много атомов: допускается не больше 10^15 атомов элемента.");
      merged.count += entry.count;
    }
  }
  m_entries.resize(kept);
  for (std::size_t i = first; i < kept; ++i)
    m_slot[static_cast<std::size_t>(m_entries[i].element)] = kNoSlot;
}

void Parser::FailOnCharacter() const {
  const std::string_view rest = m_text.substr(m_pos);
  const auto lead = static_cast<unsigned char>(rest[0]);
  if (lead < 0x20 || lead == 0x7F)
    Fail(m_pos, "Недопустимый управляющий символ (код " + std::to_string(lead) + ").");
  const std::size_t length = Utf8Length(rest);
  if (length == 0) Fail(m_pos, "Недопустимый байт " + std::to_string(lead) + ": текст не в UTF-8.");
  const std::string character(rest.substr(0, length));
  // The Cyrillic letters U+0400..U+04FF: a student with the Russian layout on types "Н2О".
  if (length == 2 && (lead == 0xD0 || lead == 0xD1 || lead == 0xD2 || lead == 0xD3))
    Fail(m_pos, "Русская буква «" + character + "»: элементы пишут латинскими буквами.");
  Fail(m_pos, "Недопустимый символ «" + character + "».");
}

}  // namespace

std::variant<ParsedFormula, FormulaError> ParseFormula(std::string_view formula,
                                                       const ElementMasses& elements) {
  try {
    return Parser(formula, elements).Run();
  } catch (const Fault& fault) {
    return FormulaError{CharPosition(formula, fault.byte), fault.message};
  }
}

}  // namespace chem
