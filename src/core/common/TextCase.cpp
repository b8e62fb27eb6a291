#include "common/TextCase.h"

#include "common/Cp1251.h"

namespace lir {
namespace {

template <typename Map>
std::string mapLetters(std::string_view utf8, Map map) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) appendUtf8(out, map(nextCodePoint(utf8, pos)));
  return out;
}

}  // namespace

char32_t upperCaseLetter(char32_t cp) {
  if (cp >= U'a' && cp <= U'z') return cp - 0x20;
  if (cp >= 0x0430 && cp <= 0x044F) return cp - 0x20;  // а..я
  if (cp >= 0x0450 && cp <= 0x045F) return cp - 0x50;  // ѐ..џ, among them ё, є, і, ї, ў
  if (cp == 0x0491) return 0x0490;                      // ґ
  return cp;
}

char32_t lowerCaseLetter(char32_t cp) {
  if (cp >= U'A' && cp <= U'Z') return cp + 0x20;
  if (cp >= 0x0410 && cp <= 0x042F) return cp + 0x20;  // А..Я
  if (cp >= 0x0400 && cp <= 0x040F) return cp + 0x50;  // Ѐ..Џ, among them Ё, Є, І, Ї, Ў
  if (cp == 0x0490) return 0x0491;                      // Ґ
  return cp;
}

std::string upperCaseText(std::string_view utf8) { return mapLetters(utf8, upperCaseLetter); }
std::string lowerCaseText(std::string_view utf8) { return mapLetters(utf8, lowerCaseLetter); }

}  // namespace lir
