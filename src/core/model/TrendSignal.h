#pragma once
// What a trend shows in a step of a phase list (the phase's main part or one
// of its transition steps) and the code a phase-grid cell shows for it.

#include <cstdint>

namespace lir {

class TPhase;
class TTrend;

// `step` is -1 for the main part, else the 0-based transition step of the
// phase's transition into the next phase of its list (the first after the
// last). A tram stop trend follows its group's directions (TramStopSignal).
// Throws EPhaseError "Phase have no owner" for a phase its list does not hold.
int TrendSignal(const TPhase& phase, const TTrend& trend, int step);

// The stop signal of a tram group: its three lamps lit (state 1) while all
// three directions show a red (advance, ordinary or additional), else dark
// (state 6). `time` and the two phases as for CalcTProm.
int TramStopSignal(const TTrend& stopTrend, int time, const TPhase& phase, const TPhase& next);

// The codes of the phase grids.
enum TDisplayCode : std::uint8_t {
  dcGreen = 0,
  dcGreenBlinking = 1,
  dcYellow = 2,
  dcRed = 3,
  dcRedYellow = 4,
  dcClosing = 5,
  dcOpening = 6,
  dcOff = 7,
  dcYellowFlashing = 8,
};

// `step` 0 is the main part, 1.. the transition steps (expanded), or 1 the
// whole transition (not expanded), which shows only whether the trend closes
// or opens there. Throws ETransitionError "unknown tprom" for a signal no
// code stands for.
int DisplayCode(const TPhase& phase, int step, bool expanded, const TTrend& trend);
// The code of a signal state; ETransitionError "unknown tprom" for others.
int DisplayCodeOf(int signal);

}  // namespace lir
