#include "common/ByteStream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <limits>
#include <random>
#include <vector>

namespace lir {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ByteReaderTest, ReadsLittleEndianValuesOfEveryWidth) {
  const Bytes data = {0x01,                    // u8
                      0x34, 0x12,              // u16 0x1234
                      0x78, 0x56, 0x34, 0x12,  // u32 0x12345678
                      0xFF,                    // i8 -1
                      0xFE, 0xFF,              // i16 -2
                      0x00, 0x00, 0x00, 0x80,  // i32 INT32_MIN
                      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,  // double 1.0
                      0x00, 0x00, 0x20, 0xC0,                          // float -2.5
                      0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11};  // u64
  ByteReader r(data);
  EXPECT_EQ(r.u8(), 0x01);
  EXPECT_EQ(r.u16(), 0x1234);
  EXPECT_EQ(r.u32(), 0x12345678u);
  EXPECT_EQ(r.i8(), -1);
  EXPECT_EQ(r.i16(), -2);
  EXPECT_EQ(r.i32(), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(r.f64(), 1.0);
  EXPECT_EQ(r.f32(), -2.5f);
  EXPECT_EQ(r.u64(), 0x1122334455667788ull);
  EXPECT_TRUE(r.atEnd());
  EXPECT_EQ(r.remaining(), 0u);
  EXPECT_EQ(r.position(), data.size());
}

TEST(ByteReaderTest, FixedTextFieldStopsAtFirstZeroAndConsumesWholeField) {
  ByteReader r(std::string_view("AB\0CD" "WXYZ" "!", 10));
  EXPECT_EQ(r.text(5), "AB");           // cut at the zero, rest of the field skipped
  EXPECT_EQ(r.position(), 5u);
  EXPECT_EQ(r.text(4), "WXYZ");         // a full field has no zero
  EXPECT_EQ(r.text(0), "");
  EXPECT_EQ(r.text(1), "!");
  EXPECT_THROW(r.text(1), EReadError);
}

TEST(ByteReaderTest, ZeroTerminatedTextNeedsItsZero) {
  ByteReader r(std::string_view("ab\0\0cd", 6));
  EXPECT_EQ(r.textZ(), "ab");
  EXPECT_EQ(r.textZ(), "");
  EXPECT_EQ(r.position(), 4u);
  EXPECT_THROW(r.textZ(), EReadError);
  EXPECT_EQ(r.position(), 4u);
}

TEST(ByteReaderTest, BytesViewSkipSeek) {
  const Bytes data = {1, 2, 3, 4, 5};
  ByteReader r(data);
  EXPECT_EQ(r.bytes(2), (Bytes{1, 2}));
  const auto v = r.view(2);
  EXPECT_EQ(v.data(), data.data() + 2);  // a view, not a copy
  EXPECT_EQ(v.size(), 2u);
  r.seek(1);
  r.skip(3);
  EXPECT_EQ(r.u8(), 5);
  r.seek(5);  // the end itself is a valid place
  EXPECT_TRUE(r.atEnd());
  EXPECT_EQ(r.bytes(0), Bytes{});
  EXPECT_THROW(r.seek(6), EReadError);
  EXPECT_EQ(r.position(), 5u);
}

TEST(ByteReaderTest, FailedReadsThrowNameTheOffsetAndKeepThePosition) {
  const Bytes data = {1, 2, 3};
  constexpr std::size_t kHuge = std::numeric_limits<std::size_t>::max();
  ByteReader r(data);
  r.u8();
  const std::vector<std::function<void()>> reads = {
      [&] { r.u32(); },           [&] { r.i32(); },          [&] { r.u64(); },
      [&] { r.f64(); },           [&] { r.bytes(3); },       [&] { r.view(kHuge); },
      [&] { r.bytes(kHuge); },    [&] { r.skip(kHuge); },    [&] { r.skip(kHuge - 1); },
      [&] { r.text(kHuge); },     [&] { r.seek(kHuge); },    [&] { r.text(3); }};
  for (std::size_t i = 0; i < reads.size(); ++i) {
    SCOPED_TRACE(i);
    try {
      reads[i]();
      ADD_FAILURE() << "no EReadError";
    } catch (const EReadError& e) {
      if (i != 10) {  // a failed seek names the target, not the position
        EXPECT_NE(std::string(e.what()).find("offset 1"), std::string::npos) << e.what();
      }
    }
    EXPECT_EQ(r.position(), 1u);
  }
  EXPECT_EQ(r.u16(), 0x0302);  // still readable after the failures
}

TEST(ByteReaderTest, StringViewInputAndEmptyInput) {
  ByteReader r(std::string_view("\xC6\x01", 2));
  EXPECT_EQ(r.u16(), 0x01C6);
  ByteReader empty(std::span<const std::uint8_t>{});
  EXPECT_TRUE(empty.atEnd());
  EXPECT_THROW(empty.u8(), EReadError);
  EXPECT_THROW(empty.textZ(), EReadError);
}

// Hostile input: random reads of random kinds and lengths over random data must
// either succeed inside the data or throw EReadError; the sanitizers catch any
// access outside it.
TEST(ByteReaderTest, HostileRandomReadsNeverEscapeTheInput) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 2000; ++round) {
    Bytes data(rng() % 40);
    for (auto& b : data) b = static_cast<std::uint8_t>(rng());
    // A copy on the heap, exactly sized, so an overrun hits a redzone.
    auto heap = std::make_unique<std::uint8_t[]>(data.size() + 1);
    std::copy(data.begin(), data.end(), heap.get());
    ByteReader r(std::span<const std::uint8_t>(heap.get(), data.size()));
    for (int step = 0; step < 30; ++step) {
      const std::size_t before = r.position();
      const std::size_t n = (rng() % 4 == 0) ? std::numeric_limits<std::size_t>::max() - rng() % 8
                                              : rng() % 12;
      try {
        switch (rng() % 12) {
          case 0: r.u8(); break;
          case 1: r.u16(); break;
          case 2: r.u32(); break;
          case 3: r.i32(); break;
          case 4: r.f64(); break;
          case 5: r.bytes(n); break;
          case 6: r.view(n); break;
          case 7: r.text(n); break;
          case 8: r.textZ(); break;
          case 9: r.skip(n); break;
          case 10: r.seek(n); break;
          default: r.u64(); break;
        }
      } catch (const EReadError&) {
        EXPECT_EQ(r.position(), before);
      }
      ASSERT_LE(r.position(), r.size());
    }
  }
}

TEST(ByteReaderTest, TruncatedRecordThrowsAtEveryLength) {
  // A record of u16, 4-byte text, u32, zero-terminated text.
  const Bytes full = {0x02, 0x01, 'a', 'b', 0, 0, 4, 3, 2, 1, 'x', 0};
  auto readRecord = [](ByteReader& r) {
    r.u16();
    r.text(4);
    r.u32();
    return r.textZ();
  };
  for (std::size_t len = 0; len < full.size(); ++len) {
    SCOPED_TRACE(len);
    const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(len));
    ByteReader r(cut);
    EXPECT_THROW(readRecord(r), EReadError);
  }
  ByteReader whole(full);
  EXPECT_EQ(readRecord(whole), "x");
  EXPECT_TRUE(whole.atEnd());
}

TEST(ByteWriterTest, WritesLittleEndianBytesAsLaidOutByHand) {
  ByteWriter w;
  w.u8(0xAB);
  w.u16(0x1234);
  w.u32(0xDEADBEEF);
  w.i8(-1);
  w.i16(-2);
  w.i32(-3);
  w.f64(1.0);
  w.f32(-2.5f);
  const Bytes expected = {0xAB, 0x34, 0x12, 0xEF, 0xBE, 0xAD, 0xDE, 0xFF, 0xFE, 0xFF,
                          0xFD, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                          0xF0, 0x3F, 0x00, 0x00, 0x20, 0xC0};
  EXPECT_EQ(w.data(), expected);
  EXPECT_EQ(w.position(), expected.size());
}

TEST(ByteWriterTest, TextFieldsArePaddedOrCut) {
  ByteWriter w;
  w.text("ab", 4);
  w.text("wxyz", 4);    // exactly full: no zero
  w.text("12345", 3);   // cut
  w.text("", 2);
  w.zeros(1);
  w.bytes(std::string_view("Q"));
  w.bytes(Bytes{7, 8});
  EXPECT_EQ(w.data(), (Bytes{'a', 'b', 0, 0, 'w', 'x', 'y', 'z', '1', '2', '3', 0, 0, 0, 'Q', 7, 8}));
}

TEST(ByteWriterTest, PatchingStaysInsideWrittenBytes) {
  ByteWriter w;
  w.zeros(6);
  w.putU16At(0, 0x0102);
  w.putU32At(2, 0x03040506);
  EXPECT_EQ(w.data(), (Bytes{0x02, 0x01, 0x06, 0x05, 0x04, 0x03}));
  w.putU8At(5, 0xFF);
  EXPECT_EQ(w.data()[5], 0xFF);
  EXPECT_THROW(w.putU32At(3, 0), std::out_of_range);
  EXPECT_THROW(w.putU16At(5, 0), std::out_of_range);
  EXPECT_THROW(w.putU8At(6, 0), std::out_of_range);
  EXPECT_THROW(w.putU16At(std::numeric_limits<std::size_t>::max(), 0), std::out_of_range);
  EXPECT_EQ(w.size(), 6u);  // a failed patch does not grow the data

  const Bytes taken = w.take();
  EXPECT_EQ(taken.size(), 6u);
  EXPECT_EQ(w.size(), 0u);
}

TEST(ByteWriterTest, WhatTheWriterWritesTheReaderReadsBack) {
  ByteWriter w;
  w.i16(-12345);
  w.u32(0xFFFFFFFF);
  w.text("name", 8);
  w.f64(36526.5);
  const Bytes bytes = w.take();
  ByteReader r(bytes);
  EXPECT_EQ(r.i16(), -12345);
  EXPECT_EQ(r.u32(), 0xFFFFFFFFu);
  EXPECT_EQ(r.text(8), "name");
  EXPECT_EQ(r.f64(), 36526.5);
  EXPECT_TRUE(r.atEnd());
}

}  // namespace
}  // namespace lir
