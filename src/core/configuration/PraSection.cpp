#include "configuration/PraSection.h"

#include <span>

#include "common/ByteStream.h"
#include "common/Checksums.h"
#include "configuration/PraSettings.h"
#include "model/Controller.h"
#include "model/LIRModels.h"

namespace lir {

namespace {

constexpr int kPRAModel = 10;
constexpr int kLOVGeoModel = 15;
constexpr int kLOVBrightnessModel = 16;

constexpr std::uint8_t kEmptyChannel = 255;
// Length byte, channel-count byte and the checksum around the channels.
constexpr std::size_t kBlockFrame = 4;
constexpr std::size_t kBrightnessBits = 4;
constexpr std::size_t kPhaseCountLength = 5;

std::size_t headFixedLength(int internalId) {
  switch (internalId) {
    case kPRAModel:
      return 2;
    case kLOVGeoModel:
      return 9;
    case kLOVBrightnessModel:
      return 8;
    default:
      throw EPRASectionError("unknown LOV controller internal id");
  }
}

bool writesBrightness(const TPRABlock& block, int internalId) {
  return internalId == kLOVBrightnessModel && block.HasBrightness();
}

std::uint8_t byteOf(int value, const char* what) {
  if (value < 0 || value > 255) throw EPRASectionError(what);
  return static_cast<std::uint8_t>(value);
}

std::uint16_t imageOffset(std::size_t offset) {
  if (offset > 0xFFFF) throw EPRASectionError("output-block section lies beyond 64 KB of the image");
  return static_cast<std::uint16_t>(offset);
}

// The checksum over the bytes written from start on, appended.
void closeWithChecksum(ByteWriter& image, std::size_t start) {
  const auto& bytes = image.data();
  image.u16(sum16(std::span<const std::uint8_t>(bytes).subspan(start)));
}

std::uint8_t channelByte(const TControllerOutput* output, const TController* controller) {
  if (output == nullptr) return kEmptyChannel;
  if (controller != nullptr && &output->Controller() != controller) return kEmptyChannel;
  const int index = output->ModelOutput().Index();
  if (index < 0 || index >= kEmptyChannel) throw EPRASectionError("output index does not fit a block channel");
  return static_cast<std::uint8_t>(index);
}

void writeHeadParameters(ByteWriter& image, const TPRASettings& s, int internalId, std::size_t phaseCountAt) {
  if (internalId == kLOVGeoModel) {
    image.u8(static_cast<std::uint8_t>(s.MaxBrokenBlocks()));
    image.i16(static_cast<std::int16_t>(s.Latitude()));
    image.i16(static_cast<std::int16_t>(s.Longitude()));
    image.u8(static_cast<std::uint8_t>(s.BrightnessDay()));
    image.u8(static_cast<std::uint8_t>(s.BrightnessNight()));
  } else if (internalId == kLOVBrightnessModel) {
    image.u8(static_cast<std::uint8_t>(s.MaxBrokenBlocks()));
    image.i8(static_cast<std::int8_t>(s.Horizon()));
    image.u8(static_cast<std::uint8_t>(s.BrightnessDay()));
    image.u8(static_cast<std::uint8_t>(s.BrightnessNight()));
    image.u16(imageOffset(phaseCountAt));
  }
}

void writeBlock(ByteWriter& image, const TPRABlock& block, std::size_t length, const TPRASectionInput& input) {
  const std::size_t start = image.position();
  image.u8(static_cast<std::uint8_t>(length));
  image.u8(static_cast<std::uint8_t>(block.ChannelCount()));
  for (int c = 0; c < block.ChannelCount(); ++c) image.u8(channelByte(block.Channel(c), input.Controller));
  if (writesBrightness(block, input.InternalID)) {
    std::uint32_t bits = 0;
    for (int c = 0; c < block.ChannelCount(); ++c) {
      if (block.Brightness(c) >= 1) bits |= 1u << c;
    }
    image.u32(bits);
  }
  closeWithChecksum(image, start);
}

}  // namespace

TPRASectionPlan planPRASection(const TPRASettings& settings, int internalId) {
  TPRASectionPlan plan;
  plan.HeadFixedLength = headFixedLength(internalId);
  plan.HeadLength = plan.HeadFixedLength + 2 * settings.Blocks().size() + 2;
  if (plan.HeadLength > 255) throw EPRASectionError("too many output blocks for the section head");
  std::size_t at = plan.HeadLength;
  for (const TPRABlock& block : settings.Blocks()) {
    const std::size_t channels = static_cast<std::size_t>(block.ChannelCount());
    const std::size_t length = channels + kBlockFrame + (writesBrightness(block, internalId) ? kBrightnessBits : 0);
    plan.BlockOffsets.push_back(at);
    plan.BlockLengths.push_back(length);
    at += length;
  }
  if (internalId == kLOVBrightnessModel) {
    plan.PhaseCountOffset = at;
    at += kPhaseCountLength;
  }
  plan.Size = at;
  return plan;
}

void writePRASection(ByteWriter& image, const TPRASettings& settings, const TPRASectionInput& input) {
  const TPRASectionPlan plan = planPRASection(settings, input.InternalID);
  const std::size_t start = image.position();
  // Checked before the first byte, so a refused section leaves the image as it was.
  imageOffset(start + plan.Size - 1);
  std::uint8_t phases = 0;
  std::uint8_t cycles = 0;
  if (input.InternalID == kLOVBrightnessModel) {
    phases = byteOf(input.WorkPhases, "number of work phases does not fit its byte");
    cycles = byteOf(input.WorkCycles, "number of work cycles does not fit its byte");
  }

  image.u8(static_cast<std::uint8_t>(plan.HeadLength));
  image.u8(static_cast<std::uint8_t>(settings.BlockCount()));
  writeHeadParameters(image, settings, input.InternalID, start + plan.PhaseCountOffset);
  for (std::size_t offset : plan.BlockOffsets) image.u16(imageOffset(start + offset));
  closeWithChecksum(image, start);

  for (std::size_t b = 0; b < plan.BlockOffsets.size(); ++b) {
    writeBlock(image, settings.Blocks()[b], plan.BlockLengths[b], input);
  }

  if (input.InternalID == kLOVBrightnessModel) {
    const std::size_t at = image.position();
    image.u8(static_cast<std::uint8_t>(kPhaseCountLength));
    image.u8(phases);
    image.u8(cycles);
    closeWithChecksum(image, at);
  }
  if (image.position() - start != plan.Size) throw std::logic_error("output-block section differs from its plan");
}

}  // namespace lir
