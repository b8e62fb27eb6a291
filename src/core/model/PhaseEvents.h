#pragma once
// What the parts of a project holding phases (work cycles, detectors) hear
// from the phase storage: a phase is about to be destroyed. They drop every
// reference to it then, so none outlives the phase.

#include <vector>

namespace lir {

class TPhase;

class TPhaseEvents {
 public:
  virtual ~TPhaseEvents() = default;
  // The phase is still in its list; no phase's NextPhase points at it any more.
  virtual void PhaseDestroying(TPhase& phase) { (void)phase; }
};

// Hands the event on to the listeners in the order they subscribed. A
// listener may subscribe or unsubscribe while it is being told; one that left
// is not told.
class TPhaseEventList final : public TPhaseEvents {
 public:
  // Subscribing twice has no further effect.
  void Subscribe(TPhaseEvents& listener);
  void Unsubscribe(TPhaseEvents& listener);
  int Count() const { return static_cast<int>(listeners_.size()); }

  void PhaseDestroying(TPhase& phase) override;

 private:
  bool IsSubscribed(const TPhaseEvents& listener) const;

  std::vector<TPhaseEvents*> listeners_;
};

}  // namespace lir
