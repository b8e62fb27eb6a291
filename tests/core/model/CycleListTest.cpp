#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/CycleList.h"
#include "model/LIRModels.h"
#include "model/Phases.h"
#include "model/Project.h"
#include "model/Trends.h"

namespace lir {
namespace {

std::vector<int32_t> durations(const TPhase& phase) { return phase.Durations().Values(); }

std::vector<int> itemPhases(const TProgram& program) {
  std::vector<int> numbers;
  for (int i = 0; i < program.Count(); ++i) numbers.push_back(program.Phase(i)->Phase()->Number());
  return numbers;
}

std::vector<int> itemDurations(const TProgram& program) {
  std::vector<int> values;
  for (int i = 0; i < program.Count(); ++i) values.push_back(program.Phase(i)->Duration());
  return values;
}

// Work phases Ф1 (Tmin 5) and Ф2 (Tmin 7).
struct CycleListTest : ::testing::Test {
  TProject project;
  TPhaseList& work = project.Phases().WorkPhases();
  TWorkCycles& cycles = project.Cycles();

  void SetUp() override {
    work.AddPhase();
    work.Item(0)->SetMinDuration(5);
    work.Item(1)->SetMinDuration(7);
  }
  TPhase& phase(int index) { return *work.Item(index); }
  // Cycles whose durations are 10·(cycle+1) for Ф1 and 10·(cycle+1)+1 for Ф2.
  void addCycles(int count) {
    for (int c = 0; c < count; ++c) {
      ASSERT_NE(cycles.AddCycle(), nullptr);
      const int index = cycles.Count() - 1;
      phase(0).SetDuration(index, 10 * (index + 1));
      phase(1).SetDuration(index, 10 * (index + 1) + 1);
    }
  }
};

// A day plan whose items link to cycles.
struct TPlan {
  TLinkedObject plan{"План", &itemClassOf<TLinkedObjItem>()};
  void add(TLinkedObject& cycle) { plan.AddItem(plan.Count() - 1, nullptr, &cycle); }
  std::vector<const TLinkedObject*> links() const {
    std::vector<const TLinkedObject*> result;
    for (int i = 0; i < plan.Count(); ++i) result.push_back(plan.Item(i)->Link());
    return result;
  }
};

TEST_F(CycleListTest, FixedProgramsAndTheirCodes) {
  EXPECT_EQ(cycles.YellowFlashing().Name(), "ЖМ (желтое мигание)");
  EXPECT_EQ(cycles.Off().Name(), "ОС (отключенное состояние)");
  EXPECT_EQ(cycles.CycleCode(&cycles.YellowFlashing()), 254);
  EXPECT_EQ(cycles.CycleCode(&cycles.Off()), 255);
  EXPECT_EQ(cycles.CycleByCode(255), &cycles.Off());
  EXPECT_EQ(cycles.CycleByCode(0), nullptr);
  addCycles(2);
  EXPECT_EQ(cycles.CycleByCode(1), cycles.Cycle(1));
  EXPECT_EQ(cycles.CycleCode(cycles.Cycle(1)), 1);
  EXPECT_EQ(cycles.CycleByCode(2), nullptr);
}

TEST_F(CycleListTest, NewCyclesGiveEveryPhaseADuration) {
  TProgram* cycle = cycles.AddCycle();
  ASSERT_NE(cycle, nullptr);
  EXPECT_EQ(cycle->Name(), "Новый цикл");
  EXPECT_EQ(cycle->Count(), 0);
  EXPECT_EQ(project.Phases().CycleCount(), 1);
  EXPECT_EQ(durations(phase(0)), (std::vector<int32_t>{5}));
  EXPECT_EQ(durations(phase(1)), (std::vector<int32_t>{7}));
}

TEST_F(CycleListTest, DeletingACycleInTheMiddleKeepsTheOthersDurations) {
  addCycles(3);
  ASSERT_EQ(durations(phase(0)), (std::vector<int32_t>{10, 20, 30}));
  cycles.DeleteCycle(1);
  EXPECT_EQ(cycles.Count(), 2);
  EXPECT_EQ(durations(phase(0)), (std::vector<int32_t>{10, 30}));
  EXPECT_EQ(durations(phase(1)), (std::vector<int32_t>{11, 31}));
  cycles.DeleteCycle(0);
  EXPECT_EQ(durations(phase(0)), (std::vector<int32_t>{30}));
  EXPECT_THROW(cycles.DeleteCycle(1), EListError);
}

TEST_F(CycleListTest, CycleLimitWithoutAndWithAController) {
  EXPECT_EQ(cycles.MaxCycles(), 240);
  for (int c = 0; c < 240; ++c) ASSERT_NE(cycles.AddCycle(), nullptr) << c;
  EXPECT_FALSE(cycles.CanAddCycle());
  EXPECT_EQ(cycles.AddCycle(), nullptr);
  EXPECT_EQ(cycles.Count(), 240);

  TLIRModelData data;
  data.Description = "модель";
  data.MaxWorkCycles = 3;
  TLIRModel model(data);
  TProject other;
  other.AddController(model);
  EXPECT_EQ(other.Cycles().MaxCycles(), 3);
  for (int c = 0; c < 3; ++c) EXPECT_NE(other.Cycles().AddCycle(), nullptr);
  EXPECT_EQ(other.Cycles().AddCycle(), nullptr);
}

TEST_F(CycleListTest, DeletingAUsedCycleReleasesItFromTheDayPlans) {
  addCycles(2);
  TPlan only;
  TPlan two;
  only.add(*cycles.Cycle(0));
  two.add(*cycles.Cycle(1));
  two.add(*cycles.Cycle(0));
  ASSERT_EQ(cycles.Cycle(0)->RefCount(), 2);
  EXPECT_FALSE(cycles.CanDeleteCycle(0));
  EXPECT_FALSE(cycles.CanDeleteCycle(1));
  // Without the day plans to release it from, a used cycle stays.
  EXPECT_FALSE(cycles.DeleteCycle(0));
  EXPECT_EQ(cycles.Count(), 2);
  EXPECT_EQ(durations(phase(0)), (std::vector<int32_t>{10, 20}));
  cycles.DayPlans = [&] { return std::vector<TLinkedObject*>{&only.plan, &two.plan}; };
  TProgram* kept = cycles.Cycle(1);
  EXPECT_TRUE(cycles.DeleteCycle(0));
  EXPECT_EQ(durations(phase(0)), (std::vector<int32_t>{20}));
  EXPECT_EQ(only.links(), (std::vector<const TLinkedObject*>{&cycles.Off()}));
  EXPECT_EQ(two.links(), (std::vector<const TLinkedObject*>{kept}));
  // The project's own new day plan links ОС as well.
  EXPECT_EQ(cycles.Off().RefCount(), 2);
  EXPECT_EQ(kept->RefCount(), 1);
  cycles.DayPlans = nullptr;
}

TEST(ReleaseCycleFromPlanTest, APlanNeverLosesItsLastItem) {
  TProgram cycle("Цикл");
  TProgram other("Другой");
  TProgram off("ОС (отключенное состояние)");
  struct Case {
    std::vector<TProgram*> before;
    std::vector<const TLinkedObject*> after;
  };
  const std::vector<Case> cases = {
      {{&cycle}, {&off}},
      {{&cycle, &cycle}, {&off}},
      {{&other, &cycle, &other, &cycle}, {&other, &other}},
      {{&other}, {&other}},
  };
  for (const Case& c : cases) {
    TPlan plan;
    for (TProgram* link : c.before) plan.add(*link);
    ReleaseCycleFromPlan(plan.plan, cycle, off);
    EXPECT_EQ(plan.links(), c.after);
    EXPECT_EQ(cycle.RefCount(), 0);
  }
}

TEST_F(CycleListTest, CycleItemsGoAfterTheirPositionAndKnowTheirProgram) {
  TProgram& cycle = *cycles.AddCycle();
  TProgramPhase* first = cycles.AddCycleItem(cycle, -1, phase(0));
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Program(), &cycle);
  EXPECT_EQ(first->Duration(), 1);
  EXPECT_EQ(first->Link(), nullptr);
  cycles.AddCycleItem(cycle, 0, phase(1));
  cycles.AddCycleItem(cycle, 0, phase(1));
  cycles.AddCycleItem(cycle, 2, phase(0));
  EXPECT_EQ(itemPhases(cycle), (std::vector<int>{1, 2, 2, 1}));

  // A call phase starts at its minimum duration.
  TPhaseList& call = project.Phases().Call1Phases();
  ASSERT_TRUE(call.SetCallActive(true));
  TPhase* callPhase = call.AddPhase();
  ASSERT_NE(callPhase, nullptr);
  callPhase->SetMinDuration(9);
  EXPECT_EQ(cycles.AddCycleItem(cycle, 3, *callPhase)->Duration(), 9);
}

TEST_F(CycleListTest, DestroyedPhasesLeaveEveryCycle) {
  work.AddPhase();
  TProgram& a = *cycles.AddCycle();
  TProgram& b = *cycles.AddCycle();
  for (int i : {0, 1, 2, 1}) cycles.AddCycleItem(a, a.Count() - 1, phase(i));
  for (int i : {1, 0}) cycles.AddCycleItem(b, b.Count() - 1, phase(i));
  ASSERT_TRUE(work.DeletePhase(1));
  EXPECT_EQ(itemPhases(a), (std::vector<int>{1, 3}));
  EXPECT_EQ(itemPhases(b), (std::vector<int>{1}));
  cycles.RemovePhaseFromCycles(phase(0));
  EXPECT_EQ(itemPhases(a), (std::vector<int>{3}));
  EXPECT_EQ(b.Count(), 0);
}

// A vehicle trend green in Ф1 only: Ф1 → Ф2 closes after 4 s of green
// blinking, Ф2 → Ф1 opens with 2 s of red with yellow.
struct CycleLengthTest : CycleListTest {
  void SetUp() override {
    CycleListTest::SetUp();
    TTrend& t = *project.AddGroupOfClass(TGroupClass::Transport, false)->Trends().First();
    phase(0).SetState(t, psGreen);
    t.SetTime(ssGreenBlinking, 4);
    t.SetTime(ssRedYellow, 2);
  }
};

TEST_F(CycleLengthTest, ProgramLengthAddsTheTransitionsBetweenItsPositions) {
  TProgram& cycle = *cycles.AddCycle();
  cycle.AppendPhase(phase(0), 10);
  cycle.AppendPhase(phase(1), 20);
  EXPECT_EQ(cycles.CycleLength(cycle, false), 10 + 2 + 20 + 4);
  EXPECT_EQ(cycles.CycleLength(cycle, true), 5 + 2 + 7 + 4);
  // Ф1 twice in a row: no transition between the two.
  cycle.AppendPhase(phase(0), 3);
  EXPECT_EQ(cycles.CycleLength(cycle, false), 10 + 2 + 20 + 4 + 3 + 2 - 2);
}

TEST_F(CycleLengthTest, OrdinaryCycleLengthUsesThePhasesDurations) {
  addCycles(1);
  EXPECT_EQ(cycles.OrdinaryCycleLength(0), 10 + 4 + 11 + 2);
  EXPECT_EQ(cycles.OrdinaryCycleLength(-1), 5 + 4 + 7 + 2);
  EXPECT_EQ(cycles.OrdinaryCycleLengthText(0), "27 с");
}

TEST_F(CycleListTest, TemporaryProgramsForTheTimingDiagram) {
  addCycles(2);
  cycles.Cycle(1)->SetName("Вечер");
  auto evening = cycles.ProgramFromCycle(1);
  EXPECT_EQ(evening->Name(), "Вечер");
  EXPECT_EQ(itemPhases(*evening), (std::vector<int>{1, 2}));
  EXPECT_EQ(itemDurations(*evening), (std::vector<int>{20, 21}));
  auto minimal = cycles.ProgramFromCycle(2);
  EXPECT_EQ(minimal->Name(), "Минимальный рабочий цикл");
  EXPECT_EQ(itemDurations(*minimal), (std::vector<int>{5, 7}));
  EXPECT_EQ(cycles.ProgramFromCycle(-1)->Name(), "Минимальный рабочий цикл");
  auto list = cycles.ProgramFromList(work, "ТВП1");
  EXPECT_EQ(list->Name(), "ТВП1");
  EXPECT_EQ(itemDurations(*list), (std::vector<int>{5, 7}));
}

TEST_F(CycleListTest, AssignCopiesOffsetAndPositionsIntoTheNewProgram) {
  TProgram source("Утро");
  source.SetOffset(12);
  source.AppendPhase(phase(1), 30);
  TProgram copy;
  copy.Assign(&source);
  EXPECT_EQ(copy.Name(), "Утро");
  EXPECT_EQ(copy.Offset(), 12);
  ASSERT_EQ(copy.Count(), 1);
  EXPECT_EQ(copy.Phase(0)->Program(), &copy);
  EXPECT_EQ(copy.Phase(0)->Phase(), &phase(1));
  EXPECT_EQ(copy.Phase(0)->Duration(), 30);
}

TEST_F(CycleListTest, ExtendedYearPlanOnTurnsCyclesIntoProgramsAfterTheReserveCycle) {
  addCycles(2);
  cycles.Cycle(0)->SetOffset(8);
  ASSERT_TRUE(cycles.SwitchExpandYearPlan(true));
  ASSERT_EQ(cycles.Count(), 3);
  EXPECT_EQ(cycles.Cycle(0)->Name(), "Резервный цикл");
  EXPECT_EQ(itemPhases(*cycles.Cycle(0)), (std::vector<int>{1, 2}));
  EXPECT_EQ(itemDurations(*cycles.Cycle(0)), (std::vector<int>{5, 7}));
  EXPECT_EQ(itemDurations(*cycles.Cycle(1)), (std::vector<int>{10, 11}));
  EXPECT_EQ(itemDurations(*cycles.Cycle(2)), (std::vector<int>{20, 21}));
  EXPECT_EQ(cycles.Cycle(1)->Offset(), 0);
  // The phases' durations moved along with their cycles.
  EXPECT_EQ(durations(phase(0)), (std::vector<int32_t>{5, 10, 20}));
  EXPECT_EQ(durations(phase(1)), (std::vector<int32_t>{7, 11, 21}));
}

TEST_F(CycleListTest, ExtendedYearPlanOffKeepsPlainCyclesWithTheirDurations) {
  work.AddPhase();
  phase(2).SetMinDuration(4);
  addCycles(3);
  ASSERT_TRUE(cycles.SwitchExpandYearPlan(true));
  // Cycles 1..3: one changed in length only, one reordered, one cut short.
  cycles.Cycle(1)->Phase(1)->SetDuration(40);
  cycles.Cycle(1)->Phase(2)->SetDuration(0);
  cycles.Cycle(2)->Delete(0);
  cycles.Cycle(2)->AppendPhase(phase(0), 9);
  cycles.Cycle(3)->Delete(2);
  TProgram* first = cycles.Cycle(1);
  ASSERT_TRUE(cycles.SwitchExpandYearPlan(false));
  ASSERT_EQ(cycles.Count(), 1);
  EXPECT_EQ(cycles.Cycle(0), first);
  EXPECT_EQ(first->Count(), 0);
  EXPECT_EQ(durations(phase(0)), (std::vector<int32_t>{10}));
  EXPECT_EQ(durations(phase(1)), (std::vector<int32_t>{40}));
  EXPECT_EQ(durations(phase(2)), (std::vector<int32_t>{4}));  // 0 falls back to Tmin
  EXPECT_EQ(project.Phases().CycleCount(), 1);
}

TEST_F(CycleListTest, AReserveCycleInUseStaysWhenTheExtendedYearPlanGoes) {
  addCycles(1);
  ASSERT_TRUE(cycles.SwitchExpandYearPlan(true));
  TPlan plan;
  plan.add(*cycles.Cycle(0));
  cycles.Cycle(0)->Phase(0)->SetDuration(6);
  ASSERT_TRUE(cycles.SwitchExpandYearPlan(false));
  ASSERT_EQ(cycles.Count(), 2);
  EXPECT_EQ(cycles.Cycle(0)->Name(), "Резервный цикл");
  EXPECT_EQ(durations(phase(0)), (std::vector<int32_t>{6, 10}));
  EXPECT_EQ(durations(phase(1)), (std::vector<int32_t>{7, 11}));
}

TEST_F(CycleListTest, LeavingTheExtendedYearPlanIsRefusedWhileAProgramToGoIsInUse) {
  addCycles(1);
  ASSERT_TRUE(cycles.SwitchExpandYearPlan(true));
  cycles.Cycle(1)->Delete(0);
  TPlan plan;
  plan.add(*cycles.Cycle(1));
  // No day plans known: the project's own are not the ones that use the cycle.
  cycles.DayPlans = nullptr;
  EXPECT_FALSE(cycles.SwitchExpandYearPlan(false));
  EXPECT_EQ(cycles.Count(), 2);
  EXPECT_EQ(cycles.Cycle(0)->Name(), "Резервный цикл");
  // With the day plans known, the plan's only item goes to ОС.
  cycles.DayPlans = [&] { return std::vector<TLinkedObject*>{&plan.plan}; };
  EXPECT_TRUE(cycles.SwitchExpandYearPlan(false));
  EXPECT_EQ(cycles.Count(), 0);
  EXPECT_EQ(plan.links(), (std::vector<const TLinkedObject*>{&cycles.Off()}));
  EXPECT_EQ(project.Phases().CycleCount(), 0);
  cycles.DayPlans = nullptr;
}

TEST_F(CycleListTest, ReserveCycleCheckBeforeAnImage) {
  addCycles(1);
  ASSERT_TRUE(cycles.SwitchExpandYearPlan(true));
  cycles.Cycle(0)->Phase(0)->SetDuration(8);
  cycles.Cycle(0)->Phase(1)->SetDuration(9);
  // Only the extended year plan has a reserve cycle to check.
  cycles.PrepareReserveCycle();
  EXPECT_EQ(durations(phase(0)), (std::vector<int32_t>{5, 10}));
  project.SetOption(poExpandYearPlan, true);
  cycles.PrepareReserveCycle();
  EXPECT_EQ(durations(phase(0)), (std::vector<int32_t>{8, 10}));
  EXPECT_EQ(durations(phase(1)), (std::vector<int32_t>{9, 11}));

  cycles.AddCycleItem(*cycles.Cycle(0), 1, phase(0));
  try {
    cycles.PrepareReserveCycle();
    FAIL() << "a changed reserve cycle was accepted";
  } catch (const ECycleError& e) {
    EXPECT_STREQ(e.what(), "Invalid reserv program.");
  }
  EXPECT_EQ(durations(phase(0)), (std::vector<int32_t>{8, 10}));
}

TEST_F(CycleListTest, ANewProjectHasNoCycles) {
  addCycles(2);
  project.Reset(3);
  EXPECT_EQ(cycles.Count(), 0);
  EXPECT_EQ(project.Phases().CycleCount(), 0);
  EXPECT_EQ(project.Cycles().Off().Name(), "ОС (отключенное состояние)");
}

}  // namespace
}  // namespace lir
