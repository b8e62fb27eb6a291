#include "common/TextCase.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace lir {
namespace {

TEST(TextCaseTest, CoversLatinAndEveryCyrillicLetterOf1251InBothDirections) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"лов-тест", "ЛОВ-ТЕСТ"},
      {"абвгдеёжзийклмнопрстуфхцчшщъыьэюя", "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"},
      {"ђѓєѕіїјљњћќўџґ", "ЂЃЄЅІЇЈЉЊЋЌЎЏҐ"},
      {"abc xyz", "ABC XYZ"},
      {"№1 (32 вых.) «Ок»", "№1 (32 ВЫХ.) «ОК»"},
      {"УЖЕ", "УЖЕ"},
  };
  for (const auto& [lower, upper] : cases) {
    EXPECT_EQ(upperCaseText(lower), upper) << lower;
    EXPECT_EQ(lowerCaseText(upper), lowerCaseText(lower)) << upper;
  }
}

TEST(TextCaseTest, MalformedBytesBecomeReplacementCharacters) {
  EXPECT_EQ(upperCaseText("a\xFF" "b"), "A\xEF\xBF\xBD" "B");
}

}  // namespace
}  // namespace lir
