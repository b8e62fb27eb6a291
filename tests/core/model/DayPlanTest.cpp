#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "common/DayTime.h"
#include "model/Cycle.h"
#include "model/DayPlans.h"
#include "model/LIRModels.h"

namespace lir {
namespace {

std::unique_ptr<TLIRModel> modelWithDayItems(int maxItems) {
  TLIRModelData data;
  data.Description = "ЛИР-тест";
  data.MaxDayplanItems = maxItems;
  return std::make_unique<TLIRModel>(data);
}

struct DayPlanTest : ::testing::Test {
  TProgram off{"ОС (отключенное состояние)"};
  TProgram first{"Цикл 1"};
  TProgram second{"Цикл 2"};
  TDayPlan plan{off};

  // Items at the given times, all linked to the first cycle.
  void fill(const std::vector<int>& times) {
    for (int time : times) {
      auto* item = static_cast<TDayPlanItem*>(plan.AddItem(plan.Count() - 1, nullptr, &first));
      ASSERT_NE(item, nullptr);
      item->SetTime(time);
    }
  }
  std::vector<int> times() const {
    std::vector<int> result;
    for (int i = 0; i < plan.Count(); ++i) result.push_back(plan.DayItem(i)->Time());
    return result;
  }
};

TEST_F(DayPlanTest, ANewPlanStartsWithOffAtMidnightAndInsertsAnHourThenAMinuteLater) {
  EXPECT_EQ(plan.Name(), "Новый суточный план");
  ASSERT_TRUE(plan.CanAddItem(-1));
  TDayPlanItem* item = plan.InsertItemAfter(-1);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->Time(), 0);
  EXPECT_EQ(item->Link(), &off);
  EXPECT_TRUE(item->AbsoluteTime);
  EXPECT_EQ(plan.InsertItemAfter(0)->Time(), minutesOf(1, 0));
  // The gap to 01:00 is exactly 60 minutes: the next item goes one minute on.
  EXPECT_EQ(plan.InsertItemAfter(0)->Time(), minutesOf(0, 1));
  EXPECT_EQ(times(), (std::vector<int>{0, 1, 60}));
  EXPECT_EQ(off.RefCount(), 3);
}

TEST_F(DayPlanTest, CanAddItemAndInsertItemAfterAgreeOnEveryRow) {
  struct Case {
    std::vector<int> times;
    int index;
    std::vector<int> after;  // the times once the insertion was asked for
  };
  const std::vector<Case> cases = {
      {{0}, 0, {0, 60}},
      {{0, 60}, 0, {0, 1, 60}},
      {{0, 61}, 0, {0, 60, 61}},
      {{0, 2}, 0, {0, 1, 2}},
      {{0, 1}, 0, {0, 1}},
      {{0, 1378}, 1, {0, 1378, 1438}},
      {{0, 1379}, 1, {0, 1379, 1380}},
      // 23:58 is followed by 23:59.
      {{0, 1438}, 1, {0, 1438, 1439}},
      // Nothing follows 23:59.
      {{0, 1439}, 1, {0, 1439}},
      {{0, 1439}, 0, {0, 60, 1439}},
      {{0, 1438, 1439}, 1, {0, 1438, 1439}},
      {{0, 600}, -1, {0, 600}},
      {{0, 600}, 2, {0, 600}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "times " << c.times.size() << " index " << c.index);
    TDayPlan rowPlan{off};
    for (int time : c.times) {
      static_cast<TDayPlanItem*>(rowPlan.AddItem(rowPlan.Count() - 1, nullptr, &first))->SetTime(time);
    }
    const bool can = rowPlan.CanAddItem(c.index);
    TDayPlanItem* added = rowPlan.InsertItemAfter(c.index);
    EXPECT_EQ(can, added != nullptr);
    EXPECT_EQ(can, c.after.size() > c.times.size());
    std::vector<int> result;
    for (int i = 0; i < rowPlan.Count(); ++i) result.push_back(rowPlan.DayItem(i)->Time());
    EXPECT_EQ(result, c.after);
  }
}

TEST_F(DayPlanTest, TheNewItemRunsTheCycleOfTheItemItFollows) {
  fill({0, 600});
  plan.SetItemCycle(1, &second);
  TDayPlanItem* added = plan.InsertItemAfter(1);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(plan.IndexOf(added), 2);
  EXPECT_EQ(added->Time(), 660);
  EXPECT_EQ(added->Cycle(), &second);
  EXPECT_EQ(first.RefCount(), 1);
  EXPECT_EQ(second.RefCount(), 2);
}

TEST_F(DayPlanTest, TheTimeEditorIsBoundedByTheNeighbours) {
  fill({0, 60, 600});
  EXPECT_EQ(plan.ItemMinTime(0), 0);
  EXPECT_EQ(plan.ItemMaxTime(0), 59);
  EXPECT_EQ(plan.ItemMinTime(1), 1);
  EXPECT_EQ(plan.ItemMaxTime(1), 599);
  EXPECT_EQ(plan.ItemMinTime(2), 61);
  EXPECT_EQ(plan.ItemMaxTime(2), 1439);
}

TEST_F(DayPlanTest, SetItemTimeRefusesATimeOutsideTheNeighboursBounds) {
  fill({0, 60, 600});
  struct Case {
    int index;
    int minutes;
    bool accepted;
  };
  const std::vector<Case> cases = {
      {1, 1, true},     {1, 599, true},   {1, 0, false},  {1, 600, false},  {1, -1, false},
      {2, 1439, true},  {2, 1440, false}, {2, 61, true},  {2, 60, false},   {0, 59, true},
      {0, 60, false},   {0, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "item " << c.index << " minutes " << c.minutes);
    const std::vector<int> before = times();
    if (c.accepted) {
      plan.SetItemTime(c.index, c.minutes);
      EXPECT_EQ(plan.DayItem(c.index)->Time(), c.minutes);
      plan.SetItemTime(c.index, before[static_cast<std::size_t>(c.index)]);
    } else {
      try {
        plan.SetItemTime(c.index, c.minutes);
        ADD_FAILURE() << "accepted";
      } catch (const EPlanError& e) {
        EXPECT_STREQ(e.what(), "Invalid time value.");
      }
    }
    EXPECT_EQ(times(), before);
  }
}

TEST_F(DayPlanTest, TheRecordIsTheStartTimeLittleEndian) {
  fill({1439});
  const std::span<const std::uint8_t> data = plan.DayItem(0)->Data();
  EXPECT_EQ(std::vector<std::uint8_t>(data.begin(), data.end()), (std::vector<std::uint8_t>{0x9F, 0x05}));
  const std::uint8_t record[2] = {0x3C, 0x00};
  auto* read = static_cast<TDayPlanItem*>(plan.AddItem(-1, record, &first));
  ASSERT_EQ(read, nullptr);  // a negative position of a plan with items is refused
  TDayPlan other{off};
  read = static_cast<TDayPlanItem*>(other.AddItem(-1, record, &first));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Time(), 60);
}

TEST_F(DayPlanTest, AssignCopiesRelativeTime) {
  fill({0, 30});
  plan.DayItem(1)->AbsoluteTime = false;
  TDayPlan copy{off};
  copy.Assign(&plan);
  ASSERT_EQ(copy.Count(), 2);
  EXPECT_TRUE(copy.DayItem(0)->AbsoluteTime);
  EXPECT_FALSE(copy.DayItem(1)->AbsoluteTime);
  EXPECT_EQ(copy.DayItem(1)->Time(), 30);
  EXPECT_EQ(first.RefCount(), 4);
}

TEST_F(DayPlanTest, DeletingKeepsTheLastItem) {
  fill({0, 60});
  EXPECT_FALSE(plan.DeleteItem(2));
  EXPECT_FALSE(plan.DeleteItem(-1));
  EXPECT_TRUE(plan.DeleteItem(0));
  EXPECT_EQ(times(), (std::vector<int>{60}));
  EXPECT_EQ(first.RefCount(), 1);
  EXPECT_FALSE(plan.CanDeleteItem(0));
  EXPECT_FALSE(plan.DeleteItem(0));
  EXPECT_EQ(plan.Count(), 1);
}

TEST_F(DayPlanTest, ItemLimitOfPlanAndModel) {
  struct Case {
    int modelItems;  // -1: no model
    int limit;
  };
  const std::vector<Case> cases = {{-1, 84}, {3, 3}, {84, 84}, {200, 84}, {0, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "model items " << c.modelItems);
    std::unique_ptr<TLIRModel> model = c.modelItems >= 0 ? modelWithDayItems(c.modelItems) : nullptr;
    TDayPlan limited{off, TDayPlan::kNewName, [&] { return static_cast<const TLIRModel*>(model.get()); }};
    EXPECT_EQ(limited.MaxItems(), c.limit);
    // One item a minute after the last until the plan is full.
    while (auto* item = static_cast<TDayPlanItem*>(limited.AddItem(limited.Count() - 1, nullptr, &first))) {
      item->SetTime(limited.Count() - 1);
    }
    EXPECT_EQ(limited.Count(), c.limit);
    EXPECT_FALSE(limited.CanAddItem(limited.Count() - 1));
    EXPECT_EQ(limited.InsertItemAfter(limited.Count() - 1), nullptr);
    EXPECT_EQ(limited.Count(), c.limit);
  }
}

}  // namespace
}  // namespace lir
