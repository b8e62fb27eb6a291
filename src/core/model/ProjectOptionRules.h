#pragma once
// What the first controller's model allows of the project options, and what a
// click on an option box does to the option word. The page that shows the boxes
// only asks here, so the rules can be checked without any window.

#include <functional>
#include <string>
#include <vector>

#include "model/ProjectOptions.h"

namespace lir {

class TLIRModel;

// Which of the model-dependent option boxes may be clicked. The other boxes
// are always enabled.
struct TOptionBoxEnabling {
  bool SeasonTimeOff = true;
  bool CalcTProm = true;
  bool SpecPhases = true;
  bool ExpandYearPlan = true;
  bool LampsHeating = true;
  bool Adaptive = true;

  bool operator==(const TOptionBoxEnabling&) const = default;
};

// model is the first controller's model; null while the project has no
// controller, and then every box is enabled. A checked box stays enabled so
// that an option the model lacks can still be switched off.
TOptionBoxEnabling optionBoxEnabling(TProjectOptions options, const TLIRModel* model);

// The management-system logics, in the order of the system box.
enum class TManagementSystem { AsuddVm, AssUd };

std::string managementSystemCaption(TManagementSystem system);
// The logics the model can run; both without a model. Never empty: a model
// that shows the management settings through another logic only keeps the
// first entry, which leaves member 7 clear.
std::vector<TManagementSystem> offeredManagementSystems(const TLIRModel* model);
// The system box and the system number show only for models that take part in
// a management system at all (and while there is no model).
bool managementSettingsShown(const TLIRModel* model);
TManagementSystem managementSystemOf(TProjectOptions options);
TProjectOptions withManagementSystem(TProjectOptions options, TManagementSystem system);

// The option word after a model change, before the boxes are shown: the
// special phases go when the model lacks them and none exist, and a
// management system the model cannot run gives way to the first one it can.
TProjectOptions optionsFittedToModel(TProjectOptions options, const TLIRModel* model,
                                     bool specialPhasesExist);

// The project content some options carry with them: phases, cycles and
// detectors. The option rules ask it before an option that owns content is
// switched off, and let it convert what an option switch needs converted.
class TOptionContent {
 public:
  virtual ~TOptionContent() = default;
  virtual bool SpecialPhasesExist() const = 0;
  virtual void DeleteSpecialPhases() = 0;
  virtual bool AdaptiveDetectorsExist() const = 0;
  virtual void DeleteAdaptiveDetectors() = 0;
  // Checks the project for the extended year plan and converts the work cycles
  // into programs (on) or back (off); false when the switch is refused.
  virtual bool SwitchExpandYearPlan(bool on) = 0;
};

// A project without phases, cycles and detectors: nothing to delete and
// nothing to convert.
class TNoOptionContent : public TOptionContent {
 public:
  bool SpecialPhasesExist() const override { return false; }
  void DeleteSpecialPhases() override {}
  bool AdaptiveDetectorsExist() const override { return false; }
  void DeleteAdaptiveDetectors() override {}
  bool SwitchExpandYearPlan(bool) override { return true; }
};

inline constexpr const char* kDeleteSpecialPhasesQuestion = "В проекте имеются спецфазы. Удалить их?";
inline constexpr const char* kDeleteDetectorsQuestion =
    "В проекте имеются детекторы адаптивного управления. Удалить их?";

// Asks the user a Yes/No question; true for Yes.
using TAskYesNo = std::function<bool(const std::string& question)>;

// A click on the box of option that wants it checked or not. Returns the new
// option word; when the user or the content refuses, the option keeps its old
// state and the caller shows the box as the word says. deviceKind matters for
// the universal transitions of kind 12, which always come with special phases.
// Member 7 belongs to the system box (withManagementSystem), not here.
TProjectOptions applyOptionClick(TProjectOptions options, TProjectOption option, bool checked,
                                 int deviceKind, TOptionContent& content, const TAskYesNo& ask);

}  // namespace lir
