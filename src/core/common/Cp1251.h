#pragma once
// Texts live in memory as UTF-8; files, plug-ins and devices speak Windows-1251.
// These two functions are the only crossing between the two.

#include <string>
#include <string_view>

namespace lir {

// Every byte maps to one character (the one unassigned byte, 0x98, maps to U+0098
// so that any byte string survives a round trip).
std::string cp1251ToUtf8(std::string_view bytes);

// A character that Windows-1251 cannot hold, or a malformed UTF-8 sequence,
// becomes "?".
std::string utf8ToCp1251(std::string_view utf8);

// Decodes one UTF-8 sequence at text[pos]; answers the code point (U+FFFD for a
// malformed sequence) and advances pos past it.
char32_t nextCodePoint(std::string_view text, std::size_t& pos);

// Appends the UTF-8 form of a code point.
void appendUtf8(std::string& out, char32_t cp);

}  // namespace lir
