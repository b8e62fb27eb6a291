#include "model/ProjectOptionRules.h"

#include <algorithm>

#include "model/LIRModels.h"

namespace lir {

namespace {

// The models of device kind 12 run their special phases on their own; the
// user never switches them.
bool hasFixedSpecialPhases(const TLIRModel& model) {
  return model.InternalID() == 15 || model.InternalID() == 16;
}

constexpr int kFixedSpecialPhasesKind = 12;

TProjectOptions withOption(TProjectOptions options, TProjectOption option, bool on) {
  return on ? static_cast<TProjectOptions>(options | option) : static_cast<TProjectOptions>(options & ~option);
}

// Special phases may only go once the user agrees to lose the ones that exist.
bool mayDropSpecialPhases(TOptionContent& content, const TAskYesNo& ask) {
  if (!content.SpecialPhasesExist()) return true;
  if (!ask(kDeleteSpecialPhasesQuestion)) return false;
  content.DeleteSpecialPhases();
  return true;
}

TProjectOptions universalTransitionsOff(TProjectOptions options, TOptionContent& content, const TAskYesNo& ask) {
  if (options & poSpecPhases) {
    if (!mayDropSpecialPhases(content, ask)) return options;
    options = withOption(options, poSpecPhases, false);
  }
  // The extended year plan is built on universal transitions; when it cannot
  // be left, neither can they.
  if (options & poExpandYearPlan) {
    if (!content.SwitchExpandYearPlan(false)) return options;
    options = withOption(options, poExpandYearPlan, false);
  }
  return withOption(options, poCalcTProm, false);
}

}  // namespace

TOptionBoxEnabling optionBoxEnabling(TProjectOptions options, const TLIRModel* model) {
  TOptionBoxEnabling enabling;
  if (!model) return enabling;
  const auto on = [options](TProjectOption option) { return (options & option) != 0; };
  const bool universal = on(poCalcTProm);
  enabling.SeasonTimeOff = on(poSeasonTimeOff) || model->HasSeasonTimeSwitchOff();
  enabling.CalcTProm = universal || model->HasUniversalTransitions();
  enabling.SpecPhases = universal && model->HasSpecialPhases() && !hasFixedSpecialPhases(*model);
  enabling.ExpandYearPlan = on(poExpandYearPlan) || (universal && model->HasExtendedYearPlan());
  enabling.LampsHeating = on(poLampsHeating) || model->HasPwmLampHeating();
  enabling.Adaptive = on(poAdaptive) || model->HasAdaptiveControl();
  return enabling;
}

std::string managementSystemCaption(TManagementSystem system) {
  return system == TManagementSystem::AssUd ? "АСС-УД (Омск)" : "Велмира АСУДД-ВМ";
}

std::vector<TManagementSystem> offeredManagementSystems(const TLIRModel* model) {
  if (!model) return {TManagementSystem::AsuddVm, TManagementSystem::AssUd};
  std::vector<TManagementSystem> systems;
  if (model->SupportsAsuddVmSystem()) systems.push_back(TManagementSystem::AsuddVm);
  if (model->SupportsAssUdSystem()) systems.push_back(TManagementSystem::AssUd);
  if (systems.empty()) systems.push_back(TManagementSystem::AsuddVm);
  return systems;
}

bool managementSettingsShown(const TLIRModel* model) { return !model || model->SupportsAnyManagementSystem(); }

TManagementSystem managementSystemOf(TProjectOptions options) {
  return (options & poAssUdSystem) ? TManagementSystem::AssUd : TManagementSystem::AsuddVm;
}

TProjectOptions withManagementSystem(TProjectOptions options, TManagementSystem system) {
  return withOption(options, poAssUdSystem, system == TManagementSystem::AssUd);
}

TProjectOptions optionsFittedToModel(TProjectOptions options, const TLIRModel* model, bool specialPhasesExist) {
  if (!model) return options;
  if (!model->HasSpecialPhases() && !specialPhasesExist) options = withOption(options, poSpecPhases, false);
  const auto offered = offeredManagementSystems(model);
  if (std::find(offered.begin(), offered.end(), managementSystemOf(options)) == offered.end())
    options = withManagementSystem(options, offered.front());
  return options;
}

TProjectOptions applyOptionClick(TProjectOptions options, TProjectOption option, bool checked, int deviceKind,
                                 TOptionContent& content, const TAskYesNo& ask) {
  if (((options & option) != 0) == checked) return options;
  if (checked) {
    if (option == poExpandYearPlan && !content.SwitchExpandYearPlan(true)) return options;
    options = withOption(options, option, true);
    if (option == poCalcTProm && deviceKind == kFixedSpecialPhasesKind) options = withOption(options, poSpecPhases, true);
    return options;
  }
  switch (option) {
    case poCalcTProm:
      return universalTransitionsOff(options, content, ask);
    case poSpecPhases:
      return mayDropSpecialPhases(content, ask) ? withOption(options, poSpecPhases, false) : options;
    case poAdaptive:
      if (content.AdaptiveDetectorsExist()) {
        if (!ask(kDeleteDetectorsQuestion)) return options;
        content.DeleteAdaptiveDetectors();
      }
      return withOption(options, poAdaptive, false);
    case poExpandYearPlan:
      return content.SwitchExpandYearPlan(false) ? withOption(options, poExpandYearPlan, false) : options;
    default:
      return withOption(options, option, false);
  }
}

}  // namespace lir
