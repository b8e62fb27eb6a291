#pragma once
// A program unrolled into the steps of the timing diagram: for every position
// its main step, then one step per moment of the transition into the next
// position's phase at which some trend changes its signal.

#include <cstdint>
#include <vector>

namespace lir {

class TProgram;
class TProject;

struct TProgramStep {
  static constexpr int kTransitionNumber = 255;

  // The phase number, or 255 for a transition step.
  int Number = 0;
  // The position of the program the step belongs to.
  int Index = 0;
  int Duration = 0;
  int MinDuration = 0;
  // One signal state per grid trend of the project, in grid order.
  std::vector<std::uint8_t> Signals;
};

struct TProgramSteps {
  std::vector<TProgramStep> Steps;
  int TotalDuration = 0;
  int TotalMinDuration = 0;
};

// Throws ETransitionError "err" for a trend state that is no phase state.
TProgramSteps ProgramSteps(const TProject& project, const TProgram& program);

}  // namespace lir
