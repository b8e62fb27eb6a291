#pragma once
// File names that the program proposes (Save As, passport export) are made from
// texts the user typed, such as the project name.

#include <string>
#include <string_view>

namespace lir {

// Removes the characters that Windows forbids in file names: " * / : < > ? \ |
// and also the control characters 0x00..0x1F and 0x7F (a project name may hold a
// line break). UTF-8 in and out; multi-byte characters are left whole, since
// none of their bytes is below 0x80.
std::string cleanFileName(std::string_view name);

}  // namespace lir
