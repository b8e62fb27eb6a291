#pragma once
// Packed BCD bytes (two decimal digits, tens in the high nibble: 07:30 is
// 0x07 0x30) as device images store times and dates. Both directions refuse
// what cannot be represented instead of producing a wrong byte or number: a
// value above 99 has no BCD byte, and a byte with a nibble above 9 (read from a
// damaged image) has no value.

#include <cstdint>
#include <optional>

namespace lir {

constexpr std::optional<std::uint8_t> toBcd(unsigned value) {
  if (value > 99) return std::nullopt;
  return static_cast<std::uint8_t>(((value / 10) << 4) | (value % 10));
}

constexpr std::optional<std::uint8_t> fromBcd(std::uint8_t bcd) {
  const unsigned tens = bcd >> 4;
  const unsigned units = bcd & 0x0F;
  if (tens > 9 || units > 9) return std::nullopt;
  return static_cast<std::uint8_t>(tens * 10 + units);
}

}  // namespace lir
