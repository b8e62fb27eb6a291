#pragma once
// TWorkCycles: the project's work cycles in cycle order (the position of a
// cycle is its index into every phase's Durations) and the two fixed programs
// that switch the controller to yellow flashing or off. It keeps the phases'
// durations in step with the cycles and drops every position of a phase that
// is destroyed.

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/Cycle.h"
#include "model/ObjList.h"
#include "model/PhaseEvents.h"

namespace lir {

class TPhase;
class TPhaseList;
class TProject;

// A cycle operation was refused; the cycles are left as they were.
class ECycleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Deletes the items of a day plan that link to the cycle; a plan with fewer
// than two items keeps its item, linked to `off` instead, so it never empties.
void ReleaseCycleFromPlan(TLinkedObject& plan, const TCycle& cycle, TCycle& off);

class TWorkCycles final : public TPhaseEvents {
 public:
  static constexpr const char* kNewCycleName = "Новый цикл";
  static constexpr const char* kReserveCycleName = "Резервный цикл";
  static constexpr const char* kMinimalCycleName = "Минимальный рабочий цикл";
  static constexpr const char* kYellowFlashingName = "ЖМ (желтое мигание)";
  static constexpr const char* kOffName = "ОС (отключенное состояние)";
  // Cycle codes of the fixed programs; work cycles are coded by their index.
  static constexpr int kYellowFlashingCode = 254;
  static constexpr int kOffCode = 255;
  // The limit of a project without a controller.
  static constexpr int kMaxCyclesWithoutModel = 240;

  // Subscribes to the project's phase events.
  explicit TWorkCycles(TProject& project);
  ~TWorkCycles() override;
  TWorkCycles(const TWorkCycles&) = delete;
  TWorkCycles& operator=(const TWorkCycles&) = delete;

  const TObjList<TProgram>& Cycles() const { return cycles_; }
  int Count() const { return cycles_.Count(); }
  TProgram* Cycle(int index) const { return cycles_.Items(index); }
  int IndexOf(const TCycle* cycle) const { return cycles_.IndexOf(cycle); }

  TProgram& YellowFlashing() { return yellowFlashing_; }
  TProgram& Off() { return off_; }
  // The index of a work cycle, 254 or 255 for the fixed programs, -1 for others.
  int CycleCode(const TCycle* cycle) const;
  // Null for a code that stands for nothing.
  TCycle* CycleByCode(int code);

  // The first controller's model limits the cycles.
  int MaxCycles() const;
  bool CanAddCycle() const { return Count() < MaxCycles(); }
  // A new "Новый цикл" at the end; null at the limit.
  TProgram* AddCycle();
  // What the editor allows: no day-plan item uses the cycle.
  bool CanDeleteCycle(int index) const;
  // Releases the cycle from every day plan first, then deletes it and its
  // duration in every phase; the other cycles keep theirs. Refuses (false) a
  // cycle that stays in use, since its users would keep pointing at it.
  // Throws EListError for an index outside the list.
  bool DeleteCycle(int index);
  // Deletes every cycle (the project starts again); the fixed programs stay.
  void Clear();

  // The day plans whose items may link to cycles; none until set.
  std::function<std::vector<TLinkedObject*>()> DayPlans;

  // A position for the phase after `index` of the program, lasting 1 s, or
  // the phase's minimum when it belongs to a call list.
  TProgramPhase* AddCycleItem(TProgram& cycle, int index, TPhase& phase);
  // Deletes every position of every cycle that runs the phase.
  void RemovePhaseFromCycles(const TPhase& phase);
  void PhaseDestroying(TPhase& phase) override { RemovePhaseFromCycles(phase); }

  // The program's phases with their durations (minimum durations) and every
  // transition between neighbours, the last leading into the first.
  int CycleLength(const TProgram& cycle, bool useMinDurations) const;
  // All work phases with their durations in the cycle (minimum durations for
  // cycle -1) and their own transitions.
  int OrdinaryCycleLength(int cycle) const;
  // "%d с".
  std::string OrdinaryCycleLengthText(int cycle) const;

  // Temporary programs for the timing diagram, owned by the caller: the work
  // phases with their durations in the cycle, or the minimal work cycle for an
  // index outside the list; every phase of a list with its minimum.
  std::unique_ptr<TProgram> ProgramFromCycle(int index) const;
  std::unique_ptr<TProgram> ProgramFromList(const TPhaseList& list, const std::string& name) const;

  // Whether the program runs exactly all work phases in list order.
  bool RunsAllWorkPhases(const TProgram& program) const;
  // The conversion that goes with switching the extended year plan on (each
  // cycle gets the work phases as positions, the reserve cycle comes first)
  // or off (cycles that are not plain work-phase sequences go, the positions'
  // durations return to the phases). The caller sets the option itself.
  // Refused (false, nothing changed) when a cycle to go is in use and there
  // are no day plans to release it from.
  bool SwitchExpandYearPlan(bool on);
  // Before an image is built: under the extended year plan cycle 0 must be a
  // plain reserve cycle (ECycleError "Invalid reserv program." otherwise), and
  // its durations become the phases' durations in cycle 0. Nothing to do
  // without the extended year plan.
  void PrepareReserveCycle();

 private:
  TPhaseList& WorkPhases() const;
  void FitPhaseDurations();
  // Whether deleting the cycle leaves nothing pointing at it.
  bool Releasable(const TProgram& cycle) const { return cycle.RefCount() <= 0 || DayPlans != nullptr; }

  TProject* project_;
  TObjList<TProgram> cycles_{true};
  TProgram yellowFlashing_{kYellowFlashingName};
  TProgram off_{kOffName};
};

}  // namespace lir
