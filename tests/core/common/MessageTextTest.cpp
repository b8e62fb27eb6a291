#include "common/MessageText.h"

#include <gtest/gtest.h>

namespace lir {
namespace {

TEST(MessageTextTest, FullStopIsAppendedUnlessTheTextEndsASentence) {
  struct Case { const char* in; const char* out; };
  for (const Case c : {Case{"Файл не найден", "Файл не найден."},
                       Case{"Файл не найден.", "Файл не найден."},
                       Case{"Внимание!", "Внимание!"},
                       Case{"Продолжить?", "Продолжить?"},
                       Case{"Подключено к \"ЛИР\"", "Подключено к \"ЛИР\"."},
                       Case{"Ошибка\r\n", "Ошибка."},
                       Case{"Ошибка.  \r\n", "Ошибка."},
                       Case{"Строка 1\r\nСтрока 2", "Строка 1\r\nСтрока 2."},
                       Case{"", ""},
                       Case{" \r\n\t", ""},
                       Case{".", "."},
                       Case{"Ж", "Ж."}}) {
    EXPECT_EQ(withFullStop(c.in), c.out) << c.in;
  }
}

TEST(MessageTextTest, NumberedListIsJoinedByLineBreaks) {
  EXPECT_EQ(numberedList({}), "");
  EXPECT_EQ(numberedList({"Одна."}), "1. Одна.");
  std::vector<std::string> items(11, "x");
  items[0] = "Первая.";
  items[1] = "Вторая.";
  const std::string list = numberedList(items);
  EXPECT_TRUE(list.starts_with("1. Первая.\r\n2. Вторая.\r\n3. x\r\n")) << list;
  EXPECT_TRUE(list.ends_with("\r\n9. x\r\n10. x\r\n11. x")) << list;
}

}  // namespace
}  // namespace lir
