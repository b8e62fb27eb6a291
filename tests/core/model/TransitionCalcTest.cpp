#include <gtest/gtest.h>

#include <vector>

#include "model/Phases.h"
#include "model/Project.h"
#include "model/TransitionCalc.h"
#include "model/TrendSignal.h"
#include "model/Trends.h"

namespace lir {
namespace {

std::vector<int32_t> values(const TIntList& list) { return list.Values(); }

// A project with work phases Ф1, Ф2 (and more when asked) and one group per test.
struct TransitionCalcTest : ::testing::Test {
  TProject project;
  TPhaseList& work = project.Phases().WorkPhases();

  void SetUp() override { work.AddPhase(); }
  TPhase& phase(int index) { return *work.Item(index); }
  TTrend& addTrend(TGroupClass cls, int kind = -1) {
    TTrendGroup& group = *project.AddGroupOfClass(cls, false);
    return kind < 0 ? *group.Trends().First() : *group.TrendOfKind(kind);
  }
};

TEST_F(TransitionCalcTest, VehicleClosingWithBlinkingAndYellowGivesTwoMoments) {
  TTrend& t = addTrend(TGroupClass::Transport);
  phase(0).SetState(t, psGreen);
  t.SetTime(ssGreenBlinking, 6);
  t.SetTime(ssYellow, 3);
  // Ф1 → Ф2 closes: moments 3 and 6; Ф2 → Ф1 opens without opening times.
  EXPECT_EQ(values(phase(0).TPromTimes()), (std::vector<int32_t>{3, 6}));
  EXPECT_TRUE(phase(1).TPromTimes().Values().empty());
  EXPECT_EQ(phase(0).TransitionLength(), 6);
  EXPECT_EQ(TrendSignal(phase(0), t, -1), ssExtraGreen);
  EXPECT_EQ(TrendSignal(phase(0), t, 0), ssGreenBlinking);  // from 6 s before the end, 3 s
  EXPECT_EQ(TrendSignal(phase(0), t, 1), ssYellow);         // the last 3 s
  EXPECT_EQ(work.StepDuration(1, true), 3);
  EXPECT_EQ(work.StepDuration(2, true), 3);
  EXPECT_EQ(TrendSignal(phase(1), t, -1), ssExtraRed);
}

TEST_F(TransitionCalcTest, EqualBlinkingAndYellowTimesGiveOneYellowStep) {
  TTrend& t = addTrend(TGroupClass::Transport);
  phase(0).SetState(t, psGreen);
  t.SetTime(ssGreenBlinking, 3);
  t.SetTime(ssYellow, 3);
  EXPECT_EQ(values(phase(0).TPromTimes()), (std::vector<int32_t>{3}));
  EXPECT_EQ(TrendSignal(phase(0), t, 0), ssYellow);
}

TEST_F(TransitionCalcTest, PedestrianBlinksForTheWholeTransition) {
  TTrend& t = addTrend(TGroupClass::Walkman);
  phase(0).SetState(t, psGreen);
  t.SetTime(ssGreenBlinking, 4);
  EXPECT_EQ(values(phase(0).TPromTimes()), (std::vector<int32_t>{4}));
  EXPECT_EQ(TrendSignal(phase(0), t, 0), ssGreenBlinking);
  EXPECT_EQ(TransitionLength(phase(0), phase(1)), 4);
}

TEST_F(TransitionCalcTest, OpeningStepsOfAVehicle) {
  TTrend& t = addTrend(TGroupClass::Transport);
  phase(1).SetState(t, psGreen);
  t.SetTime(ssRedYellow, 5);
  t.SetTime(ssAdvanceGreen, 2);
  // Ф1 → Ф2 opens: red with yellow from 5 s before the end, advance green the last 2 s.
  EXPECT_EQ(values(phase(0).TPromTimes()), (std::vector<int32_t>{2, 5}));
  EXPECT_EQ(TrendSignal(phase(0), t, 0), ssRedYellow);
  EXPECT_EQ(TrendSignal(phase(0), t, 1), ssAdvanceGreen);
  EXPECT_EQ(TransitionLength(phase(0), phase(1)), 5);
}

TEST_F(TransitionCalcTest, OpeningIntoGreenBlinkingBlinksInsteadOfAdvanceGreen) {
  TTrend& t = addTrend(TGroupClass::Walkman);
  phase(1).SetState(t, psGreenBlinking);
  t.SetTime(ssAdvanceGreen, 3);
  EXPECT_EQ(values(phase(0).TPromTimes()), (std::vector<int32_t>{3}));
  EXPECT_EQ(TrendSignal(phase(0), t, 0), ssGreenBlinking);
  // Into plain green the same trend shows advance green.
  phase(1).SetState(t, psGreen);
  EXPECT_EQ(TrendSignal(phase(0), t, 0), ssAdvanceGreen);
  // A pedestrian has no red with yellow: its opening time is the advance green one.
  EXPECT_EQ(TransitionLength(phase(0), phase(1)), 3);
}

TEST_F(TransitionCalcTest, ChangedTimesAreRecomputedAtOnce) {
  TTrend& t = addTrend(TGroupClass::Transport);
  phase(0).SetState(t, psGreen);
  t.SetTime(ssYellow, 3);
  EXPECT_EQ(values(phase(0).TPromTimes()), (std::vector<int32_t>{3}));
  t.SetTime(ssAdvanceRed, 1);
  EXPECT_EQ(values(phase(0).TPromTimes()), (std::vector<int32_t>{1, 3}));
  phase(1).SetState(t, psGreen);  // no longer closes
  EXPECT_TRUE(phase(0).TPromTimes().Values().empty());
}

TEST(CalcTPromTest, SteadySignalsOfEveryPhaseState) {
  TTransport group;
  const TTrend& t = *group.Trends().First();
  const int steady[kPhaseStateCount] = {ssExtraGreen, ssGreenBlinking, ssExtraRed, ssYellow, ssYellowFlashing, ssOff};
  for (int s = 0; s < kPhaseStateCount; ++s) {
    const auto state = static_cast<TPhaseState>(s);
    EXPECT_EQ(CalcTProm(t, -1, state, psRed), steady[s]) << s;
    EXPECT_EQ(CalcTProm(t, 5, state, state), steady[s]) << s;
  }
}

TEST(CalcTPromTest, MomentsOfAClosingAndAnOpeningTrend) {
  TTransport group;
  TTrend& t = *group.Trends().First();
  t.SetTime(ssGreenBlinking, 9);
  t.SetTime(ssYellow, 5);
  t.SetTime(ssAdvanceRed, 2);
  t.SetTime(ssRedYellow, 4);
  t.SetTime(ssAdvanceGreen, 1);
  struct Case {
    int time;
    TPhaseState from, to;
    int signal;
  };
  const Case cases[] = {
      {9, psGreen, psRed, ssGreenBlinking}, {6, psGreen, psRed, ssGreenBlinking}, {5, psGreen, psRed, ssYellow},
      {3, psGreen, psRed, ssYellow},        {2, psGreen, psRed, ssAdvanceRed},    {1, psGreen, psRed, ssAdvanceRed},
      {10, psGreen, psRed, ssExtraGreen},   {0, psGreen, psRed, ssExtraGreen},    {4, psRed, psGreen, ssRedYellow},
      {2, psRed, psGreen, ssRedYellow},     {1, psRed, psGreen, ssAdvanceGreen},  {5, psRed, psGreen, ssExtraRed},
      {1, psRed, psGreenBlinking, ssGreenBlinking},
      // Both closed or both open: no transition signals.
      {3, psRed, psYellow, ssExtraRed},     {3, psGreen, psGreenBlinking, ssExtraGreen},
      {3, psYellowFlashing, psRed, ssYellowFlashing},
  };
  for (const Case& c : cases) EXPECT_EQ(CalcTProm(t, c.time, c.from, c.to), c.signal) << c.time << " " << +c.from;
}

TEST(CalcTPromTest, TramStopTrendHasNoRuleOfItsOwn) {
  TTram group;
  EXPECT_THROW(CalcTProm(*group.TrendOfKind(kTramStopKind), 1, psGreen, psRed), ETransitionError);
  try {
    CalcTProm(*group.TrendOfKind(kTramStopKind), 1, psGreen, psRed);
  } catch (const ETransitionError& e) {
    EXPECT_STREQ(e.what(), "TTram.CalcTProm is deprecated. Call special function.");
  }
}

TEST_F(TransitionCalcTest, TramStopShowsWhileAllDirectionsAreRed) {
  TTrend& left = addTrend(TGroupClass::Tram, 4);
  TTrend& stop = *left.Group().TrendOfKind(kTramStopKind);
  left.SetTime(ssAdvanceGreen, 3);
  left.SetTime(ssAdvanceRed, 2);
  EXPECT_EQ(TrendSignal(phase(0), stop, -1), ssExtraGreen);
  // Ф2 lets the left direction go: advance green from 3 s before the end.
  phase(1).SetState(left, psGreen);
  EXPECT_EQ(values(phase(0).TPromTimes()), (std::vector<int32_t>{3}));
  EXPECT_EQ(TrendSignal(phase(0), stop, -1), ssExtraGreen);
  EXPECT_EQ(TrendSignal(phase(0), stop, 0), ssExtraRed);
  EXPECT_EQ(TrendSignal(phase(1), stop, -1), ssExtraRed);
  // Ф2 → Ф1 closes the left direction with advance red: the stop lights with it.
  EXPECT_EQ(values(phase(1).TPromTimes()), (std::vector<int32_t>{2}));
  EXPECT_EQ(TrendSignal(phase(1), left, 0), ssAdvanceRed);
  EXPECT_EQ(TrendSignal(phase(1), stop, 0), ssExtraGreen);
}

TEST_F(TransitionCalcTest, UniversalTimesForJumpsOnly) {
  work.AddPhase();
  TTrend& t = addTrend(TGroupClass::Transport);
  phase(0).SetState(t, psGreen);
  t.SetTime(ssGreenBlinking, 4);
  t.SetUnivTime(ssGreenBlinking, 7);
  t.SetTime(ssRedYellow, 2);
  t.SetUnivTime(ssRedYellow, 5);
  struct Case {
    int from, to, plain, universal;
  };
  // Ф1 green only; Ф1→Ф2 and Ф3→Ф1 are neighbours, Ф1→Ф3 and Ф2→Ф1 jumps.
  const Case cases[] = {{0, 1, 4, 4}, {0, 2, 4, 7}, {2, 0, 2, 2}, {1, 0, 2, 5}, {1, 2, 0, 0}};
  for (const Case& c : cases) {
    project.SetOption(poCalcTProm, false);
    EXPECT_EQ(TransitionLength(phase(c.from), phase(c.to)), c.plain) << c.from << c.to;
    project.SetOption(poCalcTProm, true);
    EXPECT_EQ(TransitionLength(phase(c.from), phase(c.to)), c.universal) << c.from << c.to;
  }
  // The phase list's own moments keep the ordinary times.
  EXPECT_EQ(values(phase(0).TPromTimes()), (std::vector<int32_t>{4}));
}

TEST_F(TransitionCalcTest, NoTransitionAfterAllRedOrTheEndOfACall) {
  work.AddPhase();
  TTrend& t = addTrend(TGroupClass::Transport);
  phase(1).SetState(t, psGreen);
  t.SetTime(ssRedYellow, 2);
  t.SetTime(ssGreenBlinking, 3);
  EXPECT_EQ(TransitionLength(phase(0), phase(1)), 2);
  phase(0).SetPhaseType(ptAllRed);
  EXPECT_EQ(TransitionLength(phase(0), phase(1)), 0);
  EXPECT_EQ(TransitionLength(phase(2), phase(1)), 2);
  EXPECT_EQ(TransitionLength(phase(1), phase(2)), 3);
  TPhaseList& call = project.Phases().Call1Phases();
  ASSERT_TRUE(call.SetCallActive(true));
  ASSERT_GE(call.Count(), 2);
  EXPECT_EQ(TransitionLength(*call.Last(), phase(1)), 0);
}

TEST_F(TransitionCalcTest, DisplayCodesOfTheCells) {
  TTrend& t = addTrend(TGroupClass::Transport);
  TTrend& opening = addTrend(TGroupClass::Transport);
  phase(0).SetState(t, psGreen);
  phase(1).SetState(opening, psGreen);
  t.SetTime(ssGreenBlinking, 6);
  t.SetTime(ssYellow, 3);
  ASSERT_EQ(values(phase(0).TPromTimes()), (std::vector<int32_t>{3, 6}));
  EXPECT_EQ(DisplayCode(phase(0), 0, true, t), dcGreen);
  EXPECT_EQ(DisplayCode(phase(0), 1, true, t), dcGreenBlinking);
  EXPECT_EQ(DisplayCode(phase(0), 2, true, t), dcYellow);
  EXPECT_EQ(DisplayCode(phase(0), 1, false, t), dcClosing);
  // The opening trend has no opening times: red up to the end.
  EXPECT_EQ(DisplayCode(phase(0), 1, true, opening), dcRed);
  EXPECT_EQ(DisplayCode(phase(0), 1, false, opening), dcRed);
  opening.SetTime(ssRedYellow, 2);
  EXPECT_EQ(DisplayCode(phase(0), 1, false, opening), dcOpening);
  ASSERT_EQ(values(phase(0).TPromTimes()), (std::vector<int32_t>{2, 3, 6}));
  EXPECT_EQ(DisplayCode(phase(0), 3, true, opening), dcRedYellow);
  EXPECT_EQ(DisplayCode(phase(0), 3, true, t), dcYellow);
  phase(1).SetState(t, psOff);
  EXPECT_EQ(DisplayCode(phase(1), 0, true, t), dcOff);
  phase(1).SetState(t, psYellowFlashing);
  EXPECT_EQ(DisplayCode(phase(1), 0, false, t), dcYellowFlashing);
}

TEST(DisplayCodeTest, CodeOfEverySignal) {
  const int codes[kSignalStateCount] = {0, 0, 1, 2, 3, 3, 3, 4, 0, 3, 8, 7};
  for (int s = 0; s < kSignalStateCount; ++s) EXPECT_EQ(DisplayCodeOf(s), codes[s]) << s;
  EXPECT_THROW(DisplayCodeOf(12), ETransitionError);
  EXPECT_THROW(DisplayCodeOf(-1), ETransitionError);
}

}  // namespace
}  // namespace lir
