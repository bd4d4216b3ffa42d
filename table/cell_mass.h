#pragma once

#include <string>
#include <string_view>

namespace periodic {

// The atomic mass as a cell shows it: the record's text in five characters. A longer decimal
// text is rounded half up on its digits to the decimals that fit ("15,9994" gives "16,00",
// "9,99995" gives "10,00": a carry that lengthens the whole part costs a decimal); with four
// or five digits before the separator it keeps none ("1234,5" gives "1235"). The separator,
// comma or point, stays as the record has it. A mass number in brackets, a text of five
// characters or fewer, anything that is not a plain decimal number and a number whose whole
// part does not fit show their first five characters, as stored.
std::string CellMassText(std::string_view mass);

}  // namespace periodic
