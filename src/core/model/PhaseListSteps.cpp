// The step view of a phase list.
#include "common/Format.h"
#include "model/PhaseList.h"

namespace lir {

namespace {

[[noreturn]] void ThrowStepError(int step) { throw EPhaseError(sformat("Incorrect Step number %d", step)); }

}  // namespace

int TPhaseList::TransitionStepsOf(int index, bool expanded) const {
  const TPhase& phase = *Item(index);
  // An all-red phase leads straight into the next one; a call ends with its exit phase.
  if (phase.PhaseType() == ptAllRed || (IsCallList() && index == Count() - 1)) return 0;
  const int moments = phase.TPromTimes().Count();
  return expanded ? moments : (moments > 0 ? 1 : 0);
}

int TPhaseList::TransitionLengthOf(int index) const {
  return TransitionStepsOf(index, false) > 0 ? Item(index)->TransitionLength() : 0;
}

int TPhaseList::StepCount(bool expanded) const {
  int steps = 0;
  for (int i = 0; i < Count(); ++i) steps += 1 + TransitionStepsOf(i, expanded);
  return steps;
}

int TPhaseList::FirstStepOf(const TPhase& phase, bool expanded) const {
  const int index = IndexOf(&phase);
  if (index < 0) return -1;
  int step = 0;
  for (int i = 0; i < index; ++i) step += 1 + TransitionStepsOf(i, expanded);
  return step;
}

TPhaseStepPlace TPhaseList::LocateStep(int step, bool expanded, int cycle) const {
  if (step < 0) ThrowStepError(step);
  int left = step;
  int start = 0;
  for (int i = 0; i < Count(); ++i) {
    const int steps = 1 + TransitionStepsOf(i, expanded);
    if (left < steps) return {start, left, Item(i)};
    left -= steps;
    const TPhase& phase = *Item(i);
    start += (cycle == -1 ? phase.MinDuration() : phase.Durations().Get(cycle)) + TransitionLengthOf(i);
  }
  ThrowStepError(step);
}

int TPhaseList::StepDuration(int step, bool expanded) const {
  const TPhaseStepPlace place = LocateStep(step, expanded, -1);
  const TPhase& phase = *place.Phase;
  if (place.StepInPhase == 0) return phase.MinDuration();
  const TIntList& times = phase.TPromTimes();
  const int n = times.Count();
  if (!expanded) return times.Get(n - 1);
  // Transition step j begins times[n-1-j] seconds before the end and runs
  // until the next moment; the last one runs to the end.
  const int j = place.StepInPhase - 1;
  return j == n - 1 ? times.Get(0) : times.Get(n - 1 - j) - times.Get(n - 2 - j);
}

std::string TPhaseList::StepName(int step, bool expanded) const {
  const TPhaseStepPlace place = LocateStep(step, expanded, -1);
  return place.StepInPhase > 0 ? std::string(">>") : place.Phase->Caption();
}

}  // namespace lir
