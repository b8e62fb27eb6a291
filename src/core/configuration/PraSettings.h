#pragma once
// The output blocks of a family-9 controller: the blocks with the controller
// output wired to each of their channels, and the few block parameters the
// controller needs beside them (time zone, summer-time change, blocks allowed
// to fail, the intersection's position and the lamp brightness).
//
// ПРА blocks (InternalID 10) have 9 channels, ЛОВ blocks (InternalID 15 and 16)
// 12. Every block of a project has the same number of channels.

#include <cstdint>
#include <string>
#include <vector>

namespace lir {

class TController;
class TControllerOutput;

inline constexpr int kPRAChannelsPerBlock = 9;
inline constexpr int kLOVChannelsPerBlock = 12;

// 9 for InternalID 10, 12 for 15 and 16, 0 for a model without output blocks.
int ChannelsPerBlockForModel(int internalId);

// Which editors of the output-block page a model shows.
struct TPRAEditors {
  bool MaxBrokenBlocks = false;   // ЛОВ only
  bool GeoPanel = false;          // ЛОВ only: the city and what it fills in
  bool Coordinates = false;       // latitude and longitude, InternalID 15
  bool Horizon = false;           // horizon correction, InternalID 16
  bool BrightnessToggle = false;  // the output menu's brightness entry, InternalID 16

  bool operator==(const TPRAEditors&) const = default;
};
TPRAEditors PRAEditorsForModel(int internalId);

// "Нет перехода" (0), "Переход по умолчанию" (1); empty for any other type.
std::string SummerTimeTypeName(int type);
// What the page shows for a stored type it does not know (2 and above); empty
// for a known one. Such a type is kept, not reset.
std::string SummerTimeTypeWarning(int type);

class TPRABlock {
 public:
  explicit TPRABlock(int channelCount)
      : channels_(static_cast<std::size_t>(channelCount), nullptr),
        brightness_(static_cast<std::size_t>(channelCount), 0) {}

  int ChannelCount() const { return static_cast<int>(channels_.size()); }
  // The output wired to the channel, or null. A channel outside the block
  // throws std::out_of_range.
  TControllerOutput* Channel(int channel) const { return channels_.at(static_cast<std::size_t>(channel)); }
  // A value of 1 or more marks a channel whose lamps have brightness control.
  int Brightness(int channel) const { return brightness_.at(static_cast<std::size_t>(channel)); }
  bool HasBrightness() const;

 private:
  friend class TPRASettings;

  std::vector<TControllerOutput*> channels_;
  std::vector<int> brightness_;
};

class TPRASettings {
 public:
  // The image section's head keeps its own length in one byte: 2 bytes per
  // block plus up to 11 fixed bytes for ЛОВ models, so at most 122 ЛОВ blocks
  // fit (ПРА heads have 4 fixed bytes).
  static constexpr int kMaxPRABlocks = 125;
  static constexpr int kMaxLOVBlocks = 122;
  // The brightness marks of a block are one 32-bit word.
  static constexpr int kMaxChannelsPerBlock = 32;

  static constexpr int kTimeZoneOffsetLimit = 1439;  // minutes either way
  static constexpr int kMaxMaxBrokenBlocks = 8;
  static constexpr int kLongitudeLimit = 180;
  static constexpr int kLatitudeLimit = 90;
  static constexpr int kHorizonLimit = 90;
  static constexpr int kMinBrightness = 1;
  static constexpr int kMaxBrightness = 100;
  static constexpr std::size_t kMaxCityLength = 100;  // characters

  static constexpr int kDefaultBrightnessNight = 50;
  static constexpr int kDefaultBrightnessDay = 100;

  // ПРА channels, no blocks, every parameter at its default.
  TPRASettings() = default;

  // A family-9 controller was chosen: every block goes, every parameter
  // returns to its default, and one empty block of channelsPerBlock channels
  // is created.
  void ResetForModel(int channelsPerBlock);

  const std::vector<TPRABlock>& Blocks() const { return blocks_; }
  int BlockCount() const { return static_cast<int>(blocks_.size()); }
  // Throws std::out_of_range for a block that does not exist.
  const TPRABlock& Block(int index) const { return blocks_.at(static_cast<std::size_t>(index)); }

  int ChannelsPerBlock() const { return channelsPerBlock_; }
  // A different number destroys all blocks. Throws std::invalid_argument
  // outside 1..kMaxChannelsPerBlock.
  void SetChannelsPerBlock(int channels);

  // 125 ПРА blocks, 122 ЛОВ blocks.
  int MaxBlocks() const;
  bool CanAddBlock() const { return BlockCount() < MaxBlocks(); }
  // A block with every channel empty, inserted after the block `after`, or
  // appended when `after` names no block (-1: none selected). Answers the new
  // block's index, or -1 when the list is full.
  int AddBlock(int after = -1);
  // The last block stays.
  bool CanDeleteBlock() const { return BlockCount() > 1; }
  bool DeleteBlock(int index);

  // Wires the channel to the output; null clears it, and clearing also clears
  // the channel's brightness mark. Throws std::out_of_range for a block or
  // channel that does not exist.
  void SetChannel(int block, int channel, TControllerOutput* output);
  // The brightness entry of the output menu: 0 becomes 1, anything else 0.
  // An empty channel has no lamps to dim and is refused (false).
  bool ToggleBrightness(int block, int channel);
  // Stores a brightness value as read from a project; a mark on an empty
  // channel is refused (false), 0 is always taken.
  bool SetBrightness(int block, int channel, int value);
  bool HasBrightness(int block) const { return Block(block).HasBrightness(); }
  // Clears every channel wired to an output of the controller, which is about
  // to go with its outputs.
  void ForgetOutputsOf(const TController& controller);

  // Setters keep each value within its range.
  int TimeZoneOffset() const { return timeZoneOffset_; }
  void SetTimeZoneOffset(int minutes);
  // Any stored type is kept (see SummerTimeTypeWarning).
  int SummerTimeType() const { return summerTimeType_; }
  void SetSummerTimeType(std::uint8_t type) { summerTimeType_ = type; }
  int MaxBrokenBlocks() const { return maxBrokenBlocks_; }
  void SetMaxBrokenBlocks(int count);
  int Longitude() const { return longitude_; }
  void SetLongitude(int degrees);
  int Latitude() const { return latitude_; }
  void SetLatitude(int degrees);
  // Cut to kMaxCityLength characters.
  const std::string& City() const { return city_; }
  void SetCity(const std::string& name);
  int BrightnessNight() const { return brightnessNight_; }
  void SetBrightnessNight(int percent);
  int BrightnessDay() const { return brightnessDay_; }
  void SetBrightnessDay(int percent);
  int Horizon() const { return horizon_; }
  void SetHorizon(int degrees);

  // "Допустимое количество неработающих блоков должно быть меньше общего числа
  // блоков." while MaxBrokenBlocks is not below the number of blocks, else empty.
  std::string MaxBrokenBlocksProblem() const;

 private:
  TPRABlock& mutableBlock(int index) { return blocks_.at(static_cast<std::size_t>(index)); }

  std::vector<TPRABlock> blocks_;
  int channelsPerBlock_ = kPRAChannelsPerBlock;
  int timeZoneOffset_ = 0;
  int summerTimeType_ = 0;
  int maxBrokenBlocks_ = 0;
  int longitude_ = 0;
  int latitude_ = 0;
  std::string city_;
  int brightnessNight_ = kDefaultBrightnessNight;
  int brightnessDay_ = kDefaultBrightnessDay;
  int horizon_ = 0;
};

}  // namespace lir
