#include "common/Checksums.h"

#include <array>

namespace lir {
namespace {

std::span<const std::uint8_t> asBytes(std::string_view data) {
  return {reinterpret_cast<const std::uint8_t*>(data.data()), data.size()};
}

// Table of a reflected CRC: entry i is i run through eight shifts.
template <typename T>
constexpr std::array<T, 256> reflectedTable(T poly) {
  std::array<T, 256> table{};
  for (unsigned i = 0; i < 256; ++i) {
    T r = static_cast<T>(i);
    for (int bit = 0; bit < 8; ++bit) r = (r & 1) ? static_cast<T>((r >> 1) ^ poly) : static_cast<T>(r >> 1);
    table[i] = r;
  }
  return table;
}

constexpr std::array<std::uint8_t, 256> crc8Table() {
  std::array<std::uint8_t, 256> table{};
  for (unsigned i = 0; i < 256; ++i) {
    auto r = static_cast<std::uint8_t>(i);
    for (int bit = 0; bit < 8; ++bit) {
      r = (r & 0x80) ? static_cast<std::uint8_t>((r << 1) ^ 0x07) : static_cast<std::uint8_t>(r << 1);
    }
    table[i] = r;
  }
  return table;
}

constexpr auto kCrc16Table = reflectedTable<std::uint16_t>(0x8408);
constexpr auto kCrc32Table = reflectedTable<std::uint32_t>(0xEDB88320u);
constexpr auto kCrc8Table = crc8Table();

static_assert(kCrc16Table[1] == 0x1189);
static_assert(kCrc32Table[1] == 0x77073096u);
static_assert(kCrc8Table[1] == 0x07);

std::uint32_t crc32Register(std::span<const std::uint8_t> data, std::uint32_t crc) {
  for (const std::uint8_t b : data) crc = (crc >> 8) ^ kCrc32Table[(crc ^ b) & 0xFF];
  return crc;
}

}  // namespace

std::uint16_t sum16(std::span<const std::uint8_t> data, std::uint16_t sum) {
  for (const std::uint8_t b : data) sum = static_cast<std::uint16_t>(sum + b);
  return sum;
}
std::uint16_t sum16(std::string_view data, std::uint16_t sum) { return sum16(asBytes(data), sum); }

std::uint8_t sum8(std::span<const std::uint8_t> data, std::uint8_t sum) {
  for (const std::uint8_t b : data) sum = static_cast<std::uint8_t>(sum + b);
  return sum;
}
std::uint8_t sum8(std::string_view data, std::uint8_t sum) { return sum8(asBytes(data), sum); }

std::uint16_t crc16Kermit(std::span<const std::uint8_t> data, std::uint16_t crc) {
  for (const std::uint8_t b : data) crc = static_cast<std::uint16_t>((crc >> 8) ^ kCrc16Table[(crc ^ b) & 0xFF]);
  return crc;
}
std::uint16_t crc16Kermit(std::string_view data, std::uint16_t crc) {
  return crc16Kermit(asBytes(data), crc);
}

std::uint32_t crc32Zero(std::span<const std::uint8_t> data, std::uint32_t crc) {
  return crc32Register(data, crc);
}
std::uint32_t crc32Zero(std::string_view data, std::uint32_t crc) {
  return crc32Register(asBytes(data), crc);
}

std::uint32_t crc32(std::span<const std::uint8_t> data, std::uint32_t crc) {
  return ~crc32Register(data, ~crc);
}
std::uint32_t crc32(std::string_view data, std::uint32_t crc) { return crc32(asBytes(data), crc); }

std::uint8_t crc8(std::span<const std::uint8_t> data, std::uint8_t crc) {
  for (const std::uint8_t b : data) crc = kCrc8Table[crc ^ b];
  return crc;
}
std::uint8_t crc8(std::string_view data, std::uint8_t crc) { return crc8(asBytes(data), crc); }

}  // namespace lir
