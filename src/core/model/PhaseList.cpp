#include "model/PhaseList.h"

#include <algorithm>
#include <memory>

#include "model/PhaseStorage.h"
#include "model/Project.h"

namespace lir {

TPhase* TPhaseList::PhaseByNumber(int number) const {
  if (number == TPhaseNumbers::kAllRed) return nullptr;
  for (int i = 0; i < Count(); ++i) {
    if (Item(i)->Number() == number) return Item(i);
  }
  return nullptr;
}

bool TPhaseList::IsBoundary(const TPhase& phase) const {
  return IsCallList() && Count() > 0 && (&phase == First() || &phase == Last());
}

TPhase* TPhaseList::CreatePhase(int index, int number) {
  auto phase = std::unique_ptr<TPhase>(new TPhase(*this, number));
  TPhase* added = phase.get();
  if (!phases_.Insert(std::clamp(index, 0, Count()), added)) return nullptr;
  phase.release();
  if (OnPhaseAdded) OnPhaseAdded(*this, *added);
  return added;
}

TPhase* TPhaseList::InsertPhase(int index) {
  if (type_ == pltStart || !storage_->CanAddPhase()) return nullptr;
  // New call phases go between the entry and the exit phase.
  if (IsCallList() && Count() >= 2) index = std::clamp(index, 1, Count() - 1);
  TPhase* phase = CreatePhase(index, storage_->TakeFreeNumber());
  Changed();
  return phase;
}

TPhase* TPhaseList::DuplicatePhase(const TPhase& phase) {
  const int index = IndexOf(&phase);
  if (index < 0 || type_ == pltStart || !storage_->CanAddPhase()) return nullptr;
  const int place = IsCallList() ? std::clamp(index + 1, 1, std::max(1, Count() - 1)) : index + 1;
  auto copy = std::unique_ptr<TPhase>(new TPhase(*this, storage_->TakeFreeNumber()));
  const int number = copy->Number();
  copy->Assign(&phase);
  copy->number_ = static_cast<std::uint8_t>(number);
  TPhase* added = copy.get();
  if (!phases_.Insert(place, added)) return nullptr;
  copy.release();
  if (OnPhaseAdded) OnPhaseAdded(*this, *added);
  Changed();
  return added;
}

bool TPhaseList::DeletePhase(int index) {
  if (index < 0 || index >= Count()) return false;
  return RemovePhase(*Item(index));
}

bool TPhaseList::RemovePhase(TPhase& phase) {
  if (IndexOf(&phase) < 0 || !storage_->CanDelete(phase)) return false;
  storage_->DestroyPhase(phase);
  Changed();
  return true;
}

void TPhaseList::DeleteAll() {
  while (Count() > 0) storage_->DestroyPhase(*Last());
}

void TPhaseList::Clear() {
  DeleteAll();
  if (callGroup_ != nullptr) {
    TCall& group = *callGroup_;
    callGroup_ = nullptr;
    storage_->Project().RemoveCallGroup(group, *this);
  }
  if (IsCallList() && !storage_->resetting_) storage_->RefreshCallList(*this);
  Changed();
}

void TPhaseList::Recompute() {
  const TTransitionCalculator& calculator = storage_->Transitions();
  for (int i = 0; i < Count(); ++i) {
    TPhase& phase = *Item(i);
    const TPhase& next = *Item((i + 1) % Count());
    phase.TPromTimes().Clear();
    calculator.Compute(phase, next, phase.TPromTimes());
    phase.TrimSkipSteps();
    phase.FitDurations(storage_->CycleCount());
  }
}

bool TPhaseList::SetCallActive(bool active) {
  if (!IsCallList() || active == CallActive()) return IsCallList();
  if (active) {
    TCall* group = storage_->Project().AddCallGroup(*this);
    if (group == nullptr) return false;
    callGroup_ = group;
    storage_->RefreshCallList(*this);
    if (OnChange) OnChange(*this);
  } else {
    Clear();
  }
  return true;
}

void TPhaseList::SetCallGroup(TCall* group) {
  if (!IsCallList()) return;
  callGroup_ = group;
  if (group != nullptr) group->SetCallList(this);
}

void TPhaseList::Changed() {
  Recompute();
  storage_->ListChanged(*this);
  if (OnChange) OnChange(*this);
}

}  // namespace lir
