#pragma once

#include <optional>
#include <string_view>

namespace periodic {

// The card's element numbers run from 1 to 110 and wrap around when stepped through.
inline constexpr int kFirstCardElement = 1;
inline constexpr int kLastCardElement = 110;

int PreviousElementNumber(int current);
int NextElementNumber(int current);

// What the number box's text asks for, keystroke by keystroke: a number in range other than
// the current one gives that element (rounded to the nearest whole number, halves to the even
// neighbour); anything else (not a number, out of range, the current number) gives nothing,
// and the box shows the current number again. Blanks around the number, a sign, a decimal
// point or comma and an exponent are accepted.
std::optional<int> RequestedElementNumber(std::string_view text, int current);

// Whether the text is a number that names the current element (rounded as above): the box
// keeps such a text as typed, so that the next digit extends it ("1" on hydrogen, then "2",
// gives magnesium).
bool NamesCurrentElement(std::string_view text, int current);

}  // namespace periodic
