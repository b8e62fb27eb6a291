// Russian captions must render as letters, not boxes: a machine without fonts
// fails here loudly instead of drawing empty rectangles into every screenshot.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>

TEST(Fonts, DefaultFontHasCyrillicLetters) {
  const QFontMetrics metrics(QApplication::font());
  for (const char32_t letter : {U'Ж', U'Ё', U'ы', U'№'}) {
    EXPECT_TRUE(metrics.inFontUcs4(letter)) << "no glyph for U+" << std::hex << unsigned(letter);
  }
}
