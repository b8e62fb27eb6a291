#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "model/Phases.h"
#include "model/Project.h"

namespace lir {
namespace {

// Transition moments by the number of the phase they leave.
struct TFixedTransitions final : TTransitionCalculator {
  std::map<int, std::vector<int>> moments;
  void Compute(const TPhase& from, const TPhase& to, TIntList& times) const override {
    (void)to;
    if (auto it = moments.find(from.Number()); it != moments.end()) {
      for (int t : it->second) times.Add(t);
    }
  }
};

std::vector<std::string> stepNames(const TPhaseList& list, bool expanded) {
  std::vector<std::string> names;
  for (int s = 0; s < list.StepCount(expanded); ++s) names.push_back(list.StepName(s, expanded));
  return names;
}

// Work phases Ф1 (Tmin 4, moments 6 and 3), Ф2 (Tmin 5, none), Ф3 (Tmin 7, moment 2).
struct PhaseStepsTest : ::testing::Test {
  TProject project;
  TPhaseStg& stg = project.Phases();
  TPhaseList& work = stg.WorkPhases();
  TFixedTransitions* transitions = nullptr;

  void SetUp() override {
    auto calculator = std::make_unique<TFixedTransitions>();
    transitions = calculator.get();
    transitions->moments = {{1, {6, 3}}, {3, {2}}};
    stg.SetTransitionCalculator(std::move(calculator));
    work.AddPhase();
    work.AddPhase();
    const int minimum[] = {4, 5, 7};
    for (int i = 0; i < 3; ++i) work.Item(i)->SetMinDuration(minimum[i]);
  }
};

TEST_F(PhaseStepsTest, StepsFollowTheChangeMomentsOfEachTransition) {
  EXPECT_EQ(work.First()->TPromTimes().Values(), (std::vector<int32_t>{3, 6}));
  EXPECT_EQ(stepNames(work, true), (std::vector<std::string>{"Ф1", ">>", ">>", "Ф2", "Ф3", ">>"}));
  EXPECT_EQ(stepNames(work, false), (std::vector<std::string>{"Ф1", ">>", "Ф2", "Ф3", ">>"}));
  EXPECT_EQ(work.FirstStepOf(*work.Item(2), true), 4);
  EXPECT_EQ(work.FirstStepOf(*work.Item(2), false), 3);
  EXPECT_EQ(work.FirstStepOf(*stg.StartAllRed(), true), -1);

  // Steps of Ф1 expanded: main 4 s, then 6 → 3 s before the end, then the last 3 s.
  const int expanded[] = {4, 3, 3, 5, 7, 2};
  for (int s = 0; s < 6; ++s) EXPECT_EQ(work.StepDuration(s, true), expanded[s]) << s;
  const int folded[] = {4, 6, 5, 7, 2};
  for (int s = 0; s < 5; ++s) EXPECT_EQ(work.StepDuration(s, false), folded[s]) << s;
}

TEST_F(PhaseStepsTest, LocateStepAddsMainPartsAndTransitionsOfEarlierPhases) {
  stg.SetCycleCount(1);
  work.Item(0)->SetDuration(0, 20);
  work.Item(1)->SetDuration(0, 30);
  const struct {
    int step, cycle, start, inPhase, phase;
  } cases[] = {
      {0, -1, 0, 0, 0}, {2, -1, 0, 2, 0}, {3, -1, 10, 0, 1}, {4, -1, 15, 0, 2}, {5, -1, 15, 1, 2},
      {3, 0, 26, 0, 1}, {4, 0, 56, 0, 2},
  };
  for (const auto& c : cases) {
    const TPhaseStepPlace place = work.LocateStep(c.step, true, c.cycle);
    EXPECT_EQ(place.StartTime, c.start) << c.step << " " << c.cycle;
    EXPECT_EQ(place.StepInPhase, c.inPhase) << c.step;
    EXPECT_EQ(place.Phase, work.Item(c.phase)) << c.step;
  }
  EXPECT_EQ(work.LocateStep(2, false, -1).Phase, work.Item(1));
}

TEST_F(PhaseStepsTest, AStepOutsideTheListIsAnError) {
  for (int bad : {-1, 6}) {
    try {
      work.StepName(bad, true);
      FAIL() << bad;
    } catch (const EPhaseError& e) {
      EXPECT_EQ(std::string(e.what()), "Incorrect Step number " + std::to_string(bad));
    }
  }
  EXPECT_THROW(work.StepDuration(5, false), EPhaseError);
  EXPECT_THROW(work.LocateStep(3, true, 3), EIntegerListError);  // no such cycle
}

TEST_F(PhaseStepsTest, AllRedPhasesAndCallExitsHaveNoTransitionSteps) {
  TPhaseList& call = stg.Call1Phases();
  call.SetCallActive(true);
  call.AddPhase()->SetNumber(1);  // a call phase leaving like Ф1
  // Entry copies Ф3 (one moment), the call phase has two, the exit (a copy of Ф1) none.
  EXPECT_EQ(stepNames(call, true), (std::vector<std::string>{"Ф3", ">>", "Ф1", ">>", ">>", "Ф1"}));

  project.SetOption(poExpandYearPlan, true);
  stg.RefreshStartPhases();
  EXPECT_EQ(call.First()->PhaseType(), ptAllRed);
  EXPECT_EQ(stepNames(call, false), (std::vector<std::string>{"КК", "Ф1", ">>", "Ф1"}));
  EXPECT_EQ(call.LocateStep(1, false, -1).StartTime, project.AllRedTime);
}

TEST_F(PhaseStepsTest, WithoutTransitionsEveryPhaseIsOneStep) {
  stg.SetTransitionCalculator(nullptr);
  EXPECT_EQ(work.First()->TPromTimes().Count(), 0);
  EXPECT_EQ(stepNames(work, true), (std::vector<std::string>{"Ф1", "Ф2", "Ф3"}));
  EXPECT_EQ(work.StepCount(false), 3);
  EXPECT_EQ(work.LocateStep(2, true, -1).StartTime, 9);

  // Moments set by hand are taken as they are.
  work.Item(1)->TPromTimes().Add(4);
  EXPECT_EQ(stepNames(work, true), (std::vector<std::string>{"Ф1", "Ф2", ">>", "Ф3"}));
  EXPECT_EQ(work.StepDuration(2, true), 4);
  EXPECT_EQ(work.LocateStep(3, true, -1).StartTime, 13);
}

TEST_F(PhaseStepsTest, ChangedTimesAndGroupsRecomputeEveryList) {
  TPhase& special = *stg.SpecialPhases().AddPhase();
  stg.Call2Phases().SetCallActive(true);
  TPhase& callPhase = *stg.Call2Phases().AddPhase();
  ASSERT_EQ(special.Number(), 4);
  ASSERT_EQ(callPhase.Number(), 5);
  transitions->moments = {{0, {9}}, {2, {1}}, {4, {5}}, {5, {8}}};
  project.Events().TimesChanged();
  EXPECT_EQ(work.Item(1)->TPromTimes().Values(), (std::vector<int32_t>{1}));
  EXPECT_EQ(work.First()->TPromTimes().Count(), 0);
  EXPECT_EQ(special.TPromTimes().Values(), (std::vector<int32_t>{5}));
  EXPECT_EQ(callPhase.TPromTimes().Values(), (std::vector<int32_t>{8}));
  EXPECT_EQ(stg.StartAllRed()->TPromTimes().Values(), (std::vector<int32_t>{9}));

  transitions->moments = {{4, {3}}};
  project.AddGroup(0);
  EXPECT_EQ(special.TPromTimes().Values(), (std::vector<int32_t>{3}));
  EXPECT_EQ(stg.StartAllRed()->TPromTimes().Count(), 0);
}

TEST_F(PhaseStepsTest, SkipMarksSurviveOnlyOnStepsThatExist) {
  TPhase& phase = *work.First();
  for (int step = 0; step < 8; ++step) phase.SetSkipStep(step, true);
  phase.SetSkipStep(8, true);
  phase.SetSkipStep(-1, true);
  EXPECT_EQ(phase.SkipSteps(), 0xFFu);
  EXPECT_FALSE(phase.IsSkipStep(8));

  work.Recompute();
  // The main part and both transition steps, the last one included.
  EXPECT_EQ(phase.SkipSteps(), 0x7u);
  EXPECT_TRUE(phase.IsSkipStep(2));
  phase.SetSkipStep(1, false);
  EXPECT_EQ(phase.SkipSteps(), 0x5u);
}

}  // namespace
}  // namespace lir
