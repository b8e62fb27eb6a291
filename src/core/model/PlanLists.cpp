#include "model/PlanLists.h"

#include "model/LIRModels.h"

namespace lir {

// --- TDayPlans ---

TDayPlans::TDayPlans(TCycle& off, TModelSource model) : off_(&off), model_(std::move(model)) { NewDayPlan(); }

std::vector<TLinkedObject*> TDayPlans::Linked() const {
  std::vector<TLinkedObject*> result;
  for (int i = 0; i < Count(); ++i) result.push_back(Plan(i));
  return result;
}

TDayPlan* TDayPlans::NewDayPlan() {
  auto plan = std::make_unique<TDayPlan>(*off_, TDayPlan::kNewName, model_);
  plan->InsertItemAfter(-1);
  if (plans_.Add(plan.get()) < 0) return nullptr;
  return plan.release();
}

bool TDayPlans::CanDeleteDayPlan(int index) const {
  return Count() > 1 && index >= 0 && index < Count() && Plan(index)->RefCount() <= 0;
}

bool TDayPlans::DeleteDayPlan(int index) {
  if (!CanDeleteDayPlan(index)) return false;
  plans_.Delete(index);
  return true;
}

int TDayPlans::RelativeItemCount() const {
  int count = 0;
  for (int p = 0; p < Count(); ++p) {
    const TDayPlan& plan = *Plan(p);
    for (int i = 0; i < plan.Count(); ++i) count += plan.DayItem(i)->AbsoluteTime ? 0 : 1;
  }
  return count;
}

void TDayPlans::MakeAllAbsolute() {
  for (int p = 0; p < Count(); ++p) {
    const TDayPlan& plan = *Plan(p);
    for (int i = 0; i < plan.Count(); ++i) plan.DayItem(i)->AbsoluteTime = true;
  }
}

void TDayPlans::Reset() {
  Clear();
  NewDayPlan();
}

// --- TWeekPlans ---

TWeekPlans::TWeekPlans(TDayPlans& dayPlans, TModelSource model) : dayPlans_(&dayPlans), model_(std::move(model)) {
  NewWeekPlan();
}

bool TWeekPlans::CanAddWeekPlan() const { return Count() == 0 || AllowsSeveralWeekPlans(model_ ? model_() : nullptr); }

TWeekPlan* TWeekPlans::NewWeekPlan() {
  if (!CanAddWeekPlan()) return nullptr;
  auto plan = std::make_unique<TWeekPlan>();
  plan->AddFirstItem(*dayPlans_->Plan(0));
  if (plans_.Add(plan.get()) < 0) return nullptr;
  return plan.release();
}

bool TWeekPlans::CanDeleteWeekPlan(int index) const {
  return Count() > 1 && index >= 0 && index < Count() && Plan(index)->RefCount() <= 0;
}

bool TWeekPlans::DeleteWeekPlan(int index) {
  if (!CanDeleteWeekPlan(index)) return false;
  plans_.Delete(index);
  return true;
}

void TWeekPlans::Reset() {
  Clear();
  NewWeekPlan();
}

// --- rules over the lists ---

bool RelativeTimeAllowed(const TLIRModel* model, TProjectOptions options) {
  return model != nullptr && model->HasRelativeDayPlanTime() && (options & poExpandYearPlan) == 0;
}

bool CanSetAbsoluteTime(const TDayPlanItem& item, bool absolute, bool relativeAllowed) {
  return absolute || !item.AbsoluteTime || relativeAllowed;
}

void CutPlansDownForModel(TYearPlan& yearPlan, TWeekPlans& weekPlans, const TLIRModel& model) {
  if (!model.HasYearPlan()) {
    yearPlan.TrimTo(1);
    if (yearPlan.Count() > 0) yearPlan.Item(0)->SetLink(weekPlans.Plan(0));
    // Nothing links to the other week plans any more.
    while (weekPlans.Count() > 1) weekPlans.plans_.Delete(weekPlans.Count() - 1);
    return;
  }
  yearPlan.TrimTo(MaxYearPlanItems(&model));
}

}  // namespace lir
