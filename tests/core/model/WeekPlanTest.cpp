#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/LIRModels.h"
#include "model/PlanLists.h"
#include "model/Project.h"
#include "model/WeekPlans.h"

namespace lir {
namespace {

struct WeekPlanTest : ::testing::Test {
  TProgram off{"ОС (отключенное состояние)"};
  TDayPlan workdays{off, "Будни"};
  TDayPlan weekend{off, "Выходные"};

  // Items on the given weekdays, all linked to the day plan.
  static void fill(TWeekPlan& plan, TDayPlan& day, const std::vector<int>& weekdays) {
    for (int weekday : weekdays) {
      auto* item = static_cast<TWeekPlanItem*>(plan.AddItem(plan.Count() - 1, nullptr, &day));
      ASSERT_NE(item, nullptr);
      item->SetDay(weekday);
    }
  }
  static std::vector<int> days(const TWeekPlan& plan) {
    std::vector<int> result;
    for (int i = 0; i < plan.Count(); ++i) result.push_back(plan.WeekItem(i)->Day());
    return result;
  }
};

TEST_F(WeekPlanTest, MondayAndSaturdayCoverTheWeekAndSundayFollowsSaturday) {
  TWeekPlan plan;
  EXPECT_EQ(plan.Name(), "Новый недельный план");
  ASSERT_NE(plan.AddFirstItem(workdays), nullptr);
  EXPECT_EQ(plan.AddFirstItem(workdays), nullptr);
  fill(plan, weekend, {5});
  EXPECT_EQ(days(plan), (std::vector<int>{0, 5}));
  EXPECT_EQ(plan.LastDay(0), 4);
  EXPECT_EQ(plan.LastDay(1), 6);
  EXPECT_EQ(plan.FirstDayBound(0), 0);
  EXPECT_EQ(plan.FirstDayBound(1), 1);
  TWeekPlanItem* sunday = plan.InsertItemAfter(1);
  ASSERT_NE(sunday, nullptr);
  EXPECT_EQ(sunday->Day(), 6);
  EXPECT_EQ(sunday->DayPlan(), &weekend);
  EXPECT_EQ(weekend.RefCount(), 2);
  EXPECT_EQ(plan.LastDay(1), 5);
  EXPECT_EQ(plan.FirstDayBound(2), 6);
  EXPECT_FALSE(plan.CanAddItem(2));
  EXPECT_FALSE(plan.CanAddItem(1));
}

TEST_F(WeekPlanTest, CanAddItemAndInsertItemAfterAgreeOnEveryRow) {
  struct Case {
    std::vector<int> weekdays;
    int index;
    std::vector<int> after;
  };
  const std::vector<Case> cases = {
      {{0}, 0, {0, 1}},
      {{0, 3}, 0, {0, 1, 3}},
      {{0, 5}, 1, {0, 5, 6}},
      {{0, 6}, 1, {0, 6}},
      {{0, 1}, 0, {0, 1}},
      {{0, 1, 2, 3, 4, 5, 6}, 3, {0, 1, 2, 3, 4, 5, 6}},
      {{0, 1, 2, 3, 4, 5, 6}, 6, {0, 1, 2, 3, 4, 5, 6}},
      {{0, 2}, -1, {0, 2}},
      {{0, 2}, 2, {0, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "items " << c.weekdays.size() << " index " << c.index);
    TWeekPlan plan;
    fill(plan, workdays, c.weekdays);
    const bool can = plan.CanAddItem(c.index);
    TWeekPlanItem* added = plan.InsertItemAfter(c.index);
    EXPECT_EQ(can, added != nullptr);
    EXPECT_EQ(can, c.after.size() > c.weekdays.size());
    EXPECT_EQ(days(plan), c.after);
  }
}

TEST_F(WeekPlanTest, AnEmptyPlanMayGetItsFirstItemAndDeletingKeepsTheLast) {
  TWeekPlan plan;
  EXPECT_TRUE(plan.CanAddItem(-1));
  EXPECT_EQ(plan.InsertItemAfter(-1), nullptr);
  fill(plan, workdays, {0, 4});
  EXPECT_FALSE(plan.DeleteItem(2));
  EXPECT_TRUE(plan.DeleteItem(1));
  EXPECT_FALSE(plan.DeleteItem(0));
  EXPECT_EQ(days(plan), (std::vector<int>{0}));
  EXPECT_EQ(workdays.RefCount(), 1);
}

TEST_F(WeekPlanTest, TheRecordIsOneByte) {
  TWeekPlan plan;
  const std::uint8_t record[1] = {4};
  auto* item = static_cast<TWeekPlanItem*>(plan.AddItem(-1, record, &workdays));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->DataSize(), 1);
  EXPECT_EQ(item->Day(), 4);
}

TEST(WeekPlanListTest, DeletionGuardsAndTheModelsWithoutYearPlan) {
  TLIRModelData data;
  data.Description = "ЛИР-тест";
  const TLIRModel withoutYearPlan(data);
  data.Flags = mfYearPlan;
  const TLIRModel withYearPlan(data);
  const TLIRModel* model = nullptr;
  TProgram off("ОС (отключенное состояние)");
  TDayPlans days(off, {});
  TWeekPlans weeks(days, [&] { return model; });
  ASSERT_EQ(weeks.Count(), 1);
  EXPECT_FALSE(weeks.DeleteWeekPlan(0));  // the last one
  TWeekPlan* second = weeks.NewWeekPlan();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(weeks.IndexOf(second), 1);
  EXPECT_EQ(second->WeekItem(0)->DayPlan(), days.Plan(0));
  TYearPlan year;
  year.AddFirstItem(*second);
  EXPECT_FALSE(weeks.CanDeleteWeekPlan(1));  // in use
  EXPECT_FALSE(weeks.DeleteWeekPlan(1));
  EXPECT_TRUE(weeks.DeleteWeekPlan(0));
  EXPECT_EQ(weeks.Plan(0), second);
  EXPECT_EQ(days.Plan(0)->RefCount(), 1);

  model = &withoutYearPlan;
  EXPECT_FALSE(weeks.CanAddWeekPlan());
  EXPECT_EQ(weeks.NewWeekPlan(), nullptr);
  model = &withYearPlan;
  EXPECT_NE(weeks.NewWeekPlan(), nullptr);
  year.Clear();
}

}  // namespace
}  // namespace lir
