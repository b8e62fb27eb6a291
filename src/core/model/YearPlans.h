#pragma once
// The year plan: which week plan runs from which date of the year on. Dates
// are day indexes of the reference year 2000 (0 = 1 January, 365 =
// 31 December; see common/DayTime.h).

#include "model/DayPlans.h"
#include "model/LinkedObjs.h"
#include "model/WeekPlans.h"

namespace lir {

// The first date of a period, kept as the stored date value (an 8-byte
// little-endian float of whole days); the link is the week plan.
class TYearPlanItem : public TLinkedObjItem {
  LIR_CLASS(TYearPlanItem, TLinkedObjItem)

  TYearPlanItem() = default;

  int DataSize() const override { return 8; }
  // The day index, or -1 when the record holds no date of 2000.
  int Day() const;
  // dayIndex 0..365; throws std::out_of_range outside.
  void SetDay(int dayIndex);
  TWeekPlan* WeekPlan() const { return dynamic_cast<TWeekPlan*>(Link()); }
};

class TYearPlan : public TLinkedObject {
  LIR_CLASS(TYearPlan, TLinkedObject)

  static constexpr int kMaxItems = 63;
  static constexpr int kFirstDay = 0;   // 1 January
  static constexpr int kLastDay = 365;  // 31 December

  // model: the model limiting the items (none: 63).
  explicit TYearPlan(TModelSource model = {});

  TYearPlanItem* YearItem(int index) const { return static_cast<TYearPlanItem*>(Item(index)); }
  // 63, the model's count when smaller (at least 1), 1 for a model without
  // year plan.
  int MaxItems() const;

  // The last day item index covers.
  int PeriodEnd(int index) const;
  // The earliest day item index may start on.
  int PeriodStartBound(int index) const;

  // True for an empty plan below the limit; false at the limit, for a
  // position outside the items or an item whose period is a single day.
  bool CanAddItem(int index) const override;
  // An item for the day after item index, linked to the same week plan;
  // null when CanAddItem refuses or every day already has an item. An empty
  // plan gets nothing here: its first item needs a week plan (AddFirstItem).
  TYearPlanItem* InsertItemAfter(int index);
  // The 1 January item of an empty plan; null when the plan has items.
  TYearPlanItem* AddFirstItem(TWeekPlan& weekPlan);
  bool CanDeleteItem(int index) const { return Count() > 1 && index >= 0 && index < Count(); }
  bool DeleteItem(int index);
  // Deletes the items beyond count from the end; one item always stays.
  void TrimTo(int count);
  // Every item goes: only for a project starting again, which gives the
  // plan its first item right after.
  void Clear();

 private:
  TModelSource model_;
};

// The year-plan item limit of a model (see TYearPlan::MaxItems).
int MaxYearPlanItems(const TLIRModel* model);
// Whether the model lets a project hold more than one week plan: any model
// with year plan, and no model at all.
bool AllowsSeveralWeekPlans(const TLIRModel* model);

}  // namespace lir
