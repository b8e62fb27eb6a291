#pragma once
// The content of a project that some options carry with them, as the option
// rules see it: the special phases now; detectors and the conversion of work
// cycles for the extended year plan join as they are built.

#include "model/ProjectOptionRules.h"

namespace lir {

class TProject;

class TProjectOptionContent : public TOptionContent {
 public:
  explicit TProjectOptionContent(TProject& project) : project_(project) {}

  bool SpecialPhasesExist() const override;
  void DeleteSpecialPhases() override;
  bool AdaptiveDetectorsExist() const override { return false; }
  void DeleteAdaptiveDetectors() override {}
  bool SwitchExpandYearPlan(bool) override { return true; }

 private:
  TProject& project_;
};

}  // namespace lir
