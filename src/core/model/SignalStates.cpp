#include "model/SignalStates.h"

namespace lir {

const char* SignalStateName(int state) {
  return IsSignalState(state) ? kSignalStateNames[static_cast<std::size_t>(state)] : "";
}

const char* PhaseStateName(int state) {
  return IsPhaseState(state) ? SignalStateName(kPhaseStates[static_cast<std::size_t>(state)].NamedAs) : "";
}

}  // namespace lir
