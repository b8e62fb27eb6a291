#pragma once
// Message texts of the program keep CR LF line breaks (the form of its fixed
// texts); a terminal wants LF alone.

#include <string>

namespace lir::cli {

inline std::string ConsoleText(std::string text) {
  for (std::size_t pos; (pos = text.find("\r\n")) != std::string::npos;) text.erase(pos, 1);
  return text;
}

}  // namespace lir::cli
