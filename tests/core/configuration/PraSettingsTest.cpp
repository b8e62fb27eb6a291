#include "configuration/PraSettings.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "common/Format.h"
#include "model/Controller.h"
#include "model/LIRModels.h"

namespace lir {
namespace {

std::unique_ptr<TLIRModel> makeLovModel() {
  TLIRModelData data;
  data.Description = "ЛОВ";
  data.Family = 9;
  data.InternalID = 16;
  for (int i = 0; i < 12; ++i) data.Outputs.push_back({sformat("Выход %d", i + 1), 1u << i, 0});
  return std::make_unique<TLIRModel>(data);
}

class PraSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { settings_.ResetForModel(kLOVChannelsPerBlock); }
  TControllerOutput* out(int index) { return controller_.Outputs().Items(index); }

  std::unique_ptr<TLIRModel> model_ = makeLovModel();
  TController controller_{*model_};
  TPRASettings settings_;
};

TEST_F(PraSettingsTest, ResetForModelLeavesOneEmptyBlockAndTheDefaults) {
  settings_.AddBlock();
  settings_.SetChannel(0, 3, out(3));
  settings_.SetTimeZoneOffset(180);
  settings_.SetSummerTimeType(1);
  settings_.SetMaxBrokenBlocks(1);
  settings_.SetLongitude(37);
  settings_.SetLatitude(55);
  settings_.SetCity("Москва");
  settings_.SetBrightnessNight(10);
  settings_.SetBrightnessDay(20);
  settings_.SetHorizon(-6);

  for (int channels : {kPRAChannelsPerBlock, kLOVChannelsPerBlock, kLOVChannelsPerBlock}) {
    settings_.ResetForModel(channels);
    EXPECT_EQ(settings_.ChannelsPerBlock(), channels);
    ASSERT_EQ(settings_.BlockCount(), 1);
    ASSERT_EQ(settings_.Block(0).ChannelCount(), channels);
    for (int c = 0; c < channels; ++c) {
      EXPECT_EQ(settings_.Block(0).Channel(c), nullptr);
      EXPECT_EQ(settings_.Block(0).Brightness(c), 0);
    }
    EXPECT_EQ(settings_.TimeZoneOffset(), 0);
    EXPECT_EQ(settings_.SummerTimeType(), 0);
    EXPECT_EQ(settings_.MaxBrokenBlocks(), 0);
    EXPECT_EQ(settings_.Longitude(), 0);
    EXPECT_EQ(settings_.Latitude(), 0);
    EXPECT_EQ(settings_.City(), "");
    EXPECT_EQ(settings_.BrightnessNight(), 50);
    EXPECT_EQ(settings_.BrightnessDay(), 100);
    EXPECT_EQ(settings_.Horizon(), 0);
  }
}

TEST_F(PraSettingsTest, ChannelsPerBlockFollowsTheModel) {
  EXPECT_EQ(ChannelsPerBlockForModel(10), 9);
  EXPECT_EQ(ChannelsPerBlockForModel(15), 12);
  EXPECT_EQ(ChannelsPerBlockForModel(16), 12);
  EXPECT_EQ(ChannelsPerBlockForModel(19), 0);

  settings_.AddBlock();
  settings_.SetChannelsPerBlock(kLOVChannelsPerBlock);  // unchanged: the blocks stay
  EXPECT_EQ(settings_.BlockCount(), 2);
  settings_.SetChannelsPerBlock(kPRAChannelsPerBlock);
  EXPECT_EQ(settings_.BlockCount(), 0);
  EXPECT_EQ(settings_.AddBlock(), 0);
  EXPECT_EQ(settings_.Block(0).ChannelCount(), 9);
  EXPECT_THROW(settings_.SetChannelsPerBlock(0), std::invalid_argument);
  EXPECT_THROW(settings_.SetChannelsPerBlock(33), std::invalid_argument);
}

TEST_F(PraSettingsTest, ClearingAChannelClearsItsBrightness) {
  settings_.SetChannel(0, 4, out(4));
  settings_.SetChannel(0, 7, out(7));
  ASSERT_TRUE(settings_.ToggleBrightness(0, 4));
  ASSERT_TRUE(settings_.ToggleBrightness(0, 7));
  EXPECT_TRUE(settings_.HasBrightness(0));

  settings_.SetChannel(0, 4, nullptr);
  EXPECT_EQ(settings_.Block(0).Channel(4), nullptr);
  EXPECT_EQ(settings_.Block(0).Brightness(4), 0);
  EXPECT_TRUE(settings_.HasBrightness(0));  // channel 7 still has it

  settings_.SetChannel(0, 7, out(8));  // rewiring keeps the mark
  EXPECT_EQ(settings_.Block(0).Brightness(7), 1);
  ASSERT_TRUE(settings_.ToggleBrightness(0, 7));
  EXPECT_FALSE(settings_.HasBrightness(0));

  // An empty channel has no lamps to dim.
  EXPECT_FALSE(settings_.ToggleBrightness(0, 4));
  EXPECT_FALSE(settings_.SetBrightness(0, 4, 2));
  EXPECT_FALSE(settings_.HasBrightness(0));
  EXPECT_THROW(settings_.SetChannel(0, 12, out(0)), std::out_of_range);
  EXPECT_THROW(settings_.SetChannel(1, 0, out(0)), std::out_of_range);
}

TEST_F(PraSettingsTest, ForgettingAControllerEmptiesItsChannels) {
  TController other(*model_);
  settings_.SetChannel(0, 0, out(0));
  settings_.SetChannel(0, 1, other.Outputs().Items(1));
  ASSERT_TRUE(settings_.ToggleBrightness(0, 1));
  settings_.ForgetOutputsOf(other);
  EXPECT_EQ(settings_.Block(0).Channel(0), out(0));
  EXPECT_EQ(settings_.Block(0).Channel(1), nullptr);
  EXPECT_FALSE(settings_.HasBrightness(0));
}

TEST_F(PraSettingsTest, AddingAndDeletingBlocks) {
  settings_.SetChannel(0, 0, out(0));
  EXPECT_EQ(settings_.AddBlock(), 1);      // nothing selected: appended
  settings_.SetChannel(1, 0, out(1));
  EXPECT_EQ(settings_.AddBlock(0), 1);     // after the first block
  EXPECT_EQ(settings_.AddBlock(7), 3);     // no such block: appended
  EXPECT_EQ(settings_.Block(0).Channel(0), out(0));
  EXPECT_EQ(settings_.Block(1).Channel(0), nullptr);
  EXPECT_EQ(settings_.Block(2).Channel(0), out(1));

  EXPECT_FALSE(settings_.DeleteBlock(4));
  EXPECT_TRUE(settings_.DeleteBlock(0));
  EXPECT_TRUE(settings_.DeleteBlock(0));
  EXPECT_TRUE(settings_.DeleteBlock(0));
  EXPECT_FALSE(settings_.CanDeleteBlock());
  EXPECT_FALSE(settings_.DeleteBlock(0));
  EXPECT_EQ(settings_.BlockCount(), 1);

  for (int channels : {kPRAChannelsPerBlock, kLOVChannelsPerBlock}) {
    settings_.ResetForModel(channels);
    while (settings_.CanAddBlock()) settings_.AddBlock(0);
    const int limit = channels == kPRAChannelsPerBlock ? 125 : 122;
    EXPECT_EQ(settings_.BlockCount(), limit);
    EXPECT_EQ(settings_.AddBlock(), -1);
    EXPECT_EQ(settings_.BlockCount(), limit);
  }
}

TEST(PraSettingsRangesTest, SettersKeepValuesInRange) {
  struct Case {
    const char* name;
    std::function<void(TPRASettings&, int)> set;
    std::function<int(const TPRASettings&)> get;
    int low, high;
  };
  const Case cases[] = {
      {"TimeZoneOffset", &TPRASettings::SetTimeZoneOffset, &TPRASettings::TimeZoneOffset, -1439, 1439},
      {"MaxBrokenBlocks", &TPRASettings::SetMaxBrokenBlocks, &TPRASettings::MaxBrokenBlocks, 0, 8},
      {"Longitude", &TPRASettings::SetLongitude, &TPRASettings::Longitude, -180, 180},
      {"Latitude", &TPRASettings::SetLatitude, &TPRASettings::Latitude, -90, 90},
      {"BrightnessNight", &TPRASettings::SetBrightnessNight, &TPRASettings::BrightnessNight, 1, 100},
      {"BrightnessDay", &TPRASettings::SetBrightnessDay, &TPRASettings::BrightnessDay, 1, 100},
      {"Horizon", &TPRASettings::SetHorizon, &TPRASettings::Horizon, -90, 90},
  };
  for (const Case& c : cases) {
    TPRASettings s;
    for (int v : {c.low, c.high}) {
      c.set(s, v);
      EXPECT_EQ(c.get(s), v) << c.name;
    }
    c.set(s, c.low - 1);
    EXPECT_EQ(c.get(s), c.low) << c.name;
    c.set(s, c.high + 1);
    EXPECT_EQ(c.get(s), c.high) << c.name;
  }
}

TEST(PraSettingsRangesTest, CityIsCutToAHundredCharacters) {
  TPRASettings s;
  std::string name;
  for (int i = 0; i < 101; ++i) name += "Ж";
  s.SetCity(name);
  EXPECT_EQ(s.City(), name.substr(0, 200));  // two bytes a letter
}

TEST(PraSettingsRangesTest, UnknownSummerTimeTypeIsKeptAndReported) {
  TPRASettings s;
  EXPECT_EQ(SummerTimeTypeName(0), "Нет перехода");
  EXPECT_EQ(SummerTimeTypeName(1), "Переход по умолчанию");
  EXPECT_EQ(SummerTimeTypeWarning(1), "");
  s.SetSummerTimeType(2);
  EXPECT_EQ(s.SummerTimeType(), 2);
  EXPECT_EQ(SummerTimeTypeName(s.SummerTimeType()), "");
  EXPECT_EQ(SummerTimeTypeWarning(s.SummerTimeType()),
            "Неизвестный тип перехода на летнее время. Необходимо обновить конфигуратор.");
}

TEST(PraSettingsRangesTest, MaxBrokenBlocksMustStayBelowTheBlockCount) {
  TPRASettings s;
  s.ResetForModel(kLOVChannelsPerBlock);
  EXPECT_EQ(s.MaxBrokenBlocksProblem(), "");  // 0 of 1
  s.SetMaxBrokenBlocks(1);
  EXPECT_EQ(s.MaxBrokenBlocksProblem(),
            "Допустимое количество неработающих блоков должно быть меньше общего числа блоков.");
  s.AddBlock();
  EXPECT_EQ(s.MaxBrokenBlocksProblem(), "");
}

TEST(PraEditorsTest, EditorsPerModel) {
  struct Case {
    int id;
    TPRAEditors editors;  // MaxBrokenBlocks, GeoPanel, Coordinates, Horizon, BrightnessToggle
  };
  const Case cases[] = {
      {10, {false, false, false, false, false}},
      {15, {true, true, true, false, false}},
      {16, {true, true, false, true, true}},
      {3, {false, false, false, false, false}},
  };
  for (const Case& c : cases) EXPECT_EQ(PRAEditorsForModel(c.id), c.editors) << c.id;
}

}  // namespace
}  // namespace lir
