#pragma once
// The shape of the texts shown in message boxes.
//
// Line breaks inside message texts are CR LF ("\r\n"), the form the program's
// fixed texts are written in; the dialogs show them as one break.

#include <string>
#include <string_view>
#include <vector>

namespace lir {

inline constexpr std::string_view kLineBreak = "\r\n";

// Every message ends in a full stop unless it already ends in ".", "!" or "?".
// Trailing blanks and line breaks are dropped first, so "Ошибка\r\n" gives
// "Ошибка." and "Готово!\r\n" gives "Готово!". A text that is empty or only
// blank stays empty: a lone full stop would be no message.
std::string withFullStop(std::string_view text);

// Numbered list of problems: "1. first", "2. second", ... joined by line
// breaks, without a break after the last item.
std::string numberedList(const std::vector<std::string>& items);

}  // namespace lir
