#include "common/Bcd.h"

#include <gtest/gtest.h>

namespace lir {
namespace {

TEST(BcdTest, HandWrittenBytes) {
  struct Case { unsigned value; std::uint8_t bcd; };
  for (const Case c : {Case{0, 0x00}, Case{7, 0x07}, Case{10, 0x10}, Case{30, 0x30},
                       Case{59, 0x59}, Case{25, 0x25}, Case{99, 0x99}}) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(toBcd(c.value), c.bcd);
    EXPECT_EQ(fromBcd(c.bcd), c.value);
  }
}

TEST(BcdTest, EveryByteEitherRoundTripsOrIsRefused) {
  int valid = 0;
  for (unsigned b = 0; b < 256; ++b) {
    const auto value = fromBcd(static_cast<std::uint8_t>(b));
    const bool digits = (b >> 4) <= 9 && (b & 0x0F) <= 9;
    EXPECT_EQ(value.has_value(), digits) << b;
    if (value) {
      ++valid;
      EXPECT_EQ(toBcd(*value), b);
    }
  }
  EXPECT_EQ(valid, 100);
}

TEST(BcdTest, ValuesAboveNinetyNineHaveNoByte) {
  EXPECT_FALSE(toBcd(100).has_value());
  EXPECT_FALSE(toBcd(255).has_value());
  EXPECT_FALSE(toBcd(0xFFFFFFFFu).has_value());
  EXPECT_FALSE(fromBcd(0x0A).has_value());
  EXPECT_FALSE(fromBcd(0xA0).has_value());
  static_assert(toBcd(42) == 0x42);  // usable in constant expressions
}

}  // namespace
}  // namespace lir
