#include "model/Project.h"

namespace lir {

TProject::TProject(int allRedTime) : AllRedTime(static_cast<std::uint8_t>(allRedTime)) {}

void TProject::Reset(int allRedTime) {
  controllers_.Clear();
  Name = kDefaultName;
  Options = kNewProjectOptions;
  AllRedTime = static_cast<std::uint8_t>(allRedTime);
  SystemNumber = 1;
}

void TProject::SetOption(TProjectOption option, bool on) {
  Options = on ? static_cast<TProjectOptions>(Options | option)
               : static_cast<TProjectOptions>(Options & ~option);
}

TLIRModel* TProject::FirstModel() const {
  return controllers_.Count() > 0 ? &controllers_.Items(0)->Model() : nullptr;
}

TController& TProject::AddController(TLIRModel& model) {
  auto* controller = new TController(model);
  controllers_.Add(controller);
  return *controller;
}

}  // namespace lir
