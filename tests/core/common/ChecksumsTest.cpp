#include "common/Checksums.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace lir {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::string_view kCheck = "123456789";

TEST(ChecksumsTest, CheckValuesOfTheCatalogue) {
  EXPECT_EQ(crc16Kermit(kCheck), 0x2189);
  EXPECT_EQ(crc32Zero(kCheck), 0x2DFD2D88u);
  EXPECT_EQ(crc32(kCheck), 0xCBF43926u);
  EXPECT_EQ(crc32("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
  EXPECT_EQ(crc8(kCheck), 0xF4);
  // '1'..'9' are 0x31..0x39: 9 * 0x30 + 45 = 477 = 0x1DD.
  EXPECT_EQ(sum16(kCheck), 0x01DD);
  EXPECT_EQ(sum8(kCheck), 0xDD);
}

TEST(ChecksumsTest, EmptyInputLeavesTheStartValue) {
  const Bytes none;
  EXPECT_EQ(crc16Kermit(none), 0);
  EXPECT_EQ(crc16Kermit(none, 0x1234), 0x1234);
  EXPECT_EQ(crc32Zero(none), 0u);
  EXPECT_EQ(crc32(none), 0u);
  EXPECT_EQ(crc32(none, 0xCBF43926u), 0xCBF43926u);
  EXPECT_EQ(crc8(none, 0x5A), 0x5A);
  EXPECT_EQ(sum16(none, 7), 7);
  EXPECT_EQ(sum8(none, 7), 7);
}

TEST(ChecksumsTest, SingleBytesAgainstTheBitwiseDefinition) {
  // One byte through the register equals that byte shifted eight times.
  EXPECT_EQ(crc16Kermit(Bytes{0x01}), 0x1189);
  EXPECT_EQ(crc16Kermit(Bytes{0x80}), 0x8408);
  EXPECT_EQ(crc32Zero(Bytes{0x01}), 0x77073096u);
  EXPECT_EQ(crc32Zero(Bytes{0x80}), 0xEDB88320u);
  EXPECT_EQ(crc8(Bytes{0x01}), 0x07);
  EXPECT_EQ(crc8(Bytes{0x80}), 0x89);  // two of the eight shifts carry out a bit
}

TEST(ChecksumsTest, AdditiveSumsWrapAround) {
  const Bytes ff(300, 0xFF);  // 300 * 255 = 76500 = 65536 + 0x2AD4
  EXPECT_EQ(sum16(ff), 0x2AD4);
  EXPECT_EQ(sum8(ff), static_cast<std::uint8_t>(76500 % 256));
  EXPECT_EQ(sum16(Bytes{0x01, 0x02}, 0xFFFF), 0x0002);
  EXPECT_EQ(sum8(Bytes{0x80, 0x80}), 0x00);
}

// Files are summed piecewise: every split must give the value of the whole.
TEST(ChecksumsTest, IncrementalEqualsWholeAtEverySplit) {
  std::mt19937 rng(7);
  Bytes data(64);
  for (auto& b : data) b = static_cast<std::uint8_t>(rng());
  const std::span<const std::uint8_t> all(data);
  for (std::size_t cut = 0; cut <= data.size(); ++cut) {
    SCOPED_TRACE(cut);
    const auto a = all.first(cut);
    const auto b = all.subspan(cut);
    EXPECT_EQ(crc16Kermit(b, crc16Kermit(a)), crc16Kermit(all));
    EXPECT_EQ(crc32Zero(b, crc32Zero(a)), crc32Zero(all));
    EXPECT_EQ(crc32(b, crc32(a)), crc32(all));
    EXPECT_EQ(crc8(b, crc8(a)), crc8(all));
    EXPECT_EQ(sum16(b, sum16(a)), sum16(all));
    EXPECT_EQ(sum8(b, sum8(a)), sum8(all));
  }
}

// A file check stored low byte first after the data makes the CRC over data
// and check zero; a changed byte anywhere must be noticed.
TEST(ChecksumsTest, StoredTrailerAndSingleByteChanges) {
  Bytes file(40);
  for (std::size_t i = 0; i < file.size(); ++i) file[i] = static_cast<std::uint8_t>(i * 37 + 11);
  const std::uint16_t check = crc16Kermit(file);
  file.push_back(static_cast<std::uint8_t>(check));
  file.push_back(static_cast<std::uint8_t>(check >> 8));
  EXPECT_EQ(crc16Kermit(file), 0);

  Bytes packet(file.begin(), file.begin() + 20);
  packet.push_back(crc8(packet));
  EXPECT_EQ(crc8(packet), 0);

  for (std::size_t i = 0; i < file.size(); ++i) {
    for (const std::uint8_t flip : {0x01, 0x80, 0xFF}) {
      Bytes changed = file;
      changed[i] ^= flip;
      EXPECT_NE(crc16Kermit(changed), 0) << i;
    }
  }
}

}  // namespace
}  // namespace lir
