#pragma once
// TPhaseStg: all phases of a project, in five lists, with what keeps them
// consistent: the start-up sequence and the boundary phases of the call lists
// follow the work phases, every phase holds a state for every trend, holds a
// duration for every work cycle and has its transitions computed, and phase
// numbers are given from the set of free ones. Phases are destroyed here
// only, so nothing keeps pointing at a destroyed phase.

#include <memory>

#include "model/PhaseEvents.h"
#include "model/PhaseList.h"
#include "model/PhaseNumbers.h"
#include "model/PhaseTransitions.h"
#include "model/TrendEvents.h"

namespace lir {

class TProject;
class TTrendGroup;

class TPhaseStg final : public TTrendEvents {
 public:
  // The editor keeps TotalCount() + kAddReserve below this.
  static constexpr int kMaxPhases = 32;
  static constexpr int kAddReserve = 4;

  // The start-up sequence of three КК phases, then Reset. Subscribes to the
  // project's group events.
  explicit TPhaseStg(TProject& project);
  ~TPhaseStg() override;
  TPhaseStg(const TPhaseStg&) = delete;
  TPhaseStg& operator=(const TPhaseStg&) = delete;

  TProject& Project() const { return *project_; }

  TPhaseList& WorkPhases() { return work_; }
  TPhaseList& SpecialPhases() { return special_; }
  TPhaseList& Call1Phases() { return call1_; }
  TPhaseList& Call2Phases() { return call2_; }
  TPhaseList& StartPhases() { return start_; }
  const TPhaseList& WorkPhases() const { return work_; }
  const TPhaseList& SpecialPhases() const { return special_; }
  const TPhaseList& Call1Phases() const { return call1_; }
  const TPhaseList& Call2Phases() const { return call2_; }
  const TPhaseList& StartPhases() const { return start_; }
  // The all-red phase in the middle of the start-up sequence.
  TPhase* StartAllRed() const { return start_.Count() > 1 ? start_.Item(1) : nullptr; }

  // One work phase; no special phases; both call lists unused with their two
  // boundary phases; no work cycles.
  void Reset();

  // Searches work, special, ТВП1 and ТВП2 phases, skipping the boundary
  // phases of the call lists (copies of work phases); null for 0.
  TPhase* FindByNumber(int number) const;
  // Work and special phases and the phases between the boundaries of each
  // call list.
  int TotalCount() const;
  bool CanAddPhase() const { return TotalCount() + kAddReserve < kMaxPhases; }
  // Not the last work phase, not a boundary of a call list, nothing of the
  // start-up sequence.
  bool CanDelete(const TPhase& phase) const;

  // Both call lists, then the start-up sequence: last work phase, КК phase
  // with the project's all-red time, first work phase.
  void RefreshStartPhases();
  // The work and special phases' transitions, then the start-up and call
  // lists; what follows any change of the trends' times.
  void RecomputeAll();
  // States of the group's trends added to or removed from every phase, then
  // every list recomputed.
  void GroupChanged(TTrendGroup& group, bool added);
  void GroupCreated(TTrendGroup& group) override { GroupChanged(group, true); }
  void GroupDestroyed(TTrendGroup& group) override;
  void TimesChanged() override { RecomputeAll(); }

  // Numbering.
  const TPhaseNumbers& Numbers() const { return numbers_; }
  // Marks the numbers of the phases of all but the start-up list, boundary
  // phases of call lists left out.
  void RecountNumbers();
  // The first free number, marked as used; kNoneFree when there is none.
  int TakeFreeNumber();
  // 1, 2, ... 12, 16, ... over the work phases, the call phases of the lists
  // in use and the special phases, in that order.
  void NormalizeNumbers();
  bool NumbersNormal() const;

  // Work cycles: every phase keeps one duration per cycle, by cycle index.
  int CycleCount() const { return cycleCount_; }
  // New durations are the phases' MinDuration; extra ones go from the end.
  void SetCycleCount(int count);
  // A cycle was inserted at / erased from the index: the other cycles keep
  // their durations. Throw EListError for an index outside the cycles.
  void InsertCycleDuration(int index);
  void EraseCycleDuration(int index);

  // How transitions are computed; TNoTransitions until one is set. Setting
  // one recomputes every list.
  const TTransitionCalculator& Transitions() const { return *transitions_; }
  void SetTransitionCalculator(std::unique_ptr<TTransitionCalculator> calculator);

  // Told before a phase is destroyed.
  TPhaseEventList& Events() { return events_; }

 private:
  friend class TPhase;
  friend class TPhaseList;

  template <class Visit>
  void ForEachList(Visit visit) {
    for (TPhaseList* list : {&work_, &special_, &call1_, &call2_, &start_}) visit(*list);
  }
  template <class Visit>
  void ForEachPhase(Visit visit) {
    ForEachList([&](TPhaseList& list) {
      for (int i = 0; i < list.Count(); ++i) visit(*list.Item(i));
    });
  }
  // The one way a phase goes: no NextPhase keeps pointing at it, the
  // listeners drop it, then it is destroyed and its number freed.
  void DestroyPhase(TPhase& phase);
  void RefreshCallList(TPhaseList& list);
  void ListChanged(TPhaseList& list);
  // The phase sequence of NormalizeNumbers.
  template <class Visit>
  void ForEachNumbered(Visit visit) const;

  TProject* project_;
  TPhaseList work_{*this, pltWork};
  TPhaseList special_{*this, pltSpecial};
  TPhaseList call1_{*this, pltCall1};
  TPhaseList call2_{*this, pltCall2};
  TPhaseList start_{*this, pltStart};
  TPhaseNumbers numbers_;
  TPhaseEventList events_;
  std::unique_ptr<TTransitionCalculator> transitions_ = std::make_unique<TNoTransitions>();
  int cycleCount_ = 0;
  // While Reset rebuilds the lists, their changes do not refresh the others.
  bool resetting_ = false;
};

}  // namespace lir
