#include "common/MessageText.h"

#include "common/Format.h"

namespace lir {

std::string withFullStop(std::string_view text) {
  const auto last = text.find_last_not_of(" \t\r\n");
  if (last == std::string_view::npos) return {};
  std::string out(text.substr(0, last + 1));
  const char end = out.back();
  if (end != '.' && end != '!' && end != '?') out += '.';
  return out;
}

std::string numberedList(const std::vector<std::string>& items) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += kLineBreak;
    out += sformat("%zu. ", i + 1);
    out += items[i];
  }
  return out;
}

}  // namespace lir
