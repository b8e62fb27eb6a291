#include "model/WeekPlans.h"

namespace lir {

TWeekPlan::TWeekPlan(std::string name) : TLinkedObject(std::move(name), &itemClassOf<TWeekPlanItem>()) {}

int TWeekPlan::LastDay(int index) const { return index >= Count() - 1 ? kSunday : WeekItem(index + 1)->Day() - 1; }

int TWeekPlan::FirstDayBound(int index) const { return index <= 0 ? kMonday : WeekItem(index - 1)->Day() + 1; }

bool TWeekPlan::CanAddItem(int index) const {
  if (Count() == 0) return true;
  if (Count() >= kMaxItems || index < 0 || index >= Count()) return false;
  return WeekItem(index)->Day() < LastDay(index);
}

TWeekPlanItem* TWeekPlan::InsertItemAfter(int index) {
  if (Count() == 0 || !CanAddItem(index)) return nullptr;
  const TWeekPlanItem& after = *WeekItem(index);
  auto* item = static_cast<TWeekPlanItem*>(AddItem(index, nullptr, after.Link()));
  if (item != nullptr) item->SetDay(after.Day() + 1);
  return item;
}

TWeekPlanItem* TWeekPlan::AddFirstItem(TDayPlan& dayPlan) {
  if (Count() != 0) return nullptr;
  auto* item = static_cast<TWeekPlanItem*>(AddItem(-1, nullptr, &dayPlan));
  if (item != nullptr) item->SetDay(kMonday);
  return item;
}

bool TWeekPlan::DeleteItem(int index) {
  if (!CanDeleteItem(index)) return false;
  Delete(index);
  return true;
}

}  // namespace lir
