#include "common/Cp1251.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace lir {
namespace {

TEST(Cp1251Test, CheckCharactersBothWays) {
  struct Case { const char* utf8; char byte; };
  for (const Case c : {Case{"Ж", '\xC6'}, Case{"ё", '\xB8'}, Case{"Ё", '\xA8'}, Case{"№", '\xB9'},
                       Case{"€", '\x88'}, Case{"А", '\xC0'}, Case{"я", '\xFF'}, Case{"\xC2\xA0", '\xA0'},
                       Case{"—", '\x97'}, Case{"A", 'A'}}) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(utf8ToCp1251(c.utf8), std::string(1, c.byte));
    EXPECT_EQ(cp1251ToUtf8(std::string(1, c.byte)), c.utf8);
  }
  EXPECT_EQ(utf8ToCp1251("Новый перекресток"),
            "\xCD\xEE\xE2\xFB\xE9 \xEF\xE5\xF0\xE5\xEA\xF0\xE5\xF1\xF2\xEE\xEA");
}

TEST(Cp1251Test, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = cp1251ToUtf8(all);
  EXPECT_EQ(utf8ToCp1251(utf8), all);
  // Only the question mark itself comes out as "?": every other byte has its own character.
  EXPECT_EQ(std::count(utf8.begin(), utf8.end(), '?'), 1);
}

TEST(Cp1251Test, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
  struct Case { std::string utf8; const char* out; };
  for (const Case& c : {Case{"中", "?"}, Case{"a中b", "a?b"}, Case{"\xF0\x9F\x98\x80", "?"},
                        Case{"\xE2\x82", "?"},           // cut short at the end
                        Case{"\xE2\x82" "A", "?A"},      // cut short before a letter
                        Case{"\x80", "?"},               // a continuation byte alone
                        Case{"\xC0\x80", "?"},           // over-long form of NUL
                        Case{"\xED\xA0\x80", "?"},       // a surrogate half
                        Case{"\xF4\x90\x80\x80", "?"},   // beyond U+10FFFF
                        Case{"\xFF\xFE", "??"}}) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(utf8ToCp1251(c.utf8), c.out);
  }
  EXPECT_EQ(utf8ToCp1251(std::string("\0x", 2)), std::string("\0x", 2));  // NUL is a character
}

// Texts arrive from files and devices: random bytes must decode without
// reading past the text, and a code-page text must survive the trip through UTF-8.
TEST(Cp1251Test, HostileRandomBytes) {
  std::mt19937 rng(1251);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes(rng() % 24, '\0');
    for (auto& c : bytes) c = static_cast<char>(rng());
    const std::string asUtf8 = utf8ToCp1251(bytes);
    EXPECT_LE(asUtf8.size(), bytes.size());
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(bytes)), bytes);
  }
}

}  // namespace
}  // namespace lir
