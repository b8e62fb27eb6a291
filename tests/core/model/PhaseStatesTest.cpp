#include <gtest/gtest.h>

#include <vector>

#include "model/Phases.h"
#include "model/Project.h"

namespace lir {
namespace {

// A project with one phase in every editable list, the call lists in use.
struct PhaseStatesTest : ::testing::Test {
  TProject project;
  TPhaseStg& stg = project.Phases();

  void SetUp() override {
    project.AddGroup(0);
    stg.SpecialPhases().AddPhase();
    stg.Call1Phases().SetCallActive(true);
    stg.Call1Phases().AddPhase();
  }

  std::vector<TPhase*> allPhases() {
    std::vector<TPhase*> phases;
    for (TPhaseList* list : {&stg.WorkPhases(), &stg.SpecialPhases(), &stg.Call1Phases(), &stg.Call2Phases(),
                             &stg.StartPhases()}) {
      for (int i = 0; i < list->Count(); ++i) phases.push_back(list->Item(i));
    }
    return phases;
  }
  const TTrend& trendOf(int group, int index = 0) const {
    return *project.Groups().Items(group)->Trends().Items(index);
  }
};

TEST_F(PhaseStatesTest, EveryPhaseHoldsOneStatePerTrendAsGroupsComeAndGo) {
  TPhase& masked = *stg.SpecialPhases().First();
  masked.SetPhaseType(ptOff);
  TPhase& flashing = *stg.SpecialPhases().AddPhase();
  flashing.SetPhaseType(ptYellowFlashing);

  project.AddGroup(10);
  const TTrendGroup& added = *project.Groups().Last();
  const int trends = project.Groups().Items(0)->Trends().Count() + project.Groups().Items(1)->Trends().Count() +
                     added.Trends().Count();
  for (TPhase* phase : allPhases()) {
    EXPECT_EQ(phase->States().Count(), trends) << phase->Caption();
    const TPhaseState expected = phase == &masked ? psOff : phase == &flashing ? psYellowFlashing : psRed;
    for (int t = 0; t < added.Trends().Count(); ++t) EXPECT_EQ(phase->GetState(*added.Trends().Items(t)), expected);
  }

  const TTrend& gone = trendOf(0);
  const int goneTrends = project.Groups().Items(0)->Trends().Count();
  ASSERT_TRUE(project.DeleteGroup(*project.Groups().Items(0)));
  for (TPhase* phase : allPhases()) {
    EXPECT_EQ(phase->States().Count(), trends - goneTrends) << phase->Caption();
    for (int i = 0; i < phase->States().Count(); ++i) EXPECT_NE(&phase->States().Items(i)->Trend(), &gone);
  }
}

TEST_F(PhaseStatesTest, TheCallGroupLivesAsLongAsItsListIsInUse) {
  TPhaseList& call = stg.Call1Phases();
  TCall* group = call.CallGroup();
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->CallList(), &call);
  EXPECT_EQ(project.Groups().IndexOf(group), 1);
  EXPECT_FALSE(project.DeleteGroup(*group));
  const int states = stg.WorkPhases().First()->States().Count();
  const int callTrends = group->Trends().Count();

  ASSERT_TRUE(call.SetCallActive(false));
  EXPECT_EQ(call.CallGroup(), nullptr);
  EXPECT_EQ(project.GroupCount(), 1);
  EXPECT_EQ(call.Count(), 2);
  EXPECT_EQ(stg.TotalCount(), 2);
  EXPECT_EQ(stg.WorkPhases().First()->States().Count(), states - callTrends);
}

TEST_F(PhaseStatesTest, StatesOutsideTheSixPhaseStatesAreRefused) {
  TPhase& phase = *stg.WorkPhases().First();
  const TTrend& trend = trendOf(0);
  for (int bad : {-1, 6, 255}) {
    EXPECT_THROW(phase.SetState(trend, bad), EPhaseError) << bad;
    EXPECT_THROW(phase.States().Items(0)->SetState(bad), EPhaseError) << bad;
  }
  EXPECT_EQ(phase.GetState(trend), psRed);
  EXPECT_EQ(phase.States().Items(0)->State(), psRed);
  for (int bad : {-1, 4}) EXPECT_THROW(phase.SetPhaseType(bad), EPhaseError) << bad;
  EXPECT_EQ(phase.PhaseType(), ptNormal);
}

TEST_F(PhaseStatesTest, ATrendWithoutAStateIsAnError) {
  TProject other;
  other.AddGroup(0);
  const TTrend& stranger = *other.Groups().Items(0)->Trends().Items(0);
  TPhase& phase = *stg.WorkPhases().First();
  try {
    phase.GetState(stranger);
    FAIL();
  } catch (const EPhaseError& e) {
    EXPECT_STREQ(e.what(), "Trend not found in states of phase.");
  }
  EXPECT_THROW(phase.SetState(stranger, psGreen), EPhaseError);
  EXPECT_THROW(phase.ToggleState(stranger), EPhaseError);
}

TEST_F(PhaseStatesTest, ToggleFollowsTheGroupsCycleAndTypeSetsEveryState) {
  TPhase& phase = *stg.WorkPhases().First();
  const TTrend& trend = trendOf(0);
  const TPhaseState before = phase.GetState(trend);
  phase.ToggleState(trend);
  EXPECT_EQ(phase.GetState(trend), trend.Group().NextState(before));

  const struct {
    TPhaseType type;
    TPhaseState state;
  } cases[] = {{ptYellowFlashing, psYellowFlashing}, {ptOff, psOff}, {ptAllRed, psRed}, {ptNormal, psRed}};
  for (const auto& c : cases) {
    phase.SetPhaseType(c.type);
    for (int i = 0; i < phase.States().Count(); ++i) EXPECT_EQ(phase.States().Items(i)->State(), c.state) << c.type;
  }
}

TEST_F(PhaseStatesTest, DurationsStayAtLeastTheMinimum) {
  stg.SetCycleCount(2);
  TPhase& phase = *stg.WorkPhases().First();
  phase.SetMinDuration(5);
  EXPECT_EQ(phase.Durations().Values(), (std::vector<int32_t>{5, 5}));
  phase.SetDuration(0, 20);
  phase.SetDuration(1, 3);
  EXPECT_EQ(phase.Durations().Values(), (std::vector<int32_t>{20, 5}));
  phase.SetMinDuration(10);
  EXPECT_EQ(phase.Durations().Values(), (std::vector<int32_t>{20, 10}));
  EXPECT_THROW(phase.SetDuration(2, 30), EIntegerListError);
  for (int bad : {-1, 256}) EXPECT_THROW(phase.SetMinDuration(bad), EPhaseError) << bad;

  // A new phase gets its minimum in every cycle.
  TPhase& added = *stg.WorkPhases().AddPhase();
  EXPECT_EQ(added.Durations().Values(), (std::vector<int32_t>{1, 1}));
  EXPECT_EQ(stg.Call1Phases().Item(1)->Durations().Count(), 2);
}

TEST_F(PhaseStatesTest, InsertingOrErasingACycleKeepsTheOtherCyclesDurations) {
  stg.SetCycleCount(3);
  TPhase& phase = *stg.WorkPhases().First();
  phase.SetMinDuration(2);
  for (int c = 0; c < 3; ++c) phase.SetDuration(c, 10 * (c + 1));
  TPhase& callPhase = *stg.Call1Phases().Item(1);
  callPhase.SetDuration(2, 7);

  stg.InsertCycleDuration(1);
  EXPECT_EQ(stg.CycleCount(), 4);
  EXPECT_EQ(phase.Durations().Values(), (std::vector<int32_t>{10, 2, 20, 30}));
  EXPECT_EQ(callPhase.Durations().Values(), (std::vector<int32_t>{1, 1, 1, 7}));
  stg.EraseCycleDuration(0);
  EXPECT_EQ(phase.Durations().Values(), (std::vector<int32_t>{2, 20, 30}));
  stg.InsertCycleDuration(3);
  EXPECT_EQ(phase.Durations().Values(), (std::vector<int32_t>{2, 20, 30, 2}));
  stg.EraseCycleDuration(3);
  EXPECT_EQ(phase.Durations().Values(), (std::vector<int32_t>{2, 20, 30}));

  EXPECT_THROW(stg.InsertCycleDuration(4), EListError);
  EXPECT_THROW(stg.EraseCycleDuration(3), EListError);
  EXPECT_THROW(stg.EraseCycleDuration(-1), EListError);
  EXPECT_EQ(stg.CycleCount(), 3);
}

}  // namespace
}  // namespace lir
