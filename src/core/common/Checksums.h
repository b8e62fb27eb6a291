#pragma once
// The checksums of files, images and packets. Every function is incremental: a
// value computed over a first piece goes in as the start value of the next
// piece, and the result equals the value over both pieces at once. The default
// start value begins a new sum.

#include <cstdint>
#include <span>
#include <string_view>

namespace lir {

// Sum of the bytes as unsigned values, modulo 65536 (main-controller image,
// adaptive blocks).
std::uint16_t sum16(std::span<const std::uint8_t> data, std::uint16_t sum = 0);
std::uint16_t sum16(std::string_view data, std::uint16_t sum = 0);

// Sum of the bytes modulo 256 (audible-signal images, module-device frames).
std::uint8_t sum8(std::span<const std::uint8_t> data, std::uint8_t sum = 0);
std::uint8_t sum8(std::string_view data, std::uint8_t sum = 0);

// CRC-16/KERMIT: reflected polynomial 0x8408, start 0, no final XOR. The file
// check of project and firmware files. "123456789" gives 0x2189.
std::uint16_t crc16Kermit(std::span<const std::uint8_t> data, std::uint16_t crc = 0);
std::uint16_t crc16Kermit(std::string_view data, std::uint16_t crc = 0);

// CRC-32 over the reflected polynomial 0xEDB88320 with start 0 and no final
// inversion: the check of the device's verify command. "123456789" gives
// 0x2DFD2D88.
std::uint32_t crc32Zero(std::span<const std::uint8_t> data, std::uint32_t crc = 0);
std::uint32_t crc32Zero(std::string_view data, std::uint32_t crc = 0);

// The common CRC-32 (start 0xFFFFFFFF, final inversion; the zlib one).
// "123456789" gives 0xCBF43926; incremental in the zlib way (pass the previous
// result, 0 to begin).
std::uint32_t crc32(std::span<const std::uint8_t> data, std::uint32_t crc = 0);
std::uint32_t crc32(std::string_view data, std::uint32_t crc = 0);

// CRC-8: polynomial 0x07, most significant bit first, start 0, no final XOR
// (USB packets, module-device images). "123456789" gives 0xF4.
std::uint8_t crc8(std::span<const std::uint8_t> data, std::uint8_t crc = 0);
std::uint8_t crc8(std::string_view data, std::uint8_t crc = 0);

}  // namespace lir
