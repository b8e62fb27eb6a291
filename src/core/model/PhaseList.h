#pragma once
// TPhaseList: one ordered list of phases of the project's phase storage: the
// work phases, the special phases, the phases of the first or second
// pedestrian call (ТВП1, ТВП2) or the fixed start-up sequence. A call list
// begins with an entry phase and ends with an exit phase that mirror the work
// phases; the user edits the phases between them.
//
// The list is also seen as a sequence of steps (phase grids, timing diagram,
// programs editor): for every phase its main step, followed by its
// transition steps, one per change moment (Expanded) or one for the whole
// transition. An all-red phase and the last phase of a call list have none.

#include <cstdint>
#include <functional>
#include <string>

#include "common/ObjectBase.h"
#include "model/ObjList.h"
#include "model/Phase.h"

namespace lir {

class TCall;
class TPhaseStg;

enum TPhaseListType : std::uint8_t {
  pltWork = 1,
  pltSpecial = 2,
  pltCall1 = 3,
  pltCall2 = 4,
  pltStart = 5,
};

// Where a step of a list lies.
struct TPhaseStepPlace {
  int StartTime;    // seconds from the start of the list to the start of the phase
  int StepInPhase;  // 0 the main step, 1.. the transition steps
  TPhase* Phase;
};

class TPhaseList : public TObject {
  LIR_CLASS(TPhaseList, TObject)

  TPhaseList(TPhaseStg& storage, TPhaseListType type) : storage_(&storage), type_(type) {}

  TPhaseStg& Storage() const { return *storage_; }
  TPhaseListType ListType() const { return type_; }
  bool IsCallList() const { return type_ == pltCall1 || type_ == pltCall2; }

  const TObjList<TPhase>& Phases() const { return phases_; }
  int Count() const { return phases_.Count(); }
  TPhase* First() const { return phases_.First(); }
  TPhase* Last() const { return phases_.Last(); }
  TPhase* Item(int index) const { return phases_.Items(index); }
  int IndexOf(const TPhase* phase) const { return phases_.IndexOf(phase); }
  // Null for 0 and for a number no phase here carries.
  TPhase* PhaseByNumber(int number) const;
  // The entry or exit phase of a call list.
  bool IsBoundary(const TPhase& phase) const;

  // A new phase with the first free number. Null while the storage allows no
  // further phase, and always for the start-up sequence. The index is clamped
  // to the list; in a call list to the places between entry and exit.
  TPhase* AddPhase() { return InsertPhase(Count()); }
  TPhase* InsertPhase(int index);
  // A copy of the phase, with a number of its own, inserted after it; null as
  // for InsertPhase or when the phase is not in this list.
  TPhase* DuplicatePhase(const TPhase& phase);
  // Both refuse (false) what the storage's CanDelete refuses.
  bool DeletePhase(int index);
  bool RemovePhase(TPhase& phase);
  // Deletes every phase and forgets the call group (which leaves the
  // project); a call list then gets its two boundary phases again.
  void Clear();

  // Computes again the transition of every phase into the next one, the last
  // phase's successor being the first.
  virtual void Recompute();

  // The call group of a call list; non-null while the list is in use.
  TCall* CallGroup() const { return callGroup_; }
  bool CallActive() const { return callGroup_ != nullptr; }
  // Activating adds a call group to the project (false when there is no room
  // for one); deactivating removes it and clears the list. Call lists only.
  bool SetCallActive(bool active);
  // Attaches a group the project already has (a project being read).
  void SetCallGroup(TCall* group);

  // After a phase was inserted.
  std::function<void(TPhaseList&, TPhase&)> OnPhaseAdded;
  // After the list changed.
  std::function<void(TPhaseList&)> OnChange;

  // The step view. LocateStep, StepDuration and StepName throw EPhaseError
  // "Incorrect Step number %d" for a step outside the list.
  int StepCount(bool expanded) const;
  // The phase's main step, or -1 when it is not in the list.
  int FirstStepOf(const TPhase& phase, bool expanded) const;
  // Start times add each earlier phase's main part (MinDuration for cycle -1,
  // else its duration in that cycle) and its transition.
  TPhaseStepPlace LocateStep(int step, bool expanded, int cycle) const;
  // MinDuration for a main step; for a transition step its own length
  // (expanded) or that of the whole transition.
  int StepDuration(int step, bool expanded) const;
  // ">>" for a transition step, else the phase's caption.
  std::string StepName(int step, bool expanded) const;

 private:
  friend class TPhaseStg;

  int TransitionStepsOf(int index, bool expanded) const;
  int TransitionLengthOf(int index) const;
  // Inserts without asking the storage's limit; fires OnPhaseAdded.
  TPhase* CreatePhase(int index, int number);
  void DeleteAll();
  // Recompute, let the storage follow, tell OnChange.
  void Changed();
  void ForgetCallGroup() { callGroup_ = nullptr; }

  TPhaseStg* storage_;
  TPhaseListType type_;
  TObjList<TPhase> phases_{true};
  TCall* callGroup_ = nullptr;
};

}  // namespace lir
