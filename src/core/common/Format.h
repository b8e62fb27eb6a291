#pragma once
// printf-style formatting of the program's fixed message texts
// ("Функция %s вернула ошибку %d."). The compiler checks every call's arguments
// against its format.

#include <string>

namespace lir {

std::string sformat(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace lir
