#pragma once
// How a phase list learns the transition interval from a phase into the
// next: the moments, in seconds before the end of the interval, at which some
// trend changes its signal. The phase storage holds one calculator; until the
// trends' transition rules are plugged in, phases change straight into the
// next one.

namespace lir {

class TIntList;
class TPhase;

class TTransitionCalculator {
 public:
  virtual ~TTransitionCalculator() = default;
  // Adds the change moments of the transition from `from` into `to` to
  // `times` (sorted, repeats ignored, 1..255; empty on entry). Read the
  // phases' own states, not the project's groups: while a group is being
  // destroyed the project still lists it, but the phases no longer hold its
  // trends.
  virtual void Compute(const TPhase& from, const TPhase& to, TIntList& times) const = 0;
};

class TNoTransitions final : public TTransitionCalculator {
 public:
  void Compute(const TPhase& from, const TPhase& to, TIntList& times) const override {
    (void)from;
    (void)to;
    (void)times;
  }
};

}  // namespace lir
