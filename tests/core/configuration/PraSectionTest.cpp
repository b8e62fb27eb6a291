#include "configuration/PraSection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "common/ByteStream.h"
#include "common/Format.h"
#include "configuration/PraSettings.h"
#include "model/Controller.h"
#include "model/LIRModels.h"

namespace lir {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::unique_ptr<TLIRModel> makeFamily9Model(int internalId) {
  TLIRModelData data;
  data.Description = "ЛОВ";
  data.Family = 9;
  data.InternalID = internalId;
  for (int i = 0; i < 12; ++i) data.Outputs.push_back({sformat("Выход %d", i + 1), 1u << i, 0});
  return std::make_unique<TLIRModel>(data);
}

// A controller of the model (and a second one for wiring mistakes), and the
// section written after `start` bytes of image.
class PraSectionTest : public ::testing::Test {
 protected:
  void useModel(int internalId) {
    model_ = makeFamily9Model(internalId);
    controller_ = std::make_unique<TController>(*model_);
    other_ = std::make_unique<TController>(*model_);
    settings_.ResetForModel(ChannelsPerBlockForModel(internalId));
  }
  TControllerOutput* out(int index) { return controller_->Outputs().Items(index); }
  TControllerOutput* otherOut(int index) { return other_->Outputs().Items(index); }

  Bytes section(int internalId, std::size_t start, int phases = 0, int cycles = 0) {
    ByteWriter image;
    image.zeros(start);
    writePRASection(image, settings_, {internalId, controller_.get(), phases, cycles});
    Bytes all = image.take();
    Bytes written(all.begin() + static_cast<std::ptrdiff_t>(start), all.end());
    EXPECT_EQ(written.size(), planPRASection(settings_, internalId).Size) << "plan and bytes disagree";
    return written;
  }

  std::unique_ptr<TLIRModel> model_;
  std::unique_ptr<TController> controller_;
  std::unique_ptr<TController> other_;
  TPRASettings settings_;
};

TEST_F(PraSectionTest, PraBlockWithNineWiredChannels) {
  useModel(10);
  for (int c = 0; c < 9; ++c) settings_.SetChannel(0, c, out(c));
  settings_.SetMaxBrokenBlocks(3);  // ПРА heads carry no parameters
  const Bytes expected = {
      // head at 0x20: length 6, one block, the block at 0x26, checksum 0x002D
      0x06, 0x01, 0x26, 0x00, 0x2D, 0x00,
      // block: 13 bytes, 9 channels, outputs 0..8, checksum 0x003A
      0x0D, 0x09, 0, 1, 2, 3, 4, 5, 6, 7, 8, 0x3A, 0x00};
  EXPECT_EQ(section(10, 0x20), expected);
}

TEST_F(PraSectionTest, Lov15HeadCarriesPositionAndBrightness) {
  useModel(15);
  settings_.AddBlock();
  settings_.SetMaxBrokenBlocks(1);
  settings_.SetLatitude(-33);
  settings_.SetLongitude(151);
  settings_.SetBrightnessDay(90);
  settings_.SetBrightnessNight(40);
  settings_.SetChannel(0, 0, out(3));
  settings_.SetChannel(0, 11, out(11));
  settings_.SetChannel(0, 5, otherOut(7));  // not this controller's lamp: written empty
  const Bytes expected = {
      // length 15, 2 blocks, MaxBrokenBlocks 1, latitude -33, longitude 151,
      // day 90, night 40, blocks at 15 and 31, checksum 0x0337
      0x0F, 0x02, 0x01, 0xDF, 0xFF, 0x97, 0x00, 0x5A, 0x28, 0x0F, 0x00, 0x1F, 0x00, 0x37, 0x03,
      // block 0: 16 bytes, 12 channels, checksum 0x0A20
      0x10, 0x0C, 0x03, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x0B, 0x20, 0x0A,
      // block 1: all empty, checksum 0x0C10
      0x10, 0x0C, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x10, 0x0C};
  EXPECT_EQ(section(15, 0), expected);
}

TEST_F(PraSectionTest, Lov16BrightnessBitsAndPhaseCountRecord) {
  useModel(16);
  settings_.AddBlock();
  settings_.SetMaxBrokenBlocks(1);
  settings_.SetHorizon(-6);
  settings_.SetChannel(0, 0, out(0));
  settings_.SetChannel(0, 2, out(5));
  settings_.SetChannel(0, 11, out(11));
  ASSERT_TRUE(settings_.ToggleBrightness(0, 0));
  ASSERT_TRUE(settings_.ToggleBrightness(0, 11));
  settings_.SetChannel(1, 1, out(1));
  const Bytes expected = {
      // at 0x100: length 14, 2 blocks, MaxBrokenBlocks 1, horizon -6, day 100,
      // night 50, phase counts at 0x132, blocks at 0x10E and 0x122, checksum 0x0206
      0x0E, 0x02, 0x01, 0xFA, 0x64, 0x32, 0x32, 0x01, 0x0E, 0x01, 0x22, 0x01, 0x06, 0x02,
      // block 0 with brightness: 20 bytes, bits 0 and 11, checksum 0x0930
      0x14, 0x0C, 0x00, 0xFF, 0x05, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x0B,
      0x01, 0x08, 0x00, 0x00, 0x30, 0x09,
      // block 1 without: 16 bytes, checksum 0x0B12
      0x10, 0x0C, 0xFF, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x12, 0x0B,
      // 4 work phases, 3 work cycles
      0x05, 0x04, 0x03, 0x0C, 0x00};
  EXPECT_EQ(section(16, 0x100, 4, 3), expected);
}

TEST_F(PraSectionTest, Lov15IgnoresBrightnessMarks) {
  useModel(15);
  settings_.SetChannel(0, 4, out(4));
  ASSERT_TRUE(settings_.ToggleBrightness(0, 4));
  const Bytes bytes = section(15, 0);
  ASSERT_EQ(bytes.size(), 13u + 16u);
  EXPECT_EQ(bytes[13], 16);  // channels + 4: no brightness word
}

TEST_F(PraSectionTest, OtherModelsFailAndLeaveTheImageAlone) {
  useModel(10);
  for (int id : {0, 3, 9, 11, 14, 17, 19}) {
    ByteWriter image;
    image.u8(0xAB);
    try {
      writePRASection(image, settings_, {id, nullptr, 0, 0});
      ADD_FAILURE() << "InternalID " << id << " was accepted";
    } catch (const EPRASectionError& e) {
      EXPECT_STREQ(e.what(), "unknown LOV controller internal id");
    }
    EXPECT_EQ(image.data(), Bytes{0xAB}) << "InternalID " << id;
  }
}

TEST_F(PraSectionTest, HeadLengthStaysWithinItsByte) {
  useModel(10);
  while (settings_.AddBlock() >= 0) {
  }
  ASSERT_EQ(settings_.BlockCount(), 125);
  EXPECT_EQ(section(10, 0).at(0), 254);  // 2 + 2 × 125 + 2
  // Nine-channel blocks under a ЛОВ head do not fit.
  EXPECT_THROW(planPRASection(settings_, 15), EPRASectionError);

  useModel(16);
  while (settings_.AddBlock() >= 0) {
  }
  ASSERT_EQ(settings_.BlockCount(), 122);
  EXPECT_EQ(section(16, 0).at(0), 254);  // 8 + 2 × 122 + 2
  EXPECT_EQ(planPRASection(settings_, 15).HeadLength, 255u);
}

TEST_F(PraSectionTest, CountsAndOffsetsMustFit) {
  useModel(16);
  ByteWriter image;
  EXPECT_THROW(writePRASection(image, settings_, {16, nullptr, 256, 1}), EPRASectionError);
  EXPECT_THROW(writePRASection(image, settings_, {16, nullptr, 1, -1}), EPRASectionError);
  EXPECT_EQ(image.size(), 0u);
  image.zeros(0x10001 - planPRASection(settings_, 16).Size);
  EXPECT_THROW(writePRASection(image, settings_, {16, nullptr, 1, 1}), EPRASectionError);
  image.take();
  image.zeros(0x10000 - planPRASection(settings_, 16).Size);
  EXPECT_NO_THROW(writePRASection(image, settings_, {16, nullptr, 1, 1}));
  EXPECT_EQ(image.size(), 0x10000u);
}

}  // namespace
}  // namespace lir
