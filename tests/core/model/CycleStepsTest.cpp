#include <gtest/gtest.h>

#include <vector>

#include "model/CycleSteps.h"
#include "model/Phases.h"
#include "model/Project.h"
#include "model/Trends.h"

namespace lir {
namespace {

struct Step {
  int number, index, duration, minDuration;
  std::vector<int> signals;
  bool operator==(const Step&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Step& s) {
  out << "{" << s.number << "," << s.index << "," << s.duration << "," << s.minDuration << ",{";
  for (int v : s.signals) out << v << " ";
  return out << "}}";
}

std::vector<Step> steps(const TProgramSteps& result) {
  std::vector<Step> list;
  for (const TProgramStep& s : result.Steps) {
    list.push_back({s.Number, s.Index, s.Duration, s.MinDuration, std::vector<int>(s.Signals.begin(), s.Signals.end())});
  }
  return list;
}

// A vehicle trend V green in Ф1 (blinking 6, yellow 3; red with yellow 2) and
// a pedestrian trend P green in Ф2 (blinking 4; advance green 1). Ф1 Tmin 5,
// Ф2 Tmin 7.
struct CycleStepsTest : ::testing::Test {
  TProject project;
  TPhaseList& work = project.Phases().WorkPhases();
  TTrend* v = nullptr;
  TTrend* p = nullptr;

  void SetUp() override {
    work.AddPhase();
    phase(0).SetMinDuration(5);
    phase(1).SetMinDuration(7);
    v = project.AddGroupOfClass(TGroupClass::Transport, false)->Trends().First();
    p = project.AddGroupOfClass(TGroupClass::Walkman, false)->Trends().First();
    phase(0).SetState(*v, psGreen);
    phase(1).SetState(*p, psGreen);
    v->SetTime(ssGreenBlinking, 6);
    v->SetTime(ssYellow, 3);
    v->SetTime(ssRedYellow, 2);
    p->SetTime(ssGreenBlinking, 4);
    p->SetTime(ssAdvanceGreen, 1);
  }
  TPhase& phase(int index) { return *work.Item(index); }
};

TEST_F(CycleStepsTest, TransitionStepsFollowTheChangeMoments) {
  TProgram program("Утро");
  program.AppendPhase(phase(0), 10);
  program.AppendPhase(phase(1), 20);
  const TProgramSteps result = ProgramSteps(project, program);
  // Ф1 → Ф2 lasts 6 s: V blinks at 6, turns yellow at 3, P gets advance green at 1.
  // Ф2 → Ф1 lasts 4 s: P blinks at 4, V shows red with yellow at 2.
  const std::vector<Step> expected = {
      {1, 0, 10, 5, {ssGreen, ssRed}},
      {255, 0, 3, 3, {ssGreenBlinking, ssRed}},
      {255, 0, 2, 2, {ssYellow, ssRed}},
      {255, 0, 1, 1, {ssYellow, ssAdvanceGreen}},
      {2, 1, 20, 7, {ssRed, ssGreen}},
      {255, 1, 2, 2, {ssRed, ssGreenBlinking}},
      {255, 1, 2, 2, {ssRedYellow, ssGreenBlinking}},
  };
  EXPECT_EQ(steps(result), expected);
  EXPECT_EQ(result.TotalDuration, 10 + 6 + 20 + 4);
  EXPECT_EQ(result.TotalMinDuration, 5 + 6 + 7 + 4);
  EXPECT_EQ(project.Cycles().CycleLength(program, false), result.TotalDuration);
}

TEST_F(CycleStepsTest, OpeningIntoGreenBlinkingAndTheAllRedTime) {
  project.AllRedTime = 4;
  phase(1).SetState(*p, psGreenBlinking);
  work.AddPhase();
  phase(2).SetPhaseType(ptAllRed);
  TProgram program;
  program.AppendPhase(phase(0), 10);
  program.AppendPhase(phase(1), 20);
  program.AppendPhase(phase(2), 1);
  const std::vector<Step> expected = {
      {1, 0, 10, 5, {ssGreen, ssRed}},
      {255, 0, 3, 3, {ssGreenBlinking, ssRed}},
      {255, 0, 2, 2, {ssYellow, ssRed}},
      {255, 0, 1, 1, {ssYellow, ssGreenBlinking}},
      {2, 1, 20, 7, {ssRed, ssGreenBlinking}},
      // P closes from green blinking: its blinking time starts the transition.
      {255, 1, 4, 4, {ssRed, ssGreenBlinking}},
      // The all-red phase runs for the project's all-red time, with no transition after it.
      {3, 2, 4, 4, {ssRed, ssRed}},
  };
  const TProgramSteps result = ProgramSteps(project, program);
  EXPECT_EQ(steps(result), expected);
  EXPECT_EQ(result.TotalDuration, 10 + 6 + 20 + 4 + 4);
  EXPECT_EQ(result.TotalMinDuration, 5 + 6 + 7 + 4 + 4);
}

TEST_F(CycleStepsTest, JumpsTakeTheUniversalTimes) {
  work.AddPhase();
  v->SetUnivTime(ssGreenBlinking, 7);
  v->SetUnivTime(ssRedYellow, 5);
  project.SetOption(poCalcTProm, true);
  TProgram program;
  program.AppendPhase(phase(0), 10);
  program.AppendPhase(phase(2), 8);
  // Ф1 → Ф3 is a jump: universal blinking 7 (universal yellow 0 never comes);
  // Ф3 → Ф1 follows the list: ordinary red with yellow 2.
  const std::vector<Step> expected = {
      {1, 0, 10, 5, {ssGreen, ssRed}},
      {255, 0, 7, 7, {ssGreenBlinking, ssRed}},
      {3, 1, 8, 1, {ssRed, ssRed}},
      {255, 1, 2, 2, {ssRedYellow, ssRed}},
  };
  const TProgramSteps result = ProgramSteps(project, program);
  EXPECT_EQ(steps(result), expected);
  EXPECT_EQ(result.TotalDuration, 27);
}

TEST_F(CycleStepsTest, ReversibleLanesStayDarkInTheReserveCycle) {
  TTrend& lane = *project.AddGroupOfClass(TGroupClass::Reverse2, false)->Trends().First();
  phase(0).SetState(lane, psGreen);
  lane.SetTime(ssAdvanceRed, 1);
  TWorkCycles& cycles = project.Cycles();
  cycles.AddCycle();
  ASSERT_TRUE(cycles.SwitchExpandYearPlan(true));
  for (const TProgramStep& step : ProgramSteps(project, *cycles.Cycle(0)).Steps) {
    EXPECT_EQ(step.Signals[2], ssOff);
  }
  // Elsewhere the lane shows its green and its advance red.
  const TProgramSteps other = ProgramSteps(project, *cycles.Cycle(1));
  ASSERT_EQ(other.Steps.size(), 7u);
  EXPECT_EQ(other.Steps[0].Signals[2], ssGreen);
  EXPECT_EQ(other.Steps[3].Signals[2], ssAdvanceRed);
  EXPECT_EQ(other.Steps[4].Signals[2], ssRed);
}

TEST_F(CycleStepsTest, LongProgramsAreNotCutAtAHundredSteps) {
  TProgram program;
  for (int i = 0; i < 30; ++i) {
    program.AppendPhase(phase(0), 10);
    program.AppendPhase(phase(1), 20);
  }
  const TProgramSteps result = ProgramSteps(project, program);
  // Per pair: two main steps, three steps into Ф2, two into Ф1.
  EXPECT_EQ(result.Steps.size(), 30u * 7u);
  EXPECT_EQ(result.TotalDuration, 30 * 40);
  EXPECT_TRUE(ProgramSteps(project, TProgram()).Steps.empty());
}

}  // namespace
}  // namespace lir
