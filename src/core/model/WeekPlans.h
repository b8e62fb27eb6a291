#pragma once
// Week plans: which day plan runs from which weekday on.

#include <string>

#include "model/DayPlans.h"
#include "model/LinkedObjs.h"

namespace lir {

// The first weekday of a period, 0 = Monday ("Пн") … 6 = Sunday ("Вс"), in
// a one-byte record; the link is the day plan.
class TWeekPlanItem : public TLinkedObjItem {
  LIR_CLASS(TWeekPlanItem, TLinkedObjItem)

  TWeekPlanItem() = default;

  int DataSize() const override { return 1; }
  int Day() const { return Data()[0]; }
  void SetDay(int weekday) { MutableData()[0] = static_cast<std::uint8_t>(weekday); }
  TDayPlan* DayPlan() const { return dynamic_cast<TDayPlan*>(Link()); }
};

class TWeekPlan : public TLinkedObject {
  LIR_CLASS(TWeekPlan, TLinkedObject)

  static constexpr const char* kNewName = "Новый недельный план";
  static constexpr int kMonday = 0;
  static constexpr int kSunday = 6;
  static constexpr int kMaxItems = 7;

  explicit TWeekPlan(std::string name = kNewName);

  TWeekPlanItem* WeekItem(int index) const { return static_cast<TWeekPlanItem*>(Item(index)); }
  // The last weekday item index covers.
  int LastDay(int index) const;
  // The earliest weekday item index may start on.
  int FirstDayBound(int index) const;

  // True for an empty plan; false for a position outside the items or an
  // item that covers a single day.
  bool CanAddItem(int index) const override;
  // An item for the day after item index, linked to the same day plan; null
  // when CanAddItem refuses. An empty plan gets nothing here: its first item
  // needs a day plan (AddFirstItem).
  TWeekPlanItem* InsertItemAfter(int index);
  // The Monday item of an empty plan; null when the plan has items.
  TWeekPlanItem* AddFirstItem(TDayPlan& dayPlan);
  bool CanDeleteItem(int index) const { return Count() > 1 && index >= 0 && index < Count(); }
  bool DeleteItem(int index);
};

}  // namespace lir
