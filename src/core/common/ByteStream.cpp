#include "common/ByteStream.h"

#include <algorithm>
#include <bit>
#include <limits>

#include "common/Format.h"

namespace lir {

static_assert(std::numeric_limits<float>::is_iec559 && sizeof(float) == 4);
static_assert(std::numeric_limits<double>::is_iec559 && sizeof(double) == 8);

const std::uint8_t* ByteReader::need(std::size_t n, const char* what) const {
  // Compared against what is left rather than pos_ + n, which can overflow.
  if (n > data_.size() - pos_) {
    throw EReadError(sformat("Cannot read %s of %zu byte(s) at offset %zu: only %zu byte(s) left",
                             what, n, pos_, data_.size() - pos_));
  }
  return data_.data() + pos_;
}

std::uint64_t ByteReader::unsignedLe(std::size_t n, const char* what) {
  const std::uint8_t* p = need(n, what);
  std::uint64_t v = 0;
  for (std::size_t i = n; i-- > 0;) v = (v << 8) | p[i];
  pos_ += n;
  return v;
}

std::uint8_t ByteReader::u8() { return static_cast<std::uint8_t>(unsignedLe(1, "a byte")); }
std::uint16_t ByteReader::u16() { return static_cast<std::uint16_t>(unsignedLe(2, "a 16-bit value")); }
std::uint32_t ByteReader::u32() { return static_cast<std::uint32_t>(unsignedLe(4, "a 32-bit value")); }
std::uint64_t ByteReader::u64() { return unsignedLe(8, "a 64-bit value"); }
std::int8_t ByteReader::i8() { return static_cast<std::int8_t>(u8()); }
std::int16_t ByteReader::i16() { return static_cast<std::int16_t>(u16()); }
std::int32_t ByteReader::i32() { return static_cast<std::int32_t>(u32()); }
std::int64_t ByteReader::i64() { return static_cast<std::int64_t>(u64()); }

float ByteReader::f32() {
  return std::bit_cast<float>(static_cast<std::uint32_t>(unsignedLe(4, "a 32-bit float")));
}

double ByteReader::f64() { return std::bit_cast<double>(unsignedLe(8, "a 64-bit float")); }

std::vector<std::uint8_t> ByteReader::bytes(std::size_t n) {
  const auto v = view(n);
  return {v.begin(), v.end()};
}

std::span<const std::uint8_t> ByteReader::view(std::size_t n) {
  const std::uint8_t* p = need(n, "a block");
  pos_ += n;
  return {p, n};
}

std::string ByteReader::text(std::size_t n) {
  const std::uint8_t* p = need(n, "a text field");
  const std::uint8_t* end = std::find(p, p + n, std::uint8_t{0});
  pos_ += n;
  return {reinterpret_cast<const char*>(p), static_cast<std::size_t>(end - p)};
}

std::string ByteReader::textZ() {
  const std::uint8_t* p = data_.data() + pos_;
  const std::uint8_t* end = data_.data() + data_.size();
  const std::uint8_t* zero = std::find(p, end, std::uint8_t{0});
  if (zero == end) {
    throw EReadError(sformat("Text at offset %zu has no terminating zero before the end at %zu",
                             pos_, data_.size()));
  }
  pos_ += static_cast<std::size_t>(zero - p) + 1;
  return {reinterpret_cast<const char*>(p), static_cast<std::size_t>(zero - p)};
}

void ByteReader::skip(std::size_t n) {
  need(n, "a gap");
  pos_ += n;
}

void ByteReader::seek(std::size_t pos) {
  if (pos > data_.size()) {
    throw EReadError(sformat("Cannot seek to offset %zu: the data has %zu byte(s)", pos, data_.size()));
  }
  pos_ = pos;
}

void ByteWriter::f32(float v) { u32(std::bit_cast<std::uint32_t>(v)); }
void ByteWriter::f64(double v) { u64(std::bit_cast<std::uint64_t>(v)); }

void ByteWriter::bytes(std::span<const std::uint8_t> data) {
  bytes_.insert(bytes_.end(), data.begin(), data.end());
}

void ByteWriter::bytes(std::string_view data) {
  bytes_.insert(bytes_.end(), reinterpret_cast<const std::uint8_t*>(data.data()),
                reinterpret_cast<const std::uint8_t*>(data.data()) + data.size());
}

void ByteWriter::zeros(std::size_t n) { bytes_.resize(bytes_.size() + n, 0); }

void ByteWriter::text(std::string_view raw, std::size_t n) {
  const std::size_t used = std::min(raw.size(), n);
  bytes(raw.substr(0, used));
  zeros(n - used);
}

void ByteWriter::putU8At(std::size_t pos, std::uint8_t v) { putLeAt(pos, v, 1); }
void ByteWriter::putU16At(std::size_t pos, std::uint16_t v) { putLeAt(pos, v, 2); }
void ByteWriter::putU32At(std::size_t pos, std::uint32_t v) { putLeAt(pos, v, 4); }

void ByteWriter::putBytesAt(std::size_t pos, std::span<const std::uint8_t> data) {
  if (pos > bytes_.size() || data.size() > bytes_.size() - pos) {
    throw std::out_of_range(sformat("Cannot patch %zu byte(s) at offset %zu: only %zu written",
                                    data.size(), pos, bytes_.size()));
  }
  std::copy(data.begin(), data.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(pos));
}

std::vector<std::uint8_t> ByteWriter::take() {
  std::vector<std::uint8_t> out;
  out.swap(bytes_);
  return out;
}

void ByteWriter::putLe(std::uint64_t v, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void ByteWriter::putLeAt(std::size_t pos, std::uint64_t v, std::size_t n) {
  std::uint8_t buf[8];
  for (std::size_t i = 0; i < n; ++i) buf[i] = static_cast<std::uint8_t>(v >> (8 * i));
  putBytesAt(pos, std::span<const std::uint8_t>(buf, n));
}

}  // namespace lir
