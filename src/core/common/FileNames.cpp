#include "common/FileNames.h"

namespace lir {
namespace {

bool forbidden(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b < 0x20 || b == 0x7F) return true;
  switch (c) {
    case '"': case '*': case '/': case ':': case '<': case '>': case '?': case '\\': case '|':
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string cleanFileName(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (const char c : name) {
    if (!forbidden(c)) out += c;
  }
  return out;
}

}  // namespace lir
