#pragma once
// The signals a trend can show (twelve signal states) and the states a trend
// holds inside a phase (six phase states). Their numbers are the ones stored in
// project files and configuration images, so they never change.

#include <array>
#include <cstdint>

namespace lir {

enum TSignalState : std::uint8_t {
  ssGreen = 0,
  ssExtraGreen = 1,
  ssGreenBlinking = 2,
  ssYellow = 3,
  ssAdvanceRed = 4,
  ssRed = 5,
  ssExtraRed = 6,
  ssRedYellow = 7,
  ssAdvanceGreen = 8,
  ssAllRed = 9,
  ssYellowFlashing = 10,
  ssOff = 11,
};
inline constexpr int kSignalStateCount = 12;

// A set of signal states, bit n for state n.
using TSignalStateSet = std::uint16_t;
constexpr TSignalStateSet SignalStateBit(int state) { return static_cast<TSignalStateSet>(1u << state); }
constexpr bool IsSignalState(int state) { return state >= 0 && state < kSignalStateCount; }

inline constexpr std::array<const char*, kSignalStateCount> kSignalStateNames = {
    "Зеленый",
    "Доп. зеленый",
    "Зеленый мигающий",
    "Желтый",
    "Опережающий красный",
    "Красный",
    "Доп. красный",
    "Красный с желтым",
    "Опережающий зеленый",
    "Все красные",
    "ЖМ (желтое мигание)",
    "ОС (отключенное состояние)",
};

// The empty text for a number that is no signal state.
const char* SignalStateName(int state);

enum TPhaseState : std::uint8_t {
  psGreen = 0,
  psGreenBlinking = 1,
  psRed = 2,
  psYellow = 3,
  psYellowFlashing = 4,
  psOff = 5,
};
inline constexpr int kPhaseStateCount = 6;

constexpr bool IsPhaseState(int state) { return state >= 0 && state < kPhaseStateCount; }

struct TPhaseStateInfo {
  // Traffic may pass: the trend is "open" in the phase.
  bool Open;
  // What the trend shows while it keeps this phase state, inside a phase or
  // across a transition.
  TSignalState Steady;
  // The signal state whose name the phase state is shown with.
  TSignalState NamedAs;
};

inline constexpr std::array<TPhaseStateInfo, kPhaseStateCount> kPhaseStates = {{
    {true, ssExtraGreen, ssGreen},
    {true, ssGreenBlinking, ssGreenBlinking},
    {false, ssExtraRed, ssRed},
    {false, ssYellow, ssYellow},
    {false, ssYellowFlashing, ssYellowFlashing},
    {false, ssOff, ssOff},
}};

constexpr bool IsOpenPhaseState(TPhaseState state) { return kPhaseStates[state].Open; }
constexpr TSignalState SteadySignalState(TPhaseState state) { return kPhaseStates[state].Steady; }
// The empty text for a number that is no phase state.
const char* PhaseStateName(int state);

}  // namespace lir
