#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/LIRModels.h"
#include "model/PlanLists.h"
#include "model/Project.h"

namespace lir {
namespace {

std::unique_ptr<TLIRModel> modelWithFlags(std::uint32_t flags) {
  TLIRModelData data;
  data.Description = "ЛИР-тест";
  data.Flags = flags;
  data.MaxWorkCycles = 16;
  data.MaxDayplanItems = 84;
  data.MaxYearplanItems = 63;
  return std::make_unique<TLIRModel>(data);
}

std::vector<const TLinkedObject*> links(const TDayPlan& plan) {
  std::vector<const TLinkedObject*> result;
  for (int i = 0; i < plan.Count(); ++i) result.push_back(plan.Item(i)->Link());
  return result;
}

struct DayPlanListTest : ::testing::Test {
  TProject project;
  TDayPlans& days = project.DayPlans();
  TWorkCycles& cycles = project.Cycles();
};

TEST_F(DayPlanListTest, ANewProjectHasOnePlanOfEachLevel) {
  ASSERT_EQ(days.Count(), 1);
  const TDayPlan& day = *days.Plan(0);
  EXPECT_EQ(day.Name(), "Новый суточный план");
  ASSERT_EQ(day.Count(), 1);
  EXPECT_EQ(day.DayItem(0)->Time(), 0);
  EXPECT_EQ(day.DayItem(0)->Link(), &cycles.Off());
  ASSERT_EQ(project.WeekPlans().Count(), 1);
  const TWeekPlan& week = *project.WeekPlans().Plan(0);
  EXPECT_EQ(week.Name(), "Новый недельный план");
  ASSERT_EQ(week.Count(), 1);
  EXPECT_EQ(week.WeekItem(0)->Day(), 0);
  EXPECT_EQ(week.WeekItem(0)->Link(), &day);
  ASSERT_EQ(project.YearPlan().Count(), 1);
  EXPECT_EQ(project.YearPlan().YearItem(0)->Day(), 0);
  EXPECT_EQ(project.YearPlan().YearItem(0)->Link(), &week);
  EXPECT_EQ(day.RefCount(), 1);
  EXPECT_EQ(week.RefCount(), 1);
  EXPECT_EQ(cycles.Off().RefCount(), 1);
}

TEST_F(DayPlanListTest, DeletionGuards) {
  // The only plan, used by the week plan.
  EXPECT_FALSE(days.CanDeleteDayPlan(0));
  EXPECT_FALSE(days.DeleteDayPlan(0));
  TDayPlan* added = days.NewDayPlan();
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(days.Count(), 2);
  EXPECT_EQ(days.IndexOf(added), 1);
  EXPECT_EQ(added->Name(), "Новый суточный план");
  EXPECT_FALSE(days.DeleteDayPlan(0));  // in use
  EXPECT_FALSE(days.DeleteDayPlan(2));
  // A week-plan item now uses the new plan, the first is free.
  project.WeekPlans().Plan(0)->Item(0)->SetLink(added);
  EXPECT_FALSE(days.DeleteDayPlan(1));
  EXPECT_TRUE(days.DeleteDayPlan(0));
  ASSERT_EQ(days.Count(), 1);
  EXPECT_EQ(days.Plan(0), added);
  EXPECT_EQ(cycles.Off().RefCount(), 1);
}

TEST_F(DayPlanListTest, DeletingAWorkCycleDeletesItsItemsOrRelinksAnOnlyItemToOff) {
  TProgram* kept = cycles.AddCycle();
  TProgram* gone = cycles.AddCycle();
  ASSERT_NE(gone, nullptr);
  TDayPlan& only = *days.Plan(0);
  only.SetItemCycle(0, gone);
  TDayPlan& two = *days.NewDayPlan();
  two.SetItemCycle(0, kept);
  two.InsertItemAfter(0);
  two.SetItemCycle(1, gone);
  EXPECT_FALSE(cycles.CanDeleteCycle(1));
  EXPECT_TRUE(cycles.DeleteCycle(1));
  EXPECT_EQ(cycles.Count(), 1);
  EXPECT_EQ(links(only), (std::vector<const TLinkedObject*>{&cycles.Off()}));
  EXPECT_EQ(links(two), (std::vector<const TLinkedObject*>{kept}));
  EXPECT_EQ(kept->RefCount(), 1);
  EXPECT_EQ(cycles.Off().RefCount(), 1);
}

TEST_F(DayPlanListTest, RelativeItemsAreCountedOverAllPlansAndMadeAbsolute) {
  days.Plan(0)->InsertItemAfter(0);
  TDayPlan& second = *days.NewDayPlan();
  EXPECT_EQ(days.RelativeItemCount(), 0);
  days.Plan(0)->DayItem(1)->AbsoluteTime = false;
  second.DayItem(0)->AbsoluteTime = false;
  EXPECT_EQ(days.RelativeItemCount(), 2);
  days.MakeAllAbsolute();
  EXPECT_EQ(days.RelativeItemCount(), 0);
  EXPECT_TRUE(days.Plan(0)->DayItem(1)->AbsoluteTime);
  EXPECT_TRUE(second.DayItem(0)->AbsoluteTime);
}

TEST(RelativeDayPlanTimeTest, ChosenOnlyWithTheModelFlagAndWithoutExtendedYearPlan) {
  const auto relative = modelWithFlags(mfRelativeDayPlanTime);
  const auto plain = modelWithFlags(mfYearPlan);
  EXPECT_TRUE(RelativeTimeAllowed(relative.get(), kNewProjectOptions));
  EXPECT_FALSE(RelativeTimeAllowed(relative.get(), kNewProjectOptions | poExpandYearPlan));
  EXPECT_FALSE(RelativeTimeAllowed(plain.get(), kNewProjectOptions));
  EXPECT_FALSE(RelativeTimeAllowed(nullptr, kNewProjectOptions));

  TProgram off("ОС (отключенное состояние)");
  TDayPlan plan(off);
  TDayPlanItem& item = *plan.InsertItemAfter(-1);
  struct Case {
    bool itemAbsolute;
    bool absolute;  // the value asked for
    bool allowed;
    bool expected;
  };
  const std::vector<Case> cases = {
      {true, false, false, false}, {true, false, true, true},  {false, true, false, true},
      {false, false, false, true}, {true, true, false, true},
  };
  for (const Case& c : cases) {
    item.AbsoluteTime = c.itemAbsolute;
    EXPECT_EQ(CanSetAbsoluteTime(item, c.absolute, c.allowed), c.expected)
        << c.itemAbsolute << c.absolute << c.allowed;
  }
}

TEST_F(DayPlanListTest, ResetBringsBackOnePlanOfEachLevel) {
  TProgram* cycle = cycles.AddCycle();
  days.Plan(0)->SetItemCycle(0, cycle);
  days.NewDayPlan();
  project.WeekPlans().NewWeekPlan();
  project.YearPlan().InsertItemAfter(0);
  project.Reset(TProject::kDefaultAllRedTime);
  EXPECT_EQ(cycles.Count(), 0);
  ASSERT_EQ(days.Count(), 1);
  EXPECT_EQ(links(*days.Plan(0)), (std::vector<const TLinkedObject*>{&cycles.Off()}));
  ASSERT_EQ(project.WeekPlans().Count(), 1);
  EXPECT_EQ(project.WeekPlans().Plan(0)->Item(0)->Link(), days.Plan(0));
  ASSERT_EQ(project.YearPlan().Count(), 1);
  EXPECT_EQ(project.YearPlan().Item(0)->Link(), project.WeekPlans().Plan(0));
  EXPECT_EQ(cycles.Off().RefCount(), 1);
  // The hook still reaches the new plans.
  TProgram* again = cycles.AddCycle();
  days.Plan(0)->SetItemCycle(0, again);
  EXPECT_TRUE(cycles.DeleteCycle(0));
  EXPECT_EQ(days.Plan(0)->Item(0)->Link(), &cycles.Off());
}

}  // namespace
}  // namespace lir
