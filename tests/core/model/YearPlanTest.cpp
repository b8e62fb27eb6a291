#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "common/DayTime.h"
#include "model/LIRModels.h"
#include "model/PlanLists.h"
#include "model/Project.h"
#include "model/YearPlans.h"

namespace lir {
namespace {

constexpr int kFeb28 = 58;
constexpr int kFeb29 = 59;
constexpr int kMar1 = 60;
constexpr int kDec30 = 364;
constexpr int kDec31 = 365;

std::unique_ptr<TLIRModel> yearModel(std::uint32_t flags, int maxYearItems) {
  TLIRModelData data;
  data.Description = "ЛИР-тест";
  data.Flags = flags;
  data.MaxYearplanItems = maxYearItems;
  return std::make_unique<TLIRModel>(data);
}

std::vector<int> days(const TYearPlan& plan) {
  std::vector<int> result;
  for (int i = 0; i < plan.Count(); ++i) result.push_back(plan.YearItem(i)->Day());
  return result;
}

struct YearPlanTest : ::testing::Test {
  TWeekPlan week{"Неделя"};
  TWeekPlan other{"Другая"};

  static void fill(TYearPlan& plan, TWeekPlan& week, const std::vector<int>& dayIndexes) {
    for (int day : dayIndexes) {
      auto* item = static_cast<TYearPlanItem*>(plan.AddItem(plan.Count() - 1, nullptr, &week));
      ASSERT_NE(item, nullptr);
      item->SetDay(day);
    }
  }
};

TEST_F(YearPlanTest, TheDayIndexesOfTheReferenceYear) {
  EXPECT_EQ(dayIndexOf(28, 2), kFeb28);
  EXPECT_EQ(dayIndexOf(29, 2), kFeb29);
  EXPECT_EQ(dayIndexOf(1, 3), kMar1);
  EXPECT_EQ(dayIndexOf(30, 12), kDec30);
  EXPECT_EQ(dayIndexOf(31, 12), kDec31);
}

TEST_F(YearPlanTest, ASingleFirstOfJanuaryIsFollowedBySecondOfJanuary) {
  TYearPlan plan;
  ASSERT_NE(plan.AddFirstItem(week), nullptr);
  EXPECT_EQ(plan.AddFirstItem(week), nullptr);
  EXPECT_EQ(days(plan), (std::vector<int>{0}));
  EXPECT_EQ(plan.PeriodEnd(0), kDec31);
  TYearPlanItem* added = plan.InsertItemAfter(0);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->Day(), 1);
  EXPECT_EQ(added->WeekPlan(), &week);
  EXPECT_EQ(week.RefCount(), 2);
}

TEST_F(YearPlanTest, CanAddItemAndInsertItemAfterAgreeOnEveryRow) {
  struct Case {
    std::vector<int> dayIndexes;
    int index;
    std::vector<int> after;
  };
  const std::vector<Case> cases = {
      {{0}, 0, {0, 1}},
      {{0, kDec31}, 0, {0, 1, kDec31}},
      {{0, kFeb28}, 1, {0, kFeb28, kFeb29}},
      {{0, kFeb29}, 1, {0, kFeb29, kMar1}},
      {{0, kFeb28, kFeb29}, 1, {0, kFeb28, kFeb29}},
      {{0, kDec30}, 1, {0, kDec30, kDec31}},
      {{0, kDec31}, 1, {0, kDec31}},
      {{0, 10}, -1, {0, 10}},
      {{0, 10}, 2, {0, 10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "items " << c.dayIndexes.size() << " index " << c.index);
    TYearPlan plan;
    fill(plan, week, c.dayIndexes);
    const bool can = plan.CanAddItem(c.index);
    TYearPlanItem* added = plan.InsertItemAfter(c.index);
    EXPECT_EQ(can, added != nullptr);
    EXPECT_EQ(can, c.after.size() > c.dayIndexes.size());
    EXPECT_EQ(days(plan), c.after);
  }
}

TEST_F(YearPlanTest, PeriodsAndTheirBounds) {
  TYearPlan plan;
  fill(plan, week, {0, kFeb29, kMar1});
  EXPECT_EQ(plan.PeriodEnd(0), kFeb28);
  EXPECT_EQ(plan.PeriodEnd(1), kFeb29);
  EXPECT_EQ(plan.PeriodEnd(2), kDec31);
  EXPECT_EQ(plan.PeriodStartBound(0), 0);
  EXPECT_EQ(plan.PeriodStartBound(1), 1);
  EXPECT_EQ(plan.PeriodStartBound(2), kMar1);
}

TEST_F(YearPlanTest, TheRecordIsTheDateValueLittleEndian) {
  TYearPlan plan;
  fill(plan, week, {0, kDec31});
  const auto bytes = [&](int index) {
    const std::span<const std::uint8_t> data = plan.YearItem(index)->Data();
    return std::vector<std::uint8_t>(data.begin(), data.end());
  };
  // 36526.0 and 36891.0.
  EXPECT_EQ(bytes(0), (std::vector<std::uint8_t>{0, 0, 0, 0, 0xC0, 0xD5, 0xE1, 0x40}));
  EXPECT_EQ(bytes(1), (std::vector<std::uint8_t>{0, 0, 0, 0, 0x60, 0x03, 0xE2, 0x40}));
  TYearPlan zeroed;
  zeroed.AddItem(-1, nullptr, &week);
  EXPECT_EQ(zeroed.YearItem(0)->Day(), -1);
}

TEST_F(YearPlanTest, DeletingKeepsTheLastItem) {
  TYearPlan plan;
  fill(plan, week, {0, 100});
  EXPECT_FALSE(plan.DeleteItem(2));
  EXPECT_TRUE(plan.DeleteItem(0));
  EXPECT_FALSE(plan.DeleteItem(0));
  EXPECT_EQ(days(plan), (std::vector<int>{100}));
  EXPECT_EQ(week.RefCount(), 1);
}

TEST_F(YearPlanTest, ItemLimitOfPlanAndModel) {
  struct Case {
    bool model;
    std::uint32_t flags;
    int modelItems;
    int limit;
  };
  const std::vector<Case> cases = {
      {false, 0, 0, 63},  {true, mfYearPlan, 10, 10}, {true, mfYearPlan, 63, 63},
      {true, mfYearPlan, 100, 63}, {true, mfYearPlan, 0, 1}, {true, 0, 63, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "flags " << c.flags << " items " << c.modelItems);
    std::unique_ptr<TLIRModel> model = c.model ? yearModel(c.flags, c.modelItems) : nullptr;
    TYearPlan plan([&] { return static_cast<const TLIRModel*>(model.get()); });
    EXPECT_EQ(plan.MaxItems(), c.limit);
    plan.AddFirstItem(week);
    while (plan.InsertItemAfter(plan.Count() - 1) != nullptr) {
    }
    EXPECT_EQ(plan.Count(), c.limit);
    EXPECT_FALSE(plan.CanAddItem(plan.Count() - 1));
    EXPECT_EQ(plan.YearItem(plan.Count() - 1)->Day(), c.limit - 1);
  }
}

struct YearPlanCutDownTest : ::testing::Test {
  TProject project;
  TWeekPlans& weeks = project.WeekPlans();
  TYearPlan& year = project.YearPlan();

  // Week plans 1..3; the year plan's items on days 0, 10, 20, 30 link to
  // week plans 2, 3, 1, 2.
  void SetUp() override {
    weeks.NewWeekPlan();
    weeks.NewWeekPlan();
    year.Item(0)->SetLink(weeks.Plan(1));
    const int weekOf[] = {2, 0, 1};
    for (int i = 0; i < 3; ++i) {
      TYearPlanItem* item = year.InsertItemAfter(year.Count() - 1);
      ASSERT_NE(item, nullptr);
      item->SetDay(10 * (i + 1));
      item->SetLink(weeks.Plan(weekOf[i]));
    }
  }
  std::vector<const TLinkedObject*> links() const {
    std::vector<const TLinkedObject*> result;
    for (int i = 0; i < year.Count(); ++i) result.push_back(year.Item(i)->Link());
    return result;
  }
};

TEST_F(YearPlanCutDownTest, AModelWithoutYearPlanKeepsOneItemOnTheFirstWeekPlan) {
  TWeekPlan* first = weeks.Plan(0);
  project.CutPlansDown(*yearModel(0, 63));
  EXPECT_EQ(days(year), (std::vector<int>{0}));
  EXPECT_EQ(links(), (std::vector<const TLinkedObject*>{first}));
  ASSERT_EQ(weeks.Count(), 1);
  EXPECT_EQ(weeks.Plan(0), first);
  EXPECT_EQ(first->RefCount(), 1);
  EXPECT_EQ(project.DayPlans().Plan(0)->RefCount(), 1);
}

TEST_F(YearPlanCutDownTest, AModelWithFewerYearPlanItemsLosesTheLastOnes) {
  struct Case {
    int modelItems;
    std::vector<int> kept;
  };
  const std::vector<Case> cases = {{63, {0, 10, 20, 30}}, {4, {0, 10, 20, 30}}, {2, {0, 10}}, {0, {0}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "model items " << c.modelItems);
    project.CutPlansDown(*yearModel(mfYearPlan, c.modelItems));
    EXPECT_EQ(days(year), c.kept);
    EXPECT_EQ(weeks.Count(), 3);
  }
  EXPECT_EQ(links(), (std::vector<const TLinkedObject*>{weeks.Plan(1)}));
  EXPECT_EQ(weeks.Plan(0)->RefCount(), 0);
  EXPECT_EQ(weeks.Plan(2)->RefCount(), 0);
}

}  // namespace
}  // namespace lir
