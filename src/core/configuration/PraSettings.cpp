#include "configuration/PraSettings.h"

#include <algorithm>
#include <stdexcept>

#include "common/Cp1251.h"
#include "model/Controller.h"

namespace lir {

namespace {

int clamped(int value, int low, int high) { return std::clamp(value, low, high); }

// The first maxChars characters of a UTF-8 text.
std::string firstCharacters(const std::string& text, std::size_t maxChars) {
  std::size_t pos = 0;
  for (std::size_t n = 0; n < maxChars && pos < text.size(); ++n) nextCodePoint(text, pos);
  return text.substr(0, pos);
}

}  // namespace

int ChannelsPerBlockForModel(int internalId) {
  switch (internalId) {
    case 10:
      return kPRAChannelsPerBlock;
    case 15:
    case 16:
      return kLOVChannelsPerBlock;
    default:
      return 0;
  }
}

TPRAEditors PRAEditorsForModel(int internalId) {
  TPRAEditors editors;
  const bool lov = internalId == 15 || internalId == 16;
  editors.MaxBrokenBlocks = lov;
  editors.GeoPanel = lov;
  editors.Coordinates = internalId == 15;
  editors.Horizon = internalId == 16;
  editors.BrightnessToggle = internalId == 16;
  return editors;
}

std::string SummerTimeTypeName(int type) {
  switch (type) {
    case 0:
      return "Нет перехода";
    case 1:
      return "Переход по умолчанию";
    default:
      return {};
  }
}

std::string SummerTimeTypeWarning(int type) {
  if (!SummerTimeTypeName(type).empty()) return {};
  return "Неизвестный тип перехода на летнее время. Необходимо обновить конфигуратор.";
}

bool TPRABlock::HasBrightness() const {
  return std::any_of(brightness_.begin(), brightness_.end(), [](int b) { return b >= 1; });
}

void TPRASettings::ResetForModel(int channelsPerBlock) {
  *this = TPRASettings();
  SetChannelsPerBlock(channelsPerBlock);
  AddBlock();
}

void TPRASettings::SetChannelsPerBlock(int channels) {
  if (channels < 1 || channels > kMaxChannelsPerBlock) {
    throw std::invalid_argument("output blocks need 1 to 32 channels");
  }
  if (channels == channelsPerBlock_) return;
  blocks_.clear();
  channelsPerBlock_ = channels;
}

int TPRASettings::MaxBlocks() const {
  return channelsPerBlock_ == kPRAChannelsPerBlock ? kMaxPRABlocks : kMaxLOVBlocks;
}

int TPRASettings::AddBlock(int after) {
  if (!CanAddBlock()) return -1;
  const int index = (after >= 0 && after < BlockCount()) ? after + 1 : BlockCount();
  blocks_.insert(blocks_.begin() + index, TPRABlock(channelsPerBlock_));
  return index;
}

bool TPRASettings::DeleteBlock(int index) {
  if (!CanDeleteBlock() || index < 0 || index >= BlockCount()) return false;
  blocks_.erase(blocks_.begin() + index);
  return true;
}

void TPRASettings::SetChannel(int block, int channel, TControllerOutput* output) {
  TPRABlock& b = mutableBlock(block);
  const auto c = static_cast<std::size_t>(channel);
  b.channels_.at(c) = output;
  if (output == nullptr) b.brightness_[c] = 0;
}

bool TPRASettings::ToggleBrightness(int block, int channel) {
  const int value = Block(block).Brightness(channel) == 0 ? 1 : 0;
  return SetBrightness(block, channel, value);
}

bool TPRASettings::SetBrightness(int block, int channel, int value) {
  TPRABlock& b = mutableBlock(block);
  const auto c = static_cast<std::size_t>(channel);
  if (value != 0 && b.channels_.at(c) == nullptr) return false;
  b.brightness_.at(c) = value;
  return true;
}

void TPRASettings::ForgetOutputsOf(const TController& controller) {
  for (TPRABlock& block : blocks_) {
    for (std::size_t c = 0; c < block.channels_.size(); ++c) {
      const TControllerOutput* output = block.channels_[c];
      if (output == nullptr || &output->Controller() != &controller) continue;
      block.channels_[c] = nullptr;
      block.brightness_[c] = 0;
    }
  }
}

void TPRASettings::SetTimeZoneOffset(int minutes) {
  timeZoneOffset_ = clamped(minutes, -kTimeZoneOffsetLimit, kTimeZoneOffsetLimit);
}

void TPRASettings::SetMaxBrokenBlocks(int count) { maxBrokenBlocks_ = clamped(count, 0, kMaxMaxBrokenBlocks); }

void TPRASettings::SetLongitude(int degrees) { longitude_ = clamped(degrees, -kLongitudeLimit, kLongitudeLimit); }

void TPRASettings::SetLatitude(int degrees) { latitude_ = clamped(degrees, -kLatitudeLimit, kLatitudeLimit); }

void TPRASettings::SetCity(const std::string& name) { city_ = firstCharacters(name, kMaxCityLength); }

void TPRASettings::SetBrightnessNight(int percent) {
  brightnessNight_ = clamped(percent, kMinBrightness, kMaxBrightness);
}

void TPRASettings::SetBrightnessDay(int percent) {
  brightnessDay_ = clamped(percent, kMinBrightness, kMaxBrightness);
}

void TPRASettings::SetHorizon(int degrees) { horizon_ = clamped(degrees, -kHorizonLimit, kHorizonLimit); }

std::string TPRASettings::MaxBrokenBlocksProblem() const {
  if (maxBrokenBlocks_ < BlockCount()) return {};
  return "Допустимое количество неработающих блоков должно быть меньше общего числа блоков.";
}

}  // namespace lir
