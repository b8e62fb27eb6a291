#include "model/CycleList.h"

#include "common/Format.h"
#include "model/LIRModels.h"
#include "model/Phase.h"
#include "model/PhaseList.h"
#include "model/PhaseStorage.h"
#include "model/Project.h"
#include "model/TransitionCalc.h"

namespace lir {

void ReleaseCycleFromPlan(TLinkedObject& plan, const TCycle& cycle, TCycle& off) {
  for (int i = plan.Count() - 1; i >= 0; --i) {
    TLinkedObjItem* item = plan.Item(i);
    if (item == nullptr || item->Link() != &cycle) continue;
    if (plan.Count() < 2) {
      item->SetLink(&off);
    } else {
      plan.Delete(i);
    }
  }
}

TWorkCycles::TWorkCycles(TProject& project) : project_(&project) { project.Phases().Events().Subscribe(*this); }

TWorkCycles::~TWorkCycles() { project_->Phases().Events().Unsubscribe(*this); }

TPhaseList& TWorkCycles::WorkPhases() const { return project_->Phases().WorkPhases(); }

int TWorkCycles::CycleCode(const TCycle* cycle) const {
  if (cycle == &yellowFlashing_) return kYellowFlashingCode;
  if (cycle == &off_) return kOffCode;
  return IndexOf(cycle);
}

TCycle* TWorkCycles::CycleByCode(int code) {
  if (code == kYellowFlashingCode) return &yellowFlashing_;
  if (code == kOffCode) return &off_;
  return code >= 0 && code < Count() ? Cycle(code) : nullptr;
}

int TWorkCycles::MaxCycles() const {
  const TLIRModel* model = project_->FirstModel();
  return model != nullptr ? model->MaxWorkCycles() : kMaxCyclesWithoutModel;
}

// The storage counts cycles of its own; a project read from a file may have
// set it apart from the list.
void TWorkCycles::FitPhaseDurations() {
  TPhaseStg& phases = project_->Phases();
  if (phases.CycleCount() != Count()) phases.SetCycleCount(Count());
}

TProgram* TWorkCycles::AddCycle() {
  if (!CanAddCycle()) return nullptr;
  FitPhaseDurations();
  auto* cycle = new TProgram(kNewCycleName);
  cycles_.Add(cycle);
  project_->Phases().InsertCycleDuration(Count() - 1);
  return cycle;
}

bool TWorkCycles::CanDeleteCycle(int index) const {
  return index >= 0 && index < Count() && Cycle(index)->RefCount() <= 0;
}

bool TWorkCycles::DeleteCycle(int index) {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  TProgram& cycle = *Cycle(index);
  if (!Releasable(cycle)) return false;
  if (DayPlans) {
    for (TLinkedObject* plan : DayPlans()) ReleaseCycleFromPlan(*plan, cycle, off_);
  }
  if (cycle.RefCount() > 0) return false;
  FitPhaseDurations();
  cycles_.Delete(index);
  project_->Phases().EraseCycleDuration(index);
  return true;
}

void TWorkCycles::Clear() {
  cycles_.Clear();
  project_->Phases().SetCycleCount(0);
}

TProgramPhase* TWorkCycles::AddCycleItem(TProgram& cycle, int index, TPhase& phase) {
  const int duration = phase.Owner().IsCallList() ? phase.MinDuration() : 1;
  return cycle.AddPhase(index, phase, duration);
}

void TWorkCycles::RemovePhaseFromCycles(const TPhase& phase) {
  for (int c = 0; c < Count(); ++c) {
    TProgram& cycle = *Cycle(c);
    for (int i = cycle.Count() - 1; i >= 0; --i) {
      if (cycle.Phase(i)->Phase() == &phase) cycle.Delete(i);
    }
  }
}

int TWorkCycles::CycleLength(const TProgram& cycle, bool useMinDurations) const {
  int length = 0;
  for (int i = 0; i < cycle.Count(); ++i) {
    const TProgramPhase& item = *cycle.Phase(i);
    const TProgramPhase& previous = *cycle.Phase(i == 0 ? cycle.Count() - 1 : i - 1);
    length += useMinDurations ? item.Phase()->MinDuration() : item.Duration();
    length += TransitionLength(*previous.Phase(), *item.Phase());
  }
  return length;
}

int TWorkCycles::OrdinaryCycleLength(int cycle) const {
  const TPhaseList& work = WorkPhases();
  int length = 0;
  for (int i = 0; i < work.Count(); ++i) {
    const TPhase& phase = *work.Item(i);
    length += (cycle == -1 ? phase.MinDuration() : phase.Durations().Get(cycle)) + phase.TransitionLength();
  }
  return length;
}

std::string TWorkCycles::OrdinaryCycleLengthText(int cycle) const {
  return sformat("%d с", OrdinaryCycleLength(cycle));
}

std::unique_ptr<TProgram> TWorkCycles::ProgramFromCycle(int index) const {
  const bool valid = index >= 0 && index < Count();
  auto program = std::make_unique<TProgram>(valid ? Cycle(index)->Name() : std::string(kMinimalCycleName));
  const TPhaseList& work = WorkPhases();
  for (int i = 0; i < work.Count(); ++i) {
    TPhase& phase = *work.Item(i);
    program->AppendPhase(phase, valid ? phase.Durations().Get(index) : phase.MinDuration());
  }
  return program;
}

std::unique_ptr<TProgram> TWorkCycles::ProgramFromList(const TPhaseList& list, const std::string& name) const {
  auto program = std::make_unique<TProgram>(name);
  for (int i = 0; i < list.Count(); ++i) program->AppendPhase(*list.Item(i), list.Item(i)->MinDuration());
  return program;
}

bool TWorkCycles::RunsAllWorkPhases(const TProgram& program) const {
  const TPhaseList& work = WorkPhases();
  if (program.Count() != work.Count()) return false;
  for (int i = 0; i < work.Count(); ++i) {
    if (program.Phase(i)->Phase() != work.Item(i)) return false;
  }
  return true;
}

bool TWorkCycles::SwitchExpandYearPlan(bool on) {
  FitPhaseDurations();
  const TPhaseList& work = WorkPhases();
  if (on) {
    for (int c = 0; c < Count(); ++c) {
      TProgram& cycle = *Cycle(c);
      cycle.Clear();
      cycle.SetOffset(0);
      for (int i = 0; i < work.Count(); ++i) cycle.AppendPhase(*work.Item(i), work.Item(i)->Durations().Get(c));
    }
    auto reserve = std::make_unique<TProgram>(kReserveCycleName);
    for (int i = 0; i < work.Count(); ++i) reserve->AppendPhase(*work.Item(i), work.Item(i)->MinDuration());
    if (!cycles_.Insert(0, reserve.get())) return false;
    reserve.release();
    // Every other cycle moves up one place and takes its durations along.
    project_->Phases().InsertCycleDuration(0);
    return true;
  }
  for (int c = 0; c < Count(); ++c) {
    if (!RunsAllWorkPhases(*Cycle(c)) && !Releasable(*Cycle(c))) return false;
  }
  if (Count() > 0 && Cycle(0)->RefCount() <= 0) DeleteCycle(0);
  for (int c = Count() - 1; c >= 0; --c) {
    if (!RunsAllWorkPhases(*Cycle(c)) && !DeleteCycle(c)) return false;
  }
  for (int i = 0; i < work.Count(); ++i) {
    TPhase& phase = *work.Item(i);
    for (int c = 0; c < Count(); ++c) {
      const int duration = Cycle(c)->Phase(i)->Duration();
      phase.SetDuration(c, duration != 0 ? duration : phase.MinDuration());
    }
  }
  // Without the extended year plan the phases hold the durations and the
  // cycles' own sequences are not used.
  for (int c = 0; c < Count(); ++c) Cycle(c)->Clear();
  return true;
}

void TWorkCycles::PrepareReserveCycle() {
  if (!project_->HasOption(poExpandYearPlan)) return;
  if (Count() == 0 || !RunsAllWorkPhases(*Cycle(0))) throw ECycleError("Invalid reserv program.");
  FitPhaseDurations();
  const TProgram& reserve = *Cycle(0);
  for (int i = 0; i < reserve.Count(); ++i) reserve.Phase(i)->Phase()->SetDuration(0, reserve.Phase(i)->Duration());
}

}  // namespace lir
