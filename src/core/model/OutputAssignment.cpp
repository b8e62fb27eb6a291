#include "model/OutputAssignment.h"

#include <array>

#include "model/Controller.h"
#include "model/LIRModels.h"
#include "model/TrendGroup.h"

namespace lir {

namespace {

using TPreference = std::array<TLIRControlElement, 3>;

// Red lamps want red monitoring, green lamps green monitoring; any other lamp
// takes a plain output first so that monitorable ones stay for the lamps that
// need them.
constexpr TPreference kRedLamp = {ceRedMonitoring, ceNoMonitoring, ceGreenMonitoring};
constexpr TPreference kGreenLamp = {ceGreenMonitoring, ceNoMonitoring, ceRedMonitoring};
constexpr TPreference kOtherLamp = {ceNoMonitoring, ceRedMonitoring, ceGreenMonitoring};
constexpr std::array<TPreference, kSlotCount> kPreferences = {kRedLamp,   kOtherLamp, kGreenLamp, kOtherLamp,
                                                              kOtherLamp, kOtherLamp, kGreenLamp};

// ЛИР-3.6Н is three boards of 21 outputs and one output more. That last
// output is handed out only once as many green-monitorable outputs are in use
// as the boards have outputs, so that the boards fill first.
class TSpareOutputRule {
 public:
  explicit TSpareOutputRule(const TObjList<TController>& controllers) {
    const TLIRModel& model = controllers.Items(0)->Model();
    if (!model.Composite() || model.Description() != TLIRModel::kComposite64) return;
    const int third = model.OutputCount() / 3;
    rest_ = model.OutputCount() % 3;
    int greenInUse = 0;
    for (int c = 0; c < controllers.Count(); ++c) {
      const auto& outputs = controllers.Items(c)->Outputs();
      for (int o = 0; o < outputs.Count(); ++o) {
        const TControllerOutput& output = *outputs.Items(o);
        if (output.Group() != nullptr && output.ModelOutput().Control().Contains(ceGreenMonitoring)) ++greenInUse;
      }
    }
    active_ = greenInUse < controllers.Count() * third;
  }

  bool Allows(const TControllerOutput& output) const {
    return !active_ || output.ModelOutput().Index() < output.Controller().Model().OutputCount() - rest_;
  }

 private:
  bool active_ = false;
  int rest_ = 0;
};

}  // namespace

TControllerOutput* FindFreeOutput(const TObjList<TController>& controllers, int slot) {
  if (!IsSlot(slot) || controllers.Count() == 0) return nullptr;
  const TSpareOutputRule spare(controllers);
  for (const TLIRControlElement capability : kPreferences[static_cast<std::size_t>(slot)]) {
    for (int c = 0; c < controllers.Count(); ++c) {
      const auto& outputs = controllers.Items(c)->Outputs();
      for (int o = 0; o < outputs.Count(); ++o) {
        TControllerOutput& output = *outputs.Items(o);
        if (output.Group() == nullptr && output.ModelOutput().Control().Contains(capability) &&
            spare.Allows(output)) {
          return &output;
        }
      }
    }
  }
  return nullptr;
}

void AssignFreeOutputs(TTrendGroup& group, const TObjList<TController>& controllers) {
  for (int t = 0; t < group.Trends().Count(); ++t) {
    TTrend& trend = *group.Trends().Items(t);
    for (int slot = 0; slot < kSlotCount; ++slot) {
      if ((trend.KindInfo().AutoSlots & SlotBit(slot)) == 0 || group.SlotOutput(slot) != nullptr) continue;
      TControllerOutput* output = FindFreeOutput(controllers, slot);
      if (output == nullptr) continue;
      trend.AssignOutput(slot, output);
      trend.UpdateControl(slot);
    }
  }
}

}  // namespace lir
