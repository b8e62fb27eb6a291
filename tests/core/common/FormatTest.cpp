#include "common/Format.h"

#include <gtest/gtest.h>

#include <string>

namespace lir {
namespace {

TEST(FormatTest, FormatsLikePrintf) {
  EXPECT_EQ(sformat("%d. Модель поддерживает не более %d рабочих циклов.", 1, 16),
            "1. Модель поддерживает не более 16 рабочих циклов.");
  EXPECT_EQ(sformat("Функция %s вернула ошибку %d.", "Init", -3), "Функция Init вернула ошибку -3.");
  EXPECT_EQ(sformat("%xh %04X 100%%", 255u, 0xABu), "ffh 00AB 100%");
  EXPECT_EQ(sformat("%s", ""), "");
}

TEST(FormatTest, LongResultsAreNotCut) {
  const std::string longText(5000, 'x');
  const std::string out = sformat("[%s]", longText.c_str());
  EXPECT_EQ(out.size(), 5002u);
  EXPECT_EQ(out.front(), '[');
  EXPECT_EQ(out.back(), ']');
}

}  // namespace
}  // namespace lir
