#pragma once
// How trends change their signals between two phases: the signal a trend
// shows at a moment of a transition interval (CalcTProm), the change moments
// of a phase's transition into the next phase of its list, and the length of
// a transition between any two phases, as work cycles of the extended year
// plan may jump between phases in any order.

#include <stdexcept>

#include "model/PhaseTransitions.h"
#include "model/SignalStates.h"

namespace lir {

class TIntList;
class TPhase;
class TTrend;

// A transition or a signal could not be worked out; the operation is abandoned.
class ETransitionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The signal state a trend shows `time` seconds before the end of the
// transition from a phase where it holds `from` into one where it holds `to`;
// time -1 (or 0) is the main part of the phase, which shows the steady signal
// of `from`. The times are the trend's ordinary Times. A tram stop trend has
// no rule of its own (TramStopSignal in TrendSignal.h derives it): it raises
// ETransitionError.
int CalcTProm(const TTrend& trend, int time, TPhaseState from, TPhaseState to);

// Whether the transition from `from` into `to` takes the trends' universal
// times: only with universal transitions on, and then for every transition
// but those of a call list and those between neighbours of the work list.
bool UsesUnivTimes(const TPhase& from, const TPhase& to);
// The time of the state from the table UsesUnivTimes chooses.
int TransitionTime(const TTrend& trend, int state, bool univ);

// Seconds from the end of `from`'s main part to the start of `to`: 0 after an
// all-red phase and after the exit phase of a call list.
int TransitionLength(const TPhase& from, const TPhase& to);

// The change moments of the transition of a phase into the next phase of its
// list, from the trends' ordinary times: what the project installs in its
// phase storage.
class TTrendTransitions final : public TTransitionCalculator {
 public:
  void Compute(const TPhase& from, const TPhase& to, TIntList& times) const override;
};

}  // namespace lir
