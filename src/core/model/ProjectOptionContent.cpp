#include "model/ProjectOptionContent.h"

#include "model/CycleList.h"
#include "model/Phases.h"
#include "model/Project.h"

namespace lir {

bool TProjectOptionContent::SpecialPhasesExist() const {
  return project_.Phases().SpecialPhases().Count() > 0;
}

void TProjectOptionContent::DeleteSpecialPhases() { project_.Phases().SpecialPhases().Clear(); }

bool TProjectOptionContent::SwitchExpandYearPlan(bool on) { return project_.Cycles().SwitchExpandYearPlan(on); }

}  // namespace lir
