#pragma once
// Case mapping of the letters Windows-1251 can hold: Latin, the Russian alphabet
// with Ё, and the other Cyrillic letters of the code page (Ђ..Џ, Ґ). Every other
// character is left as it is. Texts are UTF-8.

#include <string>
#include <string_view>

namespace lir {

char32_t upperCaseLetter(char32_t cp);
char32_t lowerCaseLetter(char32_t cp);

std::string upperCaseText(std::string_view utf8);
std::string lowerCaseText(std::string_view utf8);

}  // namespace lir
