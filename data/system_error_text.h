#pragma once

#include <string>

namespace periodic {

// What a system error number (errno, or the data layer's own codes such as kNotARegularFile)
// means, in Russian, as a short lower-case phrase that fits after a colon: "файл не найден",
// "нет доступа". A number the table does not know gives "системная ошибка N".
std::string RussianErrorText(int code);

}  // namespace periodic
