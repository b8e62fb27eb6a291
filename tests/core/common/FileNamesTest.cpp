#include "common/FileNames.h"

#include <gtest/gtest.h>

namespace lir {
namespace {

TEST(FileNamesTest, RemovesTheForbiddenCharacters) {
  EXPECT_EQ(cleanFileName(R"(a"b*c/d:e<f>g?h\i|j)"), "abcdefghij");
  EXPECT_EQ(cleanFileName(R"("*/:<>?\|)"), "");
  EXPECT_EQ(cleanFileName("Перекресток №5 (Ленина/Мира)"), "Перекресток №5 (ЛенинаМира)");
  EXPECT_EQ(cleanFileName("ЛИР-3.4Н, вариант 2.lir"), "ЛИР-3.4Н, вариант 2.lir");
  EXPECT_EQ(cleanFileName("中文 € ё"), "中文 € ё");
  EXPECT_EQ(cleanFileName(""), "");
}

TEST(FileNamesTest, RemovesControlCharactersSuchAsLineBreaks) {
  EXPECT_EQ(cleanFileName("Новый\r\nперекресток\t1"), "Новыйперекресток1");
  EXPECT_EQ(cleanFileName(std::string_view("a\0b\x7F" "c", 5)), "abc");
}

}  // namespace
}  // namespace lir
