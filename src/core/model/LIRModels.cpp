#include "model/LIRModels.h"

#include <algorithm>

#include "model/LIRModelLibrary.h"

namespace lir {

TLIRControlSet::TLIRControlSet(std::initializer_list<TLIRControlElement> elements) {
  for (const TLIRControlElement element : elements) bits_ |= static_cast<std::uint8_t>(1u << element);
}

TLIRControlSet TLIRControlSet::FromCtlOptions(std::uint32_t options) {
  TLIRControlSet set;
  if (options & 2u) set.bits_ |= 1u << ceGreenMonitoring;
  if (options & 1u) set.bits_ |= 1u << ceRedMonitoring;
  if (options & 4u) set.bits_ |= 1u << ceFurtherCapability;
  if (set.bits_ == 0) set.bits_ = 1u << ceNoMonitoring;
  return set;
}

TLIRModelOutput::TLIRModelOutput(TLIRModel& model, int index, const TLIRModelOutputData& data)
    : model_(&model),
      index_(index),
      description_(data.Description),
      name_(data.Description),
      mask_(data.Mask),
      control_(TLIRControlSet::FromCtlOptions(data.CtlOptions)) {}

TLIRModel::TLIRModel(const TLIRModelData& data)
    : revision_(data.Revision),
      family_(data.Family),
      internalId_(data.InternalID),
      flags_(data.Flags),
      maxRamSize_(data.MaxRAMSize),
      description_(data.Description),
      familyName_(data.FamilyName),
      maxWorkCycles_(std::clamp(data.MaxWorkCycles, 0, kWorkCyclesLimit)),
      maxDayplanItems_(data.MaxDayplanItems),
      maxYearplanItems_(data.MaxYearplanItems),
      companionName_(data.Description),
      modelName_(data.Description) {
  outputs_.reserve(data.Outputs.size());
  for (std::size_t i = 0; i < data.Outputs.size(); ++i) {
    outputs_.push_back(std::make_unique<TLIRModelOutput>(*this, static_cast<int>(i), data.Outputs[i]));
  }
  const int inputCount = std::max(data.InputCount, 0);
  inputs_.reserve(static_cast<std::size_t>(inputCount));
  for (int i = 0; i < inputCount; ++i) inputs_.push_back(std::make_unique<TLIRModelInput>(*this, i));
  if (description_ == kComposite48) companionName_ = kComposite48Companion;
  if (description_ == kComposite64) companionName_ = kComposite64Companion;
}

std::unique_ptr<TLIRModel> TLIRModel::FromLibrary(const std::string& path) {
  return std::make_unique<TLIRModel>(ReadModelLibrary(path));
}

}  // namespace lir
