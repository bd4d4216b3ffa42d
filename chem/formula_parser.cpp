#include "chem/formula_parser.h"

#include <array>
#include <limits>
#include <string>

#include "chem/ion_notation.h"
#include "chem/utf8_text.h"

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

constexpr std::string_view kMinusSign = "\u2212";

// Bonds of a structural formula, which a molecular formula leaves out: "CH3-CH3", "CH2=CH2".
constexpr std::array<std::string_view, 5> kBonds = {"-", kMinusSign, "\u2013", "=", "\u2261"};

constexpr const char* kFractional =
    "Дробные числа атомов не поддерживаются: умножьте формулу так, чтобы все числа стали целыми.";

char ClosingFor(char opening) {
  return opening == '(' ? ')' : opening == '[' ? ']' : '}';
}

std::size_t CharPosition(std::string_view text, std::size_t byte) {
  return CharCount(text.substr(0, byte));
}

struct Fault {
  std::size_t byte;
  std::string message;
};

class Parser {
 public:
  // chargeAt is the byte of a digit that is the charge rather than part of a count ("Fe3+").
  Parser(std::string_view text, const ElementMasses& elements, std::size_t chargeAt)
      : m_text(text), m_elements(elements), m_chargeAt(chargeAt) {
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
  char PeekAt(std::size_t byte) const { return byte < m_text.size() ? m_text[byte] : '\0'; }
  bool AtCount() const { return IsDigit(Peek()) && m_pos != m_chargeAt; }
  std::size_t SkipBlanks();
  std::size_t SeparatorLength() const;
  // Bytes of the sign at the reading position ("+", "-" or the minus sign), 0 for none.
  std::size_t SignLength() const;
  char TakeSign();
  bool GroupStartsAt(std::size_t byte) const;
  void CheckBond() const;
  void CheckDecimalPoint() const;

  void ReadPart();
  void ReadElement();
  void CloseGroup();
  std::uint64_t ReadNumber();
  std::uint64_t ReadOptionalCount() { return AtCount() ? ReadNumber() : 1; }
  void ReadCharge();
  void Fold(std::size_t first, std::uint64_t factor, std::size_t factorByte);

  [[noreturn]] void Fail(std::size_t byte, std::string message) const {
    throw Fault{byte, std::move(message)};
  }
  [[noreturn]] void FailOnCharacter() const;

  std::string_view m_text;
  const ElementMasses& m_elements;
  std::size_t m_chargeAt;
  std::size_t m_pos = 0;
  std::vector<Entry> m_entries;
  std::vector<OpenGroup> m_open;
  // While a group is folded: the index of each element's entry within it.
  std::array<std::uint32_t, 256> m_slot{};
  std::int64_t m_charge = 0;
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

std::size_t Parser::SignLength() const {
  if (Peek() == '+' || Peek() == '-') return 1;
  return m_text.substr(m_pos).starts_with(kMinusSign) ? kMinusSign.size() : 0;
}

char Parser::TakeSign() {
  const char sign = Peek() == '+' ? '+' : '-';
  m_pos += SignLength();
  return sign;
}

// An element or a bracket at byte, blanks before it skipped.
bool Parser::GroupStartsAt(std::size_t byte) const {
  while (PeekAt(byte) == ' ') ++byte;
  return IsUpper(PeekAt(byte)) || IsOpening(PeekAt(byte));
}

void Parser::CheckBond() const {
  const std::string_view rest = m_text.substr(m_pos);
  for (std::string_view bond : kBonds) {
    if (rest.starts_with(bond) && GroupStartsAt(m_pos + bond.size()))
      Fail(m_pos, "Знак связи «" + std::string(bond) +
                      "» между группами не поддерживается: пишите группы подряд, например CH3CH3 "
                      "вместо CH3-CH3.");
  }
}

// A point between digits is a separator ("CuSO4.5H2O") unless no element follows the number
// after it: "C6H12O6.5" means six and a half.
void Parser::CheckDecimalPoint() const {
  if (Peek() != '.' || m_pos == 0 || !IsDigit(m_text[m_pos - 1])) return;
  std::size_t next = m_pos + 1;
  if (!IsDigit(PeekAt(next))) return;
  while (IsDigit(PeekAt(next))) ++next;
  if (IsUpper(PeekAt(next)) || IsOpening(PeekAt(next))) return;
  std::size_t start = m_pos;
  while (start > 0 && IsDigit(m_text[start - 1])) --start;
  Fail(start, kFractional);
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
      CheckDecimalPoint();
      m_pos += length;
      SkipBlanks();
      continue;
    }
    CheckBond();
    if (m_pos == m_chargeAt || Peek() == '^' || SignLength() > 0) {
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
  return result;
}

// One part of an adduct: an optional coefficient, then elements and groups.
void Parser::ReadPart() {
  const std::size_t first = m_entries.size();
  const std::size_t coefficientByte = m_pos;
  const std::uint64_t coefficient = ReadOptionalCount();
  if (m_pos != coefficientByte && Peek() == ' ' && GroupStartsAt(m_pos))
    Fail(m_pos, "Пробел внутри формулы.");
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
    } else if (IsDigit(c) && m_pos != m_chargeAt) {
      Fail(m_pos, "Число стоит после элемента или скобки, а здесь его быть не может.");
    } else {
      break;
    }
  }
  if (!m_open.empty())
    Fail(m_open.back().byte, std::string("Скобка «") + m_open.back().bracket + "» не закрыта.");
  if (m_entries.size() == first) {
    const char c = Peek();
    if (!AtEnd() && c != ' ' && c != '^' && SignLength() == 0 && SeparatorLength() == 0)
      FailOnCharacter();
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
  // A decimal comma is never a separator; a point is one, but not after a zero ("0.5H2O").
  const auto decimalAt = [&](std::size_t byte, bool point) {
    return (PeekAt(byte) == ',' || (point && PeekAt(byte) == '.')) && IsDigit(PeekAt(byte + 1));
  };
  if (Peek() == '0') {
    if (decimalAt(m_pos + 1, true)) Fail(start, kFractional);
    if (IsDigit(PeekAt(m_pos + 1))) Fail(start, "Число не может начинаться с нуля.");
    Fail(start, "Число не может быть равно нулю.");
  }
  std::uint64_t value = 0;
  while (AtCount()) {
    const auto digit = static_cast<std::uint64_t>(Peek() - '0');
    if (value > (kMaxAtoms - digit) / 10)
      Fail(start, "Слишком большое число: допускается не больше 10^15.");
    value = value * 10 + digit;
    ++m_pos;
  }
  if (decimalAt(m_pos, false)) Fail(start, kFractional);
  return value;
}

// "^2-", "^-", "^+3", without the caret "+", "--", "+3", or the digit the reader took for the
// charge and its sign ("Fe3+").
void Parser::ReadCharge() {
  std::uint64_t magnitude = 1;
  char sign = '\0';
  if (m_pos == m_chargeAt) {
    magnitude = static_cast<std::uint64_t>(Peek() - '0');
    ++m_pos;
    sign = TakeSign();
  } else if (Peek() == '^') {
    ++m_pos;
    if (IsDigit(Peek())) {
      magnitude = ReadNumber();
      if (SignLength() == 0) Fail(m_pos, "После числа заряда ожидается знак «+» или «-».");
      sign = TakeSign();
    } else if (SignLength() > 0) {
      sign = TakeSign();
      magnitude = ReadOptionalCount();
    } else {
      Fail(m_pos, "После «^» ожидается заряд, например ^2- или ^+.");
    }
  } else {
    sign = TakeSign();
    if (IsDigit(Peek())) {
      magnitude = ReadNumber();
    } else {
      while (SignLength() > 0 && (Peek() == '+') == (sign == '+')) {
        ++magnitude;
        TakeSign();
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

std::variant<ParsedFormula, FormulaError> Read(std::string_view formula,
                                               const ElementMasses& elements,
                                               std::size_t chargeAt) {
  try {
    return Parser(formula, elements, chargeAt).Run();
  } catch (const Fault& fault) {
    return FormulaError{CharPosition(formula, fault.byte), fault.message};
  }
}

}  // namespace

std::variant<ParsedFormula, FormulaError> ParseFormula(std::string_view formula,
                                                       const ElementMasses& elements) {
  if (CharCount(formula) > kMaxFormulaLength)
    return FormulaError{kMaxFormulaLength, "Слишком длинная формула: допускается не больше " +
                                               std::to_string(kMaxFormulaLength) + " знаков."};
  auto result = Read(formula, elements, std::string_view::npos);
  const auto* asCounts = std::get_if<ParsedFormula>(&result);
  const std::optional<TrailingDigits> digits = FindTrailingDigits(formula);
  if (asCounts == nullptr || !digits) return result;
  const bool charge = LastDigitIsCharge(*digits, asCounts->atoms);
  if (charge) result = Read(formula, elements, digits->lastDigitByte);
  if (auto* read = std::get_if<ParsedFormula>(&result))
    read->trailingDigits = DescribeReading(formula, *digits, charge);
  return result;
}

}  // namespace chem
