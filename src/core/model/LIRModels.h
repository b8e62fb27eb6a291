#pragma once
// A controller model as the configurator knows it: the limits, feature bits,
// outputs and call inputs that one model plug-in described. Models are built
// once at start-up and never change afterwards, except for Composite.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "model/LIRModelData.h"
#include "model/LIRModelFlags.h"

namespace lir {

class TLIRModel;

// Lamp-monitoring capabilities of an output.
enum TLIRControlElement : int {
  ceNoMonitoring = 0,      // a plain output
  ceGreenMonitoring = 1,   // the green lamp on it can be monitored
  ceRedMonitoring = 2,     // the red lamp on it can be monitored
  ceFurtherCapability = 3, // reported by the plug-in, not interpreted
};

// A set of TLIRControlElement values.
class TLIRControlSet {
 public:
  TLIRControlSet() = default;
  TLIRControlSet(std::initializer_list<TLIRControlElement> elements);

  // From the answer of GetOutputCtlOptions: bit 1 (2) is green monitoring,
  // bit 0 (1) red monitoring, bit 2 (4) the further capability; with none of
  // these the output is plain ({0}). Other bits are ignored.
  static TLIRControlSet FromCtlOptions(std::uint32_t options);

  bool Contains(TLIRControlElement element) const { return (bits_ >> element) & 1u; }
  bool operator==(const TLIRControlSet&) const = default;

 private:
  std::uint8_t bits_ = 0;
};

class TLIRModelOutput {
 public:
  TLIRModelOutput(TLIRModel& model, int index, const TLIRModelOutputData& data);

  int Index() const { return index_; }
  TLIRModel& Model() const { return *model_; }
  const std::string& Description() const { return description_; }
  // The text shown in output menus and cells; the description at first.
  const std::string& Name() const { return name_; }
  // The output's bit in the controller's 32-bit output word.
  std::uint32_t Mask() const { return mask_; }
  const TLIRControlSet& Control() const { return control_; }

 private:
  TLIRModel* model_;
  int index_;
  std::string description_;
  std::string name_;
  std::uint32_t mask_;
  TLIRControlSet control_;
};

// A pedestrian-call (ТВП) input.
class TLIRModelInput {
 public:
  TLIRModelInput(TLIRModel& model, int index) : model_(&model), index_(index) {}

  int Index() const { return index_; }
  TLIRModel& Model() const { return *model_; }

 private:
  TLIRModel* model_;
  int index_;
};

class TLIRModel {
 public:
  // Cycle codes 254 and 255 stand for the ЖМ and ОС programs in project files
  // and images, so no model may hold more work cycles than 254.
  static constexpr std::int32_t kWorkCyclesLimit = 254;

  // The composite models are three controllers of their companion model.
  static constexpr const char* kComposite48 = "ЛИР-3.4Н";
  static constexpr const char* kComposite48Companion = "ЛИР-3.2Н";
  static constexpr const char* kComposite64 = "ЛИР-3.6Н";
  static constexpr const char* kComposite64Companion = "ЛИР-3.3Н";

  // MaxWorkCycles is kept within 0..kWorkCyclesLimit.
  explicit TLIRModel(const TLIRModelData& data);

  // Asks the plug-in library at path; throws ELIRModelException when the
  // library cannot be loaded or does not answer as required.
  static std::unique_ptr<TLIRModel> FromLibrary(const std::string& path);

  TLIRModel(const TLIRModel&) = delete;
  TLIRModel& operator=(const TLIRModel&) = delete;

  std::uint8_t Revision() const { return revision_; }
  std::uint8_t Family() const { return family_; }
  std::int32_t InternalID() const { return internalId_; }
  std::uint32_t Flags() const { return flags_; }
  std::int32_t MaxRAMSize() const { return maxRamSize_; }
  const std::string& Description() const { return description_; }
  const std::string& FamilyName() const { return familyName_; }
  std::int32_t MaxWorkCycles() const { return maxWorkCycles_; }
  std::int32_t MaxDayplanItems() const { return maxDayplanItems_; }
  std::int32_t MaxYearplanItems() const { return maxYearplanItems_; }

  const std::vector<std::unique_ptr<TLIRModelOutput>>& Outputs() const { return outputs_; }
  const std::vector<std::unique_ptr<TLIRModelInput>>& Inputs() const { return inputs_; }
  TLIRModelOutput& Output(int index) const { return *outputs_.at(static_cast<std::size_t>(index)); }
  int OutputCount() const { return static_cast<int>(outputs_.size()); }
  int InputCount() const { return static_cast<int>(inputs_.size()); }

  // Set when a composite model is chosen or read from a project.
  bool Composite() const { return composite_; }
  void SetComposite(bool value) { composite_ = value; }
  // The model a composite model is made of; the description for all others.
  const std::string& CompanionName() const { return companionName_; }
  const std::string& ModelName() const { return modelName_; }

  bool HasFlag(TLIRModelFlag flag) const { return (flags_ & flag) != 0; }
  bool HasPwmLampHeating() const { return HasFlag(mfPwmLampHeating); }
  bool HasYearPlan() const { return HasFlag(mfYearPlan); }
  bool SupportsAsuddVmSystem() const { return HasFlag(mfAsuddVmSystem); }
  bool AllowsSeveralControllers() const { return HasFlag(mfSeveralControllers); }
  bool HasSeasonTimeSwitchOff() const { return HasFlag(mfSeasonTimeSwitchOff); }
  bool RemembersDispatcherBit() const { return HasFlag(mfRememberDispatcherBit); }
  bool HasManagementFilterSwitchOff() const { return HasFlag(mfManagementFilterSwitchOff); }
  bool HasUniversalTransitions() const { return HasFlag(mfUniversalTransitions); }
  bool HasSpecialPhases() const { return HasFlag(mfSpecialPhases); }
  bool HasRelativeDayPlanTime() const { return HasFlag(mfRelativeDayPlanTime); }
  bool SupportsAssUdSystem() const { return HasFlag(mfAssUdSystem); }
  bool HasExtendedYearPlan() const { return HasFlag(mfExtendedYearPlan); }
  bool AllowsCallsWithExtendedYearPlan() const { return HasFlag(mfCallsWithExtendedYearPlan); }
  bool HasAdaptiveControl() const { return HasFlag(mfAdaptiveControl); }
  bool SupportsFurtherManagementSystem() const { return HasFlag(mfFurtherManagementSystem); }
  // Whether the management-system settings apply to this model at all.
  bool SupportsAnyManagementSystem() const {
    return (flags_ & (mfAsuddVmSystem | mfAssUdSystem | mfFurtherManagementSystem)) != 0;
  }

 private:
  std::uint8_t revision_;
  std::uint8_t family_;
  std::int32_t internalId_;
  std::uint32_t flags_;
  std::int32_t maxRamSize_;
  std::string description_;
  std::string familyName_;
  std::int32_t maxWorkCycles_;
  std::int32_t maxDayplanItems_;
  std::int32_t maxYearplanItems_;
  std::vector<std::unique_ptr<TLIRModelOutput>> outputs_;
  std::vector<std::unique_ptr<TLIRModelInput>> inputs_;
  bool composite_ = false;
  std::string companionName_;
  std::string modelName_;
};

}  // namespace lir
