#include "model/LIRModelOrder.h"

#include "common/Cp1251.h"
#include "common/Format.h"
#include "model/LIRModels.h"

namespace lir {
namespace {

char32_t upperCase(char32_t cp) {
  if (cp >= U'a' && cp <= U'z') return cp - 0x20;
  if (cp >= 0x0430 && cp <= 0x044F) return cp - 0x20;  // а..я
  if (cp >= 0x0450 && cp <= 0x045F) return cp - 0x50;  // ѐ..џ, among them ё, є, і, ї, ў
  if (cp == 0x0491) return 0x0490;                      // ґ
  return cp;
}

}  // namespace

std::string UpperCaseText(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) appendUtf8(out, upperCase(nextCodePoint(utf8, pos)));
  return out;
}

std::string ModelSortKey(const TLIRModel& model) {
  return sformat("%.3d", static_cast<int>(model.Family()) - 1000) + UpperCaseText(model.Description());
}

}  // namespace lir
