#include "model/CycleSteps.h"

#include "model/Cycle.h"
#include "model/Phase.h"
#include "model/Project.h"
#include "model/TransitionCalc.h"
#include "model/Trend.h"

namespace lir {

namespace {

// What a trend shows through the main part of a phase holding it in `state`.
std::uint8_t MainSignal(int state) {
  switch (state) {
    case psGreen:
      return ssGreen;
    case psGreenBlinking:
      return ssGreenBlinking;
    case psRed:
      return ssRed;
    case psYellow:
      return ssYellow;
    case psYellowFlashing:
      return ssYellowFlashing;
    case psOff:
      return ssOff;
    default:
      throw ETransitionError("err");
  }
}

// The reserve cycle runs without the reversible lanes: they stay dark.
bool DarkInReserve(const TTrend& trend) { return trend.Kind() == 10 || trend.Kind() == 11; }

// The signal the trend takes `moment` seconds before the end of the
// transition, or -1 when it does not change then.
int ChangeAt(const TTrend& trend, int moment, TPhaseState from, TPhaseState to, bool univ) {
  const bool closes = IsOpenPhaseState(from);
  if (closes == IsOpenPhaseState(to)) return -1;
  // When several states begin together the later one is what shows.
  if (closes) {
    for (int state : {ssAdvanceRed, ssYellow, ssGreenBlinking}) {
      if (TransitionTime(trend, state, univ) == moment) return state;
    }
    return -1;
  }
  if (TransitionTime(trend, ssAdvanceGreen, univ) == moment) {
    return to == psGreenBlinking ? ssGreenBlinking : ssAdvanceGreen;
  }
  return TransitionTime(trend, ssRedYellow, univ) == moment ? ssRedYellow : -1;
}

}  // namespace

TProgramSteps ProgramSteps(const TProject& project, const TProgram& program) {
  std::vector<const TTrend*> trends;
  for (int row = 0; row < project.GridRowCount(); ++row) trends.push_back(project.GridTrend(row));
  const bool reserve = project.Cycles().Count() > 0 && project.Cycles().Cycle(0) == &program;

  TProgramSteps result;
  // Only a hint: a program with long transitions takes more.
  result.Steps.reserve(100);
  for (int i = 0; i < program.Count(); ++i) {
    const TProgramPhase& item = *program.Phase(i);
    const TPhase& phase = *item.Phase();
    const TPhase& next = *program.Phase((i + 1) % program.Count())->Phase();

    TProgramStep main;
    main.Number = phase.Number();
    main.Index = i;
    const bool allRed = phase.PhaseType() == ptAllRed;
    main.Duration = allRed ? project.AllRedTime : item.Duration();
    main.MinDuration = allRed ? project.AllRedTime : phase.MinDuration();
    result.TotalDuration += main.Duration;
    result.TotalMinDuration += main.MinDuration;
    for (const TTrend* trend : trends) {
      main.Signals.push_back(reserve && DarkInReserve(*trend) ? std::uint8_t{ssOff} : MainSignal(phase.GetState(*trend)));
    }
    result.Steps.push_back(main);

    const int length = TransitionLength(phase, next);
    if (length <= 0) continue;
    result.TotalDuration += length;
    result.TotalMinDuration += length;
    const bool univ = UsesUnivTimes(phase, next);
    bool inTransition = false;
    for (int moment = length; moment >= 1; --moment) {
      std::vector<std::uint8_t> signals = result.Steps.back().Signals;
      bool changed = false;
      for (std::size_t t = 0; t < trends.size(); ++t) {
        if (reserve && DarkInReserve(*trends[t])) continue;
        const int signal = ChangeAt(*trends[t], moment, phase.GetState(*trends[t]), next.GetState(*trends[t]), univ);
        if (signal < 0) continue;
        signals[t] = static_cast<std::uint8_t>(signal);
        changed = true;
      }
      if (!changed) continue;
      if (inTransition) {
        result.Steps.back().Duration -= moment;
        result.Steps.back().MinDuration -= moment;
      }
      TProgramStep step;
      step.Number = TProgramStep::kTransitionNumber;
      step.Index = i;
      step.Duration = moment;
      step.MinDuration = moment;
      step.Signals = std::move(signals);
      result.Steps.push_back(std::move(step));
      inTransition = true;
    }
  }
  return result;
}

}  // namespace lir
