#include "model/TransitionCalc.h"

#include <algorithm>
#include <initializer_list>

#include "model/IntList.h"
#include "model/Phase.h"
#include "model/PhaseList.h"
#include "model/PhaseStorage.h"
#include "model/Project.h"
#include "model/Trend.h"

namespace lir {

namespace {

// Closing: advance red is examined first, so that a state whose time is
// shared with an earlier one (yellow starting together with green blinking)
// is the one shown.
constexpr std::initializer_list<int> kClosingStates = {ssAdvanceRed, ssYellow, ssGreenBlinking};
constexpr std::initializer_list<int> kOpeningStates = {ssAdvanceGreen, ssRedYellow};

}  // namespace

int CalcTProm(const TTrend& trend, int time, TPhaseState from, TPhaseState to) {
  if (trend.Kind() == kTramStopKind) {
    throw ETransitionError("TTram.CalcTProm is deprecated. Call special function.");
  }
  CheckPhaseState(from);
  CheckPhaseState(to);
  const int steady = SteadySignalState(from);
  if (from == to || time <= 0) return steady;
  const bool closes = IsOpenPhaseState(from);
  if (closes == IsOpenPhaseState(to)) return steady;
  for (int state : closes ? kClosingStates : kOpeningStates) {
    if (!trend.HasState(state) || trend.GetTime(state) < time) continue;
    // A trend opening into green blinking has nothing steady to go to
    // before it and blinks from its first green on.
    if (state == ssAdvanceGreen && to == psGreenBlinking) return ssGreenBlinking;
    return state;
  }
  return steady;
}

bool UsesUnivTimes(const TPhase& from, const TPhase& to) {
  const TPhaseList& list = from.Owner();
  if (!list.Storage().Project().HasOption(poCalcTProm)) return false;
  if (&to.Owner() != &list) return true;
  if (list.IsCallList()) return false;
  if (list.ListType() != pltWork) return true;
  const int index = list.IndexOf(&from);
  return index < 0 || list.Item((index + 1) % list.Count()) != &to;
}

int TransitionTime(const TTrend& trend, int state, bool univ) {
  return univ ? trend.GetUnivTime(state) : trend.GetTime(state);
}

int TransitionLength(const TPhase& from, const TPhase& to) {
  const TPhaseList& list = from.Owner();
  if (from.PhaseType() == ptAllRed) return 0;
  if (list.IsCallList() && list.Last() == &from) return 0;
  const bool univ = UsesUnivTimes(from, to);
  int length = 0;
  const auto& states = from.States();
  for (int i = 0; i < states.Count(); ++i) {
    const TTrend& trend = states.Items(i)->Trend();
    const bool wasOpen = IsOpenPhaseState(states.Items(i)->State());
    if (wasOpen == IsOpenPhaseState(to.GetState(trend))) continue;
    length = std::max(length, TransitionTime(trend, wasOpen ? ssGreenBlinking : ssRedYellow, univ));
  }
  return length;
}

void TTrendTransitions::Compute(const TPhase& from, const TPhase& to, TIntList& times) const {
  times.SetSorted(true);
  times.SetDuplicates(TDuplicates::Ignore);
  const auto& states = from.States();
  for (int i = 0; i < states.Count(); ++i) {
    const TTrend& trend = states.Items(i)->Trend();
    const bool wasOpen = IsOpenPhaseState(states.Items(i)->State());
    if (wasOpen == IsOpenPhaseState(to.GetState(trend))) continue;
    for (int state : wasOpen ? kClosingStates : kOpeningStates) {
      const int time = trend.Times()[static_cast<std::size_t>(state)];
      if (trend.HasState(state) && time != 0) times.Add(time);
    }
  }
}

}  // namespace lir
