#pragma once
// The project's day-plan and week-plan lists (owning, never empty), the rule
// for relative day-plan times, and cutting the plans down for a model.

#include <vector>

#include "model/DayPlans.h"
#include "model/ObjList.h"
#include "model/ProjectOptions.h"
#include "model/WeekPlans.h"
#include "model/YearPlans.h"

namespace lir {

class TDayPlans {
 public:
  // off: the ОС program, linked by the item of every new plan.
  TDayPlans(TCycle& off, TModelSource model);
  TDayPlans(const TDayPlans&) = delete;
  TDayPlans& operator=(const TDayPlans&) = delete;

  const TObjList<TDayPlan>& Plans() const { return plans_; }
  int Count() const { return plans_.Count(); }
  TDayPlan* Plan(int index) const { return plans_.Items(index); }
  int IndexOf(const TDayPlan* plan) const { return plans_.IndexOf(plan); }
  // Every plan, for the work cycles' DayPlans hook.
  std::vector<TLinkedObject*> Linked() const;

  // "Новый суточный план" with one item at 00:00 linked to ОС, at the end.
  TDayPlan* NewDayPlan();
  // More than one plan and no week-plan item uses it.
  bool CanDeleteDayPlan(int index) const;
  bool DeleteDayPlan(int index);

  // Items over all plans whose AbsoluteTime is false.
  int RelativeItemCount() const;
  void MakeAllAbsolute();

  // Every plan goes (the week plans linking to them must be gone first).
  void Clear() { plans_.Clear(); }
  // Back to one new plan.
  void Reset();

 private:
  TCycle* off_;
  TModelSource model_;
  TObjList<TDayPlan> plans_{true};
};

class TWeekPlans {
 public:
  // New plans link to the first day plan.
  TWeekPlans(TDayPlans& dayPlans, TModelSource model);
  TWeekPlans(const TWeekPlans&) = delete;
  TWeekPlans& operator=(const TWeekPlans&) = delete;

  const TObjList<TWeekPlan>& Plans() const { return plans_; }
  int Count() const { return plans_.Count(); }
  TWeekPlan* Plan(int index) const { return plans_.Items(index); }
  int IndexOf(const TWeekPlan* plan) const { return plans_.IndexOf(plan); }

  // A model without year plan keeps a single week plan.
  bool CanAddWeekPlan() const;
  // "Новый недельный план" with one Monday item linked to the first day
  // plan, at the end; null when CanAddWeekPlan refuses.
  TWeekPlan* NewWeekPlan();
  // More than one plan and no year-plan item uses it.
  bool CanDeleteWeekPlan(int index) const;
  bool DeleteWeekPlan(int index);

  // Every plan goes (the year-plan items linking to them must be gone first).
  void Clear() { plans_.Clear(); }
  // Back to one new plan.
  void Reset();

 private:
  friend void CutPlansDownForModel(TYearPlan&, TWeekPlans&, const TLIRModel&);

  TDayPlans* dayPlans_;
  TModelSource model_;
  TObjList<TWeekPlan> plans_{true};
};

// Whether an item's time may be made relative: only for a model with relative
// day-plan time while the extended year plan is off. No model: no.
bool RelativeTimeAllowed(const TLIRModel* model, TProjectOptions options);
// Whether the editor may set the item's AbsoluteTime to the value: absolute
// always, relative when allowed or when the item is relative already.
bool CanSetAbsoluteTime(const TDayPlanItem& item, bool absolute, bool relativeAllowed);

// Fits the plans to the model the user chose: without year plan the year
// plan keeps only its first item, linked to the first week plan, and only the
// first week plan stays; with fewer year-plan items than the plan has, the
// items beyond the model's count go from the end (one always stays).
void CutPlansDownForModel(TYearPlan& yearPlan, TWeekPlans& weekPlans, const TLIRModel& model);

}  // namespace lir
