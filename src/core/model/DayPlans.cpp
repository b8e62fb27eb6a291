#include "model/DayPlans.h"

#include <algorithm>

#include "common/ByteStream.h"
#include "common/DayTime.h"
#include "model/LIRModels.h"

namespace lir {

int MaxDayPlanItems(const TLIRModel* model) {
  if (model == nullptr) return TDayPlan::kMaxItems;
  return std::clamp(model->MaxDayplanItems(), 1, TDayPlan::kMaxItems);
}

// --- TDayPlanItem ---

int TDayPlanItem::Time() const {
  ByteReader reader(Data());
  return reader.u16();
}

void TDayPlanItem::SetTime(int minutes) {
  ByteWriter writer;
  writer.u16(static_cast<std::uint16_t>(minutes));
  std::copy(writer.data().begin(), writer.data().end(), MutableData().begin());
}

void TDayPlanItem::Assign(const TLinkedObjItem& source) {
  TLinkedObjItem::Assign(source);
  if (const auto* item = dynamic_cast<const TDayPlanItem*>(&source); item != nullptr) AbsoluteTime = item->AbsoluteTime;
}

// --- TDayPlan ---

TDayPlan::TDayPlan(TCycle& off, std::string name, TModelSource model)
    : TLinkedObject(std::move(name), &itemClassOf<TDayPlanItem>()), off_(&off), model_(std::move(model)) {}

int TDayPlan::MaxItems() const { return MaxDayPlanItems(model_ ? model_() : nullptr); }

bool TDayPlan::CanAddItem(int index) const {
  if (Count() >= MaxItems()) return false;
  if (Count() == 0) return true;
  if (index < 0 || index >= Count()) return false;
  const int time = DayItem(index)->Time();
  // The last item may be followed by one at 23:59 at the latest.
  if (index == Count() - 1) return time < kLastMinuteOfDay;
  return DayItem(index + 1)->Time() - time > 1;
}

TDayPlanItem* TDayPlan::InsertItemAfter(int index) {
  if (!CanAddItem(index)) return nullptr;
  if (Count() == 0) {
    auto* item = static_cast<TDayPlanItem*>(AddItem(-1, nullptr, off_));
    if (item != nullptr) item->SetTime(0);
    return item;
  }
  const TDayPlanItem& after = *DayItem(index);
  const int time = after.Time();
  const int next = index == Count() - 1 ? kLastMinuteOfDay : DayItem(index + 1)->Time();
  const int newTime = next - time > kPreferredGap ? time + kPreferredGap : time + 1;
  auto* item = static_cast<TDayPlanItem*>(AddItem(index, nullptr, after.Link()));
  if (item != nullptr) item->SetTime(newTime);
  return item;
}

int TDayPlan::ItemMinTime(int index) const { return index <= 0 ? 0 : DayItem(index - 1)->Time() + 1; }

int TDayPlan::ItemMaxTime(int index) const {
  return index >= Count() - 1 ? kLastMinuteOfDay : DayItem(index + 1)->Time() - 1;
}

void TDayPlan::SetItemTime(int index, int minutes) {
  TDayPlanItem& item = *DayItem(index);
  if (minutes < ItemMinTime(index) || minutes > ItemMaxTime(index)) throw EPlanError(kInvalidTime);
  item.SetTime(minutes);
}

void TDayPlan::SetItemCycle(int index, TCycle* cycle) { DayItem(index)->SetLink(cycle); }

bool TDayPlan::DeleteItem(int index) {
  if (!CanDeleteItem(index)) return false;
  Delete(index);
  return true;
}

}  // namespace lir
