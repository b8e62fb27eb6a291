#include "model/Project.h"

#include "common/Format.h"
#include "model/LIRModels.h"
#include "model/OutputAssignment.h"
#include "model/TransitionCalc.h"

namespace lir {

TProject::TProject(int allRedTime) : AllRedTime(static_cast<std::uint8_t>(allRedTime)) {
  phases_.SetTransitionCalculator(std::make_unique<TTrendTransitions>());
  cycles_.DayPlans = [this] { return dayPlans_.Linked(); };
  yearPlan_.AddFirstItem(*weekPlans_.Plan(0));
}

void TProject::Reset(int allRedTime) {
  // Each level before the one its items link to.
  yearPlan_.Clear();
  weekPlans_.Clear();
  dayPlans_.Clear();
  ClearGroups();
  controllers_.Clear();
  Name = kDefaultName;
  Options = kNewProjectOptions;
  AllRedTime = static_cast<std::uint8_t>(allRedTime);
  SystemNumber = 1;
  cycles_.Clear();
  phases_.Reset();
  dayPlans_.Reset();
  weekPlans_.Reset();
  yearPlan_.AddFirstItem(*weekPlans_.Plan(0));
}

void TProject::SetOption(TProjectOption option, bool on) {
  Options = on ? static_cast<TProjectOptions>(Options | option)
               : static_cast<TProjectOptions>(Options & ~option);
}

TLIRModel* TProject::FirstModel() const {
  return controllers_.Count() > 0 ? &controllers_.Items(0)->Model() : nullptr;
}

bool TProject::CanAddController(const TLIRModel& model) const {
  const TLIRModel* first = FirstModel();
  if (first == nullptr) return true;
  return first->AllowsSeveralControllers() && !first->Composite() && model.Family() == first->Family() &&
         model.AllowsSeveralControllers() && ControllerCount() < kMaxControllers;
}

TController& TProject::AddController(TLIRModel& model) {
  auto* controller = new TController(model);
  controllers_.Add(controller);
  for (int g = 0; g < groups_.Count(); ++g) AssignFreeOutputs(*groups_.Items(g), controllers_);
  return *controller;
}

bool TProject::CanAddGroup() const {
  if (groups_.Count() >= kMaxGroups) return false;
  if (controllers_.Count() == 0) return true;
  for (int c = 0; c < controllers_.Count(); ++c) {
    const auto& outputs = controllers_.Items(c)->Outputs();
    for (int o = 0; o < outputs.Count(); ++o) {
      if (outputs.Items(o)->Group() == nullptr) return true;
    }
  }
  return false;
}

int TProject::AddGroup(int menuTag) {
  const int rowsBefore = GridRowCount();
  return AddGroupOfClass(GroupClassOfMenuTag(menuTag)) != nullptr ? rowsBefore : -1;
}

TTrendGroup* TProject::AddGroupOfClass(TGroupClass cls, bool assignOutputs) {
  if (groups_.Count() >= kMaxGroups) return nullptr;
  TTrendGroup* group = NewTrendGroup(cls).release();
  groups_.Add(group);
  group->SetEvents(&events_);
  if (assignOutputs) AssignFreeOutputs(*group, controllers_);
  events_.GroupCreated(*group);
  return group;
}

TCall* TProject::AddCallGroup(const TObject& callList) {
  if (groups_.Count() >= kMaxGroups) return nullptr;
  auto* group = static_cast<TCall*>(NewTrendGroup(TGroupClass::Call).release());
  group->SetCallList(&callList);
  groups_.Add(group);
  group->SetEvents(&events_);
  AssignFreeOutputs(*group, controllers_);
  events_.GroupCreated(*group);
  return group;
}

bool TProject::RemoveGroup(int row) {
  TTrend* trend = GridTrend(row);
  return trend != nullptr && DeleteGroup(trend->Group());
}

bool TProject::DeleteGroup(TTrendGroup& group) {
  if (groups_.IndexOf(&group) < 0) return false;
  if (const auto* call = dynamic_cast<const TCall*>(&group); call != nullptr && call->CallList() != nullptr) {
    return false;
  }
  DestroyGroup(group);
  return true;
}

bool TProject::RemoveCallGroup(TCall& group, const TObject& callList) {
  if (groups_.IndexOf(&group) < 0) return false;
  if (group.CallList() != nullptr && group.CallList() != &callList) return false;
  DestroyGroup(group);
  return true;
}

void TProject::DestroyGroup(TTrendGroup& group) {
  events_.GroupDestroyed(group);
  groups_.Remove(&group);
  // An output shared with another group (an expert may give a call group's
  // second lamp an output already in use) stays claimed by that group.
  for (int g = 0; g < groups_.Count(); ++g) {
    TTrendGroup& other = *groups_.Items(g);
    for (int slot = 0; slot < kSlotCount; ++slot) {
      TControllerOutput* output = other.SlotOutput(slot);
      if (output != nullptr && output->Group() == nullptr) output->SetGroup(&other);
    }
  }
}

void TProject::ClearGroups() {
  while (groups_.Count() > 0) {
    TTrendGroup& last = *groups_.Last();
    events_.GroupDestroyed(last);
    groups_.Remove(&last);
  }
}

int TProject::GridRowCount() const {
  int rows = 0;
  for (int g = 0; g < groups_.Count(); ++g) {
    const auto& trends = groups_.Items(g)->Trends();
    for (int t = 0; t < trends.Count(); ++t) rows += trends.Items(t)->KindInfo().Grid ? 1 : 0;
  }
  return rows;
}

TTrend* TProject::GridTrend(int row) const {
  if (row < 0) return nullptr;
  for (int g = 0; g < groups_.Count(); ++g) {
    const auto& trends = groups_.Items(g)->Trends();
    for (int t = 0; t < trends.Count(); ++t) {
      if (trends.Items(t)->KindInfo().Grid && row-- == 0) return trends.Items(t);
    }
  }
  return nullptr;
}

void TProject::SetTrendOutput(int row, int slot, TControllerOutput* output) {
  if (TTrend* trend = GridTrend(row); trend != nullptr) trend->LinkOutput(slot, output);
}

std::string TProject::TrendName(const TTrend& trend) const {
  return sformat("%d%s", groups_.IndexOf(&trend.Group()) + 1, trend.KindInfo().Suffix);
}

std::string TProject::OutputName(const TControllerOutput* output) const {
  if (output == nullptr) return {};
  const TController& controller = output->Controller();
  const std::string& description = output->ModelOutput().Description();
  if (controllers_.Count() > 1 && !controller.Model().Composite()) {
    return sformat("%d-%s", controllers_.IndexOf(&controller) + 1, description.c_str());
  }
  return description;
}

}  // namespace lir
