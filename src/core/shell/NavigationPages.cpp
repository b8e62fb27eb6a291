#include "shell/NavigationPages.h"

#include "model/LIRModels.h"

namespace lir {

namespace {

using P = TNavigationPage;

// The family of the models that drive output blocks.
constexpr int kOutputBlockFamily = 9;

bool isMainControllerKind(int kind) { return kind == 0 || kind == 12 || kind == 13; }

bool callsAllowed(const TNavigationState& state) {
  return !(state.Options & poExpandYearPlan) || state.FirstModel->AllowsCallsWithExtendedYearPlan();
}

std::vector<P> mainControllerButtons(int kind, const TNavigationState& state) {
  const TLIRModel* model = state.FirstModel;
  const auto on = [&state](TProjectOption option) { return (state.Options & option) != 0; };
  std::vector<P> pages = {P::Controllers, P::SignalGroups, P::WorkPhases, P::WorkCycles, P::DayPlans, P::WeekPlans};
  if (!model || model->HasYearPlan() || state.YearPlanItemCount > 1) pages.push_back(P::YearPlan);
  if (on(poSpecPhases) || state.SpecialPhasesExist) pages.push_back(P::SpecialPhases);
  const int inputs = model ? model->InputCount() : 0;
  if (state.Call1Linked || (inputs >= 1 && callsAllowed(state))) pages.push_back(P::Call1);
  if (state.Call2Linked || (inputs >= 2 && callsAllowed(state) && state.Call1Linked)) pages.push_back(P::Call2);
  if (model && model->Family() == kOutputBlockFamily) pages.push_back(P::OutputBlocks);
  if (on(poAdaptive) || state.AdaptiveDetectorsExist) pages.push_back(P::Adaptive);
  if (on(poLedLight)) pages.push_back(P::StreetLight);
  if ((kind == 0 || kind == 13) && on(poSmartSO)) pages.push_back(P::SmartLights);
  return pages;
}

std::vector<P> audibleSignalButtons(int kind) {
  std::vector<P> pages = {P::Device, P::DeviceDayPlans};
  if (kind == 8 || kind == 9 || kind == 14) {
    pages.insert(pages.end(), {P::DeviceWeekPlans, P::DeviceYearPlan, P::DeviceHolidays});
  }
  if (kind == 14) pages.insert(pages.end(), {P::Sounds, P::SoundProgramsGreen, P::SoundProgramsRed});
  return pages;
}

std::string audibleDeviceName(int kind) {
  switch (kind) {
    case 2: return "ВТЛГ";
    case 8: return "ВЕЗМ";
    case 9: return "ФЕК";
    case 14: return "ВЕН-5";
    default: return "ВЕЗ";
  }
}

}  // namespace

std::vector<TNavigationPage> visibleNavigationButtons(int deviceKind, const TNavigationState& state) {
  if (isMainControllerKind(deviceKind)) return mainControllerButtons(deviceKind, state);
  switch (deviceKind) {
    case 1: case 2: case 8: case 9: case 14: return audibleSignalButtons(deviceKind);
    case 3: return {P::Nav, P::NavMessages};
    case 4: return {P::Pel};
    case 5: return {P::Hrz, P::Identifiers, P::Ethernet, P::Gprs};
    case 6: return {P::Zin};
    case 7: return {P::Zhlm};
    case 10: return {P::Yrs, P::Identifiers};
    case 11: return {P::Relz};
    default: return {};
  }
}

TNavigationPage navigationTarget(TNavigationPage button, TProjectOptions options) {
  if (button == P::WorkCycles && (options & poExpandYearPlan)) return P::Programs;
  return button;
}

std::string navigationCaption(TNavigationPage page, int deviceKind) {
  switch (page) {
    case P::Controllers: return "Контроллеры";
    case P::SignalGroups: return "Направления";
    case P::WorkPhases: return "Рабочие фазы";
    case P::WorkCycles: case P::Programs: return "Рабочие циклы";
    case P::DayPlans: case P::DeviceDayPlans: return "Суточные планы";
    case P::WeekPlans: case P::DeviceWeekPlans: return "Недельные планы";
    case P::YearPlan: case P::DeviceYearPlan: return "Годовой план";
    case P::SpecialPhases: return "Спецфазы";
    case P::Call1: return "ТВП1";
    case P::Call2: return "ТВП2";
    case P::Device: return audibleDeviceName(deviceKind);
    case P::DeviceHolidays: return "Праздники";
    case P::OutputBlocks: return "ПРА";
    case P::Adaptive: return "Адаптивное управление";
    case P::Sounds: return "Речевой информатор";
    case P::SoundProgramsGreen: return "Речевые программы (зел)";
    case P::SoundProgramsRed: return "Речевые программы (крас)";
    case P::Nav: return "НАВ";
    case P::NavMessages: return "Сообщения";
    case P::Pel: return "ПЕЛ";
    case P::Hrz: return "ХРЗ";
    case P::Identifiers: return "Иденти-\nфикаторы";
    case P::Ethernet: return "Ethernet";
    case P::Gprs: return "GPRS";
    case P::Zin: return "ЗИН";
    case P::Zhlm: return "ЖЛМ";
    case P::Yrs: return "ЯРС";
    case P::Relz: return "РЕЛЗ";
    case P::StreetLight: return "Светильник";
    case P::SmartLights: return "Умные светофоры";
  }
  return {};
}

}  // namespace lir
