#include "model/ModelMenuState.h"

#include "model/LIRModels.h"
#include "model/Project.h"

namespace lir {

bool ModelFamilyEnabled(std::uint8_t family, const TProject& project) {
  const TLIRModel* first = project.FirstModel();
  return first == nullptr || first->Family() == family;
}

bool ModelEntryEnabled(const TLIRModel& model, const TProject& project) {
  const TLIRModel* first = project.FirstModel();
  if (first == nullptr) return true;
  return model.Family() == first->Family() && model.AllowsSeveralControllers() &&
         first->AllowsSeveralControllers() && project.ControllerCount() < TProject::kMaxControllers;
}

}  // namespace lir
