#include "model/PhaseStorage.h"

#include <memory>

#include "model/Project.h"

namespace lir {

TPhaseStg::TPhaseStg(TProject& project) : project_(&project) {
  for (int i = 0; i < 3; ++i) start_.CreatePhase(i, TPhaseNumbers::kAllRed);
  project.Events().Subscribe(*this);
  Reset();
}

TPhaseStg::~TPhaseStg() { project_->Events().Unsubscribe(*this); }

void TPhaseStg::Reset() {
  resetting_ = true;
  for (TPhaseList* list : {&work_, &special_, &call1_, &call2_}) list->Clear();
  cycleCount_ = 0;
  work_.CreatePhase(0, TakeFreeNumber());
  resetting_ = false;
  work_.Changed();
}

TPhase* TPhaseStg::FindByNumber(int number) const {
  if (number == TPhaseNumbers::kAllRed) return nullptr;
  for (const TPhaseList* list : {&work_, &special_, &call1_, &call2_}) {
    for (int i = 0; i < list->Count(); ++i) {
      TPhase* phase = list->Item(i);
      if (phase->Number() == number && !list->IsBoundary(*phase)) return phase;
    }
  }
  return nullptr;
}

int TPhaseStg::TotalCount() const {
  const auto callPhases = [](const TPhaseList& list) { return list.Count() >= 3 ? list.Count() - 2 : 0; };
  return work_.Count() + special_.Count() + callPhases(call1_) + callPhases(call2_);
}

bool TPhaseStg::CanDelete(const TPhase& phase) const {
  const TPhaseList& list = phase.Owner();
  if (list.IndexOf(&phase) < 0) return false;
  switch (list.ListType()) {
    case pltWork:
      return list.Count() > 1;
    case pltSpecial:
      return true;
    case pltCall1:
    case pltCall2:
      return !list.IsBoundary(phase);
    default:
      return false;
  }
}

void TPhaseStg::DestroyPhase(TPhase& phase) {
  ForEachPhase([&](TPhase& other) {
    if (other.NextPhase() == &phase) other.SetNextPhase(nullptr);
  });
  events_.PhaseDestroying(phase);
  TPhaseList& owner = phase.Owner();
  std::unique_ptr<TPhase> gone(owner.phases_.Extract(&phase));
  gone.reset();
  RecountNumbers();
}

void TPhaseStg::RefreshCallList(TPhaseList& list) {
  if (list.Count() < 2) {
    list.DeleteAll();
    list.CreatePhase(0, TPhaseNumbers::kAllRed);
    list.CreatePhase(1, TPhaseNumbers::kAllRed);
  }
  TPhase& entry = *list.First();
  if (project_->HasOption(poExpandYearPlan)) {
    entry.MakeAllRed(project_->AllRedTime);
  } else if (work_.Count() > 0) {
    entry.Assign(work_.Last());
  }
  if (work_.Count() > 0) list.Last()->Assign(work_.First());
  list.Recompute();
}

void TPhaseStg::RefreshStartPhases() {
  RefreshCallList(call1_);
  RefreshCallList(call2_);
  if (work_.Count() > 0) {
    start_.Item(0)->Assign(work_.Last());
    start_.Item(2)->Assign(work_.First());
  }
  for (int i = 0; i < start_.Count(); ++i) {
    TPhase& phase = *start_.Item(i);
    phase.number_ = TPhaseNumbers::kAllRed;
    phase.SyncStates();
  }
  start_.Item(1)->minDuration_ = project_->AllRedTime;
  start_.Recompute();
  RecountNumbers();
}

void TPhaseStg::RecomputeAll() {
  work_.Recompute();
  // Special phases change into others through the same trend times.
  special_.Recompute();
  RefreshStartPhases();
}

void TPhaseStg::GroupChanged(TTrendGroup& group, bool added) {
  // The start-up phases too: until their next refresh they would otherwise
  // keep states of trends that are gone.
  ForEachPhase([&](TPhase& phase) {
    if (added) {
      phase.AddStatesOf(group);
    } else {
      phase.RemoveStatesOf(group);
    }
  });
  ForEachList([](TPhaseList& list) { list.Recompute(); });
}

void TPhaseStg::GroupDestroyed(TTrendGroup& group) {
  for (TPhaseList* list : {&call1_, &call2_}) {
    if (list->CallGroup() == &group) list->ForgetCallGroup();
  }
  GroupChanged(group, false);
}

void TPhaseStg::ListChanged(TPhaseList& list) {
  if (resetting_) return;
  if (&list == &work_) RefreshStartPhases();
}

void TPhaseStg::RecountNumbers() {
  numbers_.Reset();
  for (const TPhaseList* list : {&work_, &special_, &call1_, &call2_}) {
    for (int i = 0; i < list->Count(); ++i) {
      const TPhase& phase = *list->Item(i);
      if (phase.Number() != TPhaseNumbers::kAllRed && !list->IsBoundary(phase)) numbers_.Mark(phase.Number());
    }
  }
}

int TPhaseStg::TakeFreeNumber() {
  RecountNumbers();
  const int number = numbers_.FirstFree();
  numbers_.Mark(number);
  return number;
}

template <class Visit>
void TPhaseStg::ForEachNumbered(Visit visit) const {
  for (int i = 0; i < work_.Count(); ++i) visit(*work_.Item(i));
  for (const TPhaseList* list : {&call1_, &call2_}) {
    if (!list->CallActive()) continue;
    for (int i = 1; i < list->Count() - 1; ++i) visit(*list->Item(i));
  }
  for (int i = 0; i < special_.Count(); ++i) visit(*special_.Item(i));
}

void TPhaseStg::NormalizeNumbers() {
  int number = 1;
  ForEachNumbered([&](TPhase& phase) {
    phase.number_ = static_cast<std::uint8_t>(number > TPhaseNumbers::kHighestGiven ? TPhaseNumbers::kNoneFree : number);
    number = TPhaseNumbers::NextGiven(number);
  });
  RefreshCallList(call1_);
  RefreshCallList(call2_);
  RecountNumbers();
}

bool TPhaseStg::NumbersNormal() const {
  int number = 1;
  bool normal = true;
  ForEachNumbered([&](const TPhase& phase) {
    normal = normal && phase.Number() == number;
    number = TPhaseNumbers::NextGiven(number);
  });
  return normal;
}

void TPhaseStg::SetCycleCount(int count) {
  if (count < 0) ThrowListIndexError(count);
  cycleCount_ = count;
  ForEachPhase([&](TPhase& phase) { phase.FitDurations(count); });
}

void TPhaseStg::InsertCycleDuration(int index) {
  if (index < 0 || index > cycleCount_) ThrowListIndexError(index);
  ForEachPhase([&](TPhase& phase) {
    phase.FitDurations(cycleCount_);
    phase.InsertDuration(index);
  });
  ++cycleCount_;
}

void TPhaseStg::EraseCycleDuration(int index) {
  if (index < 0 || index >= cycleCount_) ThrowListIndexError(index);
  ForEachPhase([&](TPhase& phase) {
    phase.FitDurations(cycleCount_);
    phase.EraseDuration(index);
  });
  --cycleCount_;
}

void TPhaseStg::SetTransitionCalculator(std::unique_ptr<TTransitionCalculator> calculator) {
  transitions_ = calculator != nullptr ? std::move(calculator) : std::make_unique<TNoTransitions>();
  ForEachList([](TPhaseList& list) { list.Recompute(); });
}

}  // namespace lir
