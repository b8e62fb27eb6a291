#pragma once
// The one way binary files, images and packets are read and written: every
// multi-byte value is little-endian, every read is bounds-checked, and nothing is
// ever copied out of memory as a struct.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lir {

// A read (or seek) past the end of the input. The text names the offset.
class EReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads little-endian values from a byte range it does not own; the range must
// outlive the reader. A failed read throws EReadError and leaves the position
// where it was.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}
  explicit ByteReader(std::string_view data)
      : data_(reinterpret_cast<const std::uint8_t*>(data.data()), data.size()) {}

  std::uint8_t u8();
  std::uint16_t u16();
  std::uint32_t u32();
  std::uint64_t u64();
  std::int8_t i8();
  std::int16_t i16();
  std::int32_t i32();
  std::int64_t i64();
  float f32();   // 4-byte IEEE-754
  double f64();  // 8-byte IEEE-754

  // The next n bytes, copied or as a view into the input.
  std::vector<std::uint8_t> bytes(std::size_t n);
  std::span<const std::uint8_t> view(std::size_t n);

  // A fixed-length text field of n bytes: the bytes up to the first zero (or
  // all n when the field is full), raw, in the file's code page. The position
  // moves past the whole field.
  std::string text(std::size_t n);
  // A zero-terminated text: the bytes up to the zero; the position moves past
  // the zero. A text without its zero before the end is a read error.
  std::string textZ();

  void skip(std::size_t n);
  // Seeking to size() is allowed (the reader is then at its end).
  void seek(std::size_t pos);

  std::size_t position() const { return pos_; }
  std::size_t size() const { return data_.size(); }
  std::size_t remaining() const { return data_.size() - pos_; }
  bool atEnd() const { return pos_ == data_.size(); }
  std::span<const std::uint8_t> data() const { return data_; }

 private:
  // Throws unless n more bytes are there; answers a pointer to them.
  const std::uint8_t* need(std::size_t n, const char* what) const;
  std::uint64_t unsignedLe(std::size_t n, const char* what);

  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
};

// Writes little-endian values into a growing byte vector. Values already written
// can be patched later (sizes, offsets and checksums that are known last).
class ByteWriter {
 public:
  void u8(std::uint8_t v) { bytes_.push_back(v); }
  void u16(std::uint16_t v) { putLe(v, 2); }
  void u32(std::uint32_t v) { putLe(v, 4); }
  void u64(std::uint64_t v) { putLe(v, 8); }
  void i8(std::int8_t v) { u8(static_cast<std::uint8_t>(v)); }
  void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
  void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
  void i64(std::int64_t v) { u64(static_cast<std::uint64_t>(v)); }
  void f32(float v);
  void f64(double v);

  void bytes(std::span<const std::uint8_t> data);
  void bytes(std::string_view data);
  void zeros(std::size_t n);
  // A fixed-length text field: the raw bytes cut to n, padded with zeros to n.
  // A text of exactly n bytes fills the field with no terminating zero.
  void text(std::string_view raw, std::size_t n);

  // Patching bytes already written; throws std::out_of_range when the value
  // would not lie wholly inside what has been written.
  void putU8At(std::size_t pos, std::uint8_t v);
  void putU16At(std::size_t pos, std::uint16_t v);
  void putU32At(std::size_t pos, std::uint32_t v);
  void putBytesAt(std::size_t pos, std::span<const std::uint8_t> data);

  std::size_t position() const { return bytes_.size(); }
  std::size_t size() const { return bytes_.size(); }
  const std::vector<std::uint8_t>& data() const { return bytes_; }
  // Hands the bytes over and leaves the writer empty.
  std::vector<std::uint8_t> take();

 private:
  void putLe(std::uint64_t v, std::size_t n);
  void putLeAt(std::size_t pos, std::uint64_t v, std::size_t n);

  std::vector<std::uint8_t> bytes_;
};

}  // namespace lir
