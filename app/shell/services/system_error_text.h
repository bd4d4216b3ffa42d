#pragma once

#include <string>

namespace table {

// Why a file operation failed, in Russian and in the user's words, from its errno (or the data
// layer's own code): "файл не найден", "нет прав доступа". No code number is shown where the
// cause is known; an unknown one still reads as a Russian sentence.
std::string SystemErrorText(int code);

}  // namespace table
