#include "model/TrendSignal.h"

#include "model/Phase.h"
#include "model/PhaseList.h"
#include "model/TransitionCalc.h"
#include "model/Trend.h"
#include "model/TrendGroup.h"

namespace lir {

namespace {

const TPhase& NextInList(const TPhase& phase) {
  const TPhaseList& list = phase.Owner();
  const int index = list.IndexOf(&phase);
  if (index < 0) throw EPhaseError("Phase have no owner");
  return *list.Item((index + 1) % list.Count());
}

constexpr int kTramDirectionKinds[] = {4, 5, 6};

}  // namespace

int TramStopSignal(const TTrend& stopTrend, int time, const TPhase& phase, const TPhase& next) {
  for (int kind : kTramDirectionKinds) {
    const TTrend* direction = stopTrend.Group().TrendOfKind(kind);
    if (direction == nullptr) return ssExtraRed;
    const int signal = CalcTProm(*direction, time, phase.GetState(*direction), next.GetState(*direction));
    if (signal < ssAdvanceRed || signal > ssExtraRed) return ssExtraRed;
  }
  return ssExtraGreen;
}

int TrendSignal(const TPhase& phase, const TTrend& trend, int step) {
  const TPhase& following = NextInList(phase);
  const TPhase& next = step == -1 ? phase : following;
  const TIntList& times = phase.TPromTimes();
  const int time = step == -1 ? -1 : times.Get(times.Count() - 1 - step);
  if (trend.Kind() == kTramStopKind) return TramStopSignal(trend, time, phase, next);
  return CalcTProm(trend, time, phase.GetState(trend), next.GetState(trend));
}

int DisplayCodeOf(int signal) {
  switch (signal) {
    case ssGreen:
    case ssExtraGreen:
    case ssAdvanceGreen:
      return dcGreen;
    case ssGreenBlinking:
      return dcGreenBlinking;
    case ssYellow:
      return dcYellow;
    case ssAdvanceRed:
    case ssRed:
    case ssExtraRed:
    case ssAllRed:
      return dcRed;
    case ssRedYellow:
      return dcRedYellow;
    case ssYellowFlashing:
      return dcYellowFlashing;
    case ssOff:
      return dcOff;
    default:
      throw ETransitionError("unknown tprom");
  }
}

int DisplayCode(const TPhase& phase, int step, bool expanded, const TTrend& trend) {
  const TPhase& next = NextInList(phase);
  const TPhaseState from = phase.GetState(trend);
  const TPhaseState to = next.GetState(trend);
  int time = 0;
  if (step >= 1 && expanded) {
    const TIntList& times = phase.TPromTimes();
    time = times.Get(times.Count() - step);
  } else if (step >= 1 && IsOpenPhaseState(from) != IsOpenPhaseState(to)) {
    const bool closes = IsOpenPhaseState(from);
    const int first = closes ? ssGreenBlinking : ssRedYellow;
    const int last = closes ? ssAdvanceRed : ssAdvanceGreen;
    for (int state = first; state <= last; ++state) {
      if (trend.GetTime(state) != 0) return closes ? dcClosing : dcOpening;
    }
  }
  return DisplayCodeOf(CalcTProm(trend, time, from, to));
}

}  // namespace lir
