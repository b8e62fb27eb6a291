#include "model/PhaseEvents.h"

#include <algorithm>

namespace lir {

bool TPhaseEventList::IsSubscribed(const TPhaseEvents& listener) const {
  return std::find(listeners_.begin(), listeners_.end(), &listener) != listeners_.end();
}

void TPhaseEventList::Subscribe(TPhaseEvents& listener) {
  if (!IsSubscribed(listener)) listeners_.push_back(&listener);
}

void TPhaseEventList::Unsubscribe(TPhaseEvents& listener) { std::erase(listeners_, &listener); }

void TPhaseEventList::PhaseDestroying(TPhase& phase) {
  const std::vector<TPhaseEvents*> listeners = listeners_;
  for (TPhaseEvents* listener : listeners) {
    if (IsSubscribed(*listener)) listener->PhaseDestroying(phase);
  }
}

}  // namespace lir
