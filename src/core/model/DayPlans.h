#pragma once
// Day plans: lists of switching moments within a day, each naming the work
// cycle (or the ЖМ or ОС program) that runs from that moment on.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "model/Cycle.h"
#include "model/LinkedObjs.h"

namespace lir {

class TLIRModel;

// Answers the first controller's model, or null while there is none.
using TModelSource = std::function<const TLIRModel*()>;

// A plan operation was refused with a message for the user.
class EPlanError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One switching moment. The record is the start time in minutes after
// midnight (16-bit, little-endian); the link is the cycle.
class TDayPlanItem : public TLinkedObjItem {
  LIR_CLASS(TDayPlanItem, TLinkedObjItem)

  TDayPlanItem() = default;

  int DataSize() const override { return 2; }
  int Time() const;
  // Stores the value as it is; TDayPlan::SetItemTime keeps the order.
  void SetTime(int minutes);
  TCycle* Cycle() const { return dynamic_cast<TCycle*>(Link()); }

  // False: relative time, the item runs every hour at the minute of its time.
  bool AbsoluteTime = true;

  // Copies AbsoluteTime as well.
  void Assign(const TLinkedObjItem& source) override;
};

class TDayPlan : public TLinkedObject {
  LIR_CLASS(TDayPlan, TLinkedObject)

  static constexpr const char* kNewName = "Новый суточный план";
  static constexpr const char* kInvalidTime = "Invalid time value.";
  static constexpr int kMaxItems = 84;
  static constexpr int kPreferredGap = 60;

  // off: the ОС program, the link of the item of an empty plan; it must
  // outlive the plan. model: the model limiting the items (none: 84).
  explicit TDayPlan(TCycle& off, std::string name = kNewName, TModelSource model = {});

  TDayPlanItem* DayItem(int index) const { return static_cast<TDayPlanItem*>(Item(index)); }
  // 84, or fewer when the model allows fewer (never below 1).
  int MaxItems() const;

  // True for an empty plan (below the limit); otherwise false for a position
  // outside the items, at the limit, or when no minute is free after the item.
  bool CanAddItem(int index) const override;
  // Empty plan: an item at 00:00 linked to ОС. Otherwise an item after item
  // index, 60 minutes later when the next item is more than 60 minutes away,
  // else one minute later, linked to the same cycle. Null when CanAddItem
  // refuses.
  TDayPlanItem* InsertItemAfter(int index);
  // The bounds of the time editor.
  int ItemMinTime(int index) const;
  int ItemMaxTime(int index) const;
  // Throws EPlanError "Invalid time value." for a time outside the item's
  // bounds; the item keeps its time.
  void SetItemTime(int index, int minutes);
  void SetItemCycle(int index, TCycle* cycle);
  bool CanDeleteItem(int index) const { return Count() > 1 && index >= 0 && index < Count(); }
  // Only while more than one item remains.
  bool DeleteItem(int index);

 private:
  TCycle* off_;
  TModelSource model_;
};

// The day-plan item limit of a model: 84, or the model's when smaller (at
// least 1); 84 without a model.
int MaxDayPlanItems(const TLIRModel* model);

}  // namespace lir
