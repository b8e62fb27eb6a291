#include "model/ModelMenuState.h"

#include "model/LIRModels.h"
#include "model/Project.h"

namespace lir {

bool ModelFamilyEnabled(std::uint8_t family, const TProject& project) {
  const TLIRModel* first = project.FirstModel();
  return first == nullptr || first->Family() == family;
}

bool ModelEntryEnabled(const TLIRModel& model, const TProject& project) {
  return project.CanAddController(model);
}

}  // namespace lir
