#include "model/YearPlans.h"

#include <algorithm>

#include "common/ByteStream.h"
#include "common/DayTime.h"
#include "model/LIRModels.h"

namespace lir {

int MaxYearPlanItems(const TLIRModel* model) {
  if (model == nullptr) return TYearPlan::kMaxItems;
  if (!model->HasYearPlan()) return 1;
  return std::clamp(model->MaxYearplanItems(), 1, TYearPlan::kMaxItems);
}

bool AllowsSeveralWeekPlans(const TLIRModel* model) { return model == nullptr || model->HasYearPlan(); }

// --- TYearPlanItem ---

int TYearPlanItem::Day() const {
  ByteReader reader(Data());
  return dayIndexOfDateValue(reader.f64()).value_or(-1);
}

void TYearPlanItem::SetDay(int dayIndex) {
  ByteWriter writer;
  writer.f64(dateValueOf(dayIndex));
  std::copy(writer.data().begin(), writer.data().end(), MutableData().begin());
}

// --- TYearPlan ---

TYearPlan::TYearPlan(TModelSource model)
    : TLinkedObject({}, &itemClassOf<TYearPlanItem>()), model_(std::move(model)) {}

int TYearPlan::MaxItems() const { return MaxYearPlanItems(model_ ? model_() : nullptr); }

int TYearPlan::PeriodEnd(int index) const { return index >= Count() - 1 ? kLastDay : YearItem(index + 1)->Day() - 1; }

int TYearPlan::PeriodStartBound(int index) const { return index <= 0 ? kFirstDay : YearItem(index - 1)->Day() + 1; }

bool TYearPlan::CanAddItem(int index) const {
  if (Count() >= MaxItems()) return false;
  if (Count() == 0) return true;
  if (index < 0 || index >= Count()) return false;
  return YearItem(index)->Day() < PeriodEnd(index);
}

TYearPlanItem* TYearPlan::InsertItemAfter(int index) {
  if (Count() == 0 || Count() >= kDaysInReferenceYear || !CanAddItem(index)) return nullptr;
  const TYearPlanItem& after = *YearItem(index);
  const int day = after.Day() + 1;
  auto* item = static_cast<TYearPlanItem*>(AddItem(index, nullptr, after.Link()));
  if (item != nullptr) item->SetDay(day);
  return item;
}

TYearPlanItem* TYearPlan::AddFirstItem(TWeekPlan& weekPlan) {
  if (Count() != 0) return nullptr;
  auto* item = static_cast<TYearPlanItem*>(AddItem(-1, nullptr, &weekPlan));
  if (item != nullptr) item->SetDay(kFirstDay);
  return item;
}

bool TYearPlan::DeleteItem(int index) {
  if (!CanDeleteItem(index)) return false;
  Delete(index);
  return true;
}

void TYearPlan::TrimTo(int count) {
  const int keep = std::max(count, 1);
  while (Count() > keep) Delete(Count() - 1);
}

void TYearPlan::Clear() {
  while (Count() > 0) Delete(Count() - 1);
}

}  // namespace lir
