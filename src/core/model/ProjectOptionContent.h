#pragma once
// The content of a project that some options carry with them, as the option
// rules see it: the special phases and the work cycles; the adaptive detectors
// join when they are built.

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
  // Work cycles become programs (with the reserve cycle first) or go back.
  bool SwitchExpandYearPlan(bool on) override;

 private:
  TProject& project_;
};

}  // namespace lir
