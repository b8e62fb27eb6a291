#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/Project.h"
#include "TrendTestModels.h"

namespace lir {
namespace {

using test::G;
using test::P;
using test::R;

// Records what a listener hears, with the outputs the group holds at that moment.
struct TRecorder : TTrendEvents {
  std::vector<std::string> heard;
  TProject* project = nullptr;

  static int used(const TTrendGroup& group) {
    int n = 0;
    for (int s = 0; s < kSlotCount; ++s) n += group.SlotOutput(s) != nullptr ? 1 : 0;
    return n;
  }
  void GroupCreated(TTrendGroup& group) override {
    heard.push_back(std::string("created ") + group.GetName() + " " + std::to_string(used(group)));
  }
  void GroupDestroyed(TTrendGroup& group) override {
    heard.push_back(std::string("destroyed ") + group.GetName() + " " + std::to_string(used(group)));
  }
  void TimesChanged() override { heard.push_back("times"); }
};

TEST(TrendProjectTest, GroupsAreAddedByMenuTagAndCountedInGridRows) {
  TProject project;
  EXPECT_EQ(project.AddGroup(0), 0);
  EXPECT_EQ(project.AddGroup(40), 1);  // a tram group: three grid rows, the stop signal hidden
  EXPECT_EQ(project.AddGroup(50), 4);  // a call group is a grid row too
  EXPECT_EQ(project.AddGroup(99), 5);  // unknown tag: a vehicle group
  EXPECT_EQ(project.GridRowCount(), 6);
  const int kinds[] = {0, 4, 5, 6, 8, 0};
  for (int row = 0; row < 6; ++row) EXPECT_EQ(project.GridTrend(row)->Kind(), kinds[row]) << row;
  EXPECT_EQ(project.GridTrend(6), nullptr);
  EXPECT_EQ(project.GridTrend(-1), nullptr);

  EXPECT_TRUE(project.RemoveGroup(2));  // a row of the tram group removes the whole group
  EXPECT_EQ(project.GroupCount(), 3);
  EXPECT_EQ(project.GridTrend(1)->Kind(), 8);
  EXPECT_FALSE(project.RemoveGroup(3));
}

TEST(TrendProjectTest, TrendNamesNumberTheGroups) {
  TProject project;
  project.AddGroup(0);
  project.AddGroup(10);
  project.AddGroup(20);
  const int tramRow = project.AddGroup(40);
  project.AddGroup(65);
  EXPECT_EQ(project.TrendName(*project.GridTrend(tramRow + 1)), "4Тв");
  EXPECT_EQ(project.TrendName(*project.GridTrend(2)), "3Пм");
  EXPECT_EQ(project.TrendName(*project.GridTrend(tramRow + 3)), "5Рж");
  EXPECT_EQ(project.TrendName(*project.Groups().Items(3)->TrendOfKind(7)), "4");
  // Names follow the group's position.
  project.DeleteGroup(*project.Groups().First());
  EXPECT_EQ(project.TrendName(*project.GridTrend(tramRow)), "3Тв");
}

TEST(TrendProjectTest, OutputNamesCarryTheControllerOnlyAmongSeveralControllers) {
  const auto several = test::makeModel({R, G});
  const auto composite = test::makeModel({R, G}, "ЛИР-3.4Н", 0);
  composite->SetComposite(true);

  TProject single;
  single.AddController(*several);
  EXPECT_EQ(single.OutputName(single.Controllers().First()->Outputs().Items(1)), "Выход 2");
  EXPECT_EQ(single.OutputName(nullptr), "");

  TProject two;
  two.AddController(*several);
  two.AddController(*several);
  EXPECT_EQ(two.OutputName(two.Controllers().Items(0)->Outputs().Items(0)), "1-Выход 1");
  EXPECT_EQ(two.OutputName(two.Controllers().Items(1)->Outputs().Items(1)), "2-Выход 2");

  TProject parts;
  parts.AddController(*composite);
  parts.AddController(*composite);  // never offered; the name still shows no prefix
  EXPECT_EQ(parts.OutputName(parts.Controllers().Items(1)->Outputs().Items(0)), "Выход 1");
}

TEST(TrendProjectTest, NoPathGoesBeyond255Groups) {
  TProject project;
  const TObject callList;
  for (int i = 0; i < TProject::kMaxGroups; ++i) {
    ASSERT_TRUE(project.CanAddGroup()) << i;
    ASSERT_GE(project.AddGroup(i % 2 == 0 ? 0 : 40), 0) << i;
  }
  EXPECT_FALSE(project.CanAddGroup()) << "even without a controller";
  EXPECT_EQ(project.AddGroup(0), -1);
  EXPECT_EQ(project.AddGroupOfClass(TGroupClass::Walkman, false), nullptr);
  EXPECT_EQ(project.AddCallGroup(callList), nullptr);
  EXPECT_EQ(project.GroupCount(), 255);

  project.DeleteGroup(*project.Groups().Last());
  EXPECT_TRUE(project.CanAddGroup());
  EXPECT_NE(project.AddCallGroup(callList), nullptr);
  EXPECT_EQ(project.GroupCount(), 255);
}

TEST(TrendProjectTest, CanAddGroupNeedsAFreeOutputOnceThereIsAController) {
  const auto model = test::makeModel({R, P, G, P});
  TProject project;
  project.AddController(*model);
  project.AddGroup(0);
  EXPECT_TRUE(project.CanAddGroup());
  project.AddGroup(70);
  EXPECT_FALSE(project.CanAddGroup());
}

TEST(TrendProjectTest, ACallGroupGoesOnlyByItsOwnCallList) {
  const auto model = test::makeModel({P, G});
  TProject project;
  project.AddController(*model);
  const TObject callList;
  const TObject otherList;
  TCall* call = project.AddCallGroup(callList);
  ASSERT_NE(call, nullptr);
  project.AddGroup(10);
  EXPECT_EQ(call->CallList(), &callList);
  EXPECT_EQ(call->SlotOutput(osYellow), project.Controllers().First()->Outputs().Items(0));
  EXPECT_EQ(call->SlotOutput(osGreen), project.Controllers().First()->Outputs().Items(1));
  EXPECT_EQ(project.GridTrend(0)->Kind(), kCallKind);

  EXPECT_FALSE(project.RemoveGroup(0));
  EXPECT_FALSE(project.DeleteGroup(*call));
  EXPECT_FALSE(project.RemoveCallGroup(*call, otherList));
  EXPECT_EQ(project.GroupCount(), 2);

  EXPECT_TRUE(project.RemoveCallGroup(*call, callList));
  EXPECT_EQ(project.GroupCount(), 1);

  // Once the list lets go, the group is an ordinary one.
  TCall* released = project.AddCallGroup(callList);
  released->SetCallList(nullptr);
  EXPECT_TRUE(project.DeleteGroup(*released));
}

TEST(TrendProjectTest, AnOutputSharedWithACallGroupStaysWithItsFirstGroup) {
  const auto model = test::makeModel({R, P, G, P, G});
  TProject project;
  project.AddController(*model);
  const TObject callList;
  TTrendGroup& vehicle = *project.AddGroupOfClass(TGroupClass::Transport);
  TCall& call = *project.AddCallGroup(callList);
  TControllerOutput* vehicleGreen = vehicle.SlotOutput(osGreen);
  // An expert lets the call group's green lamp share the vehicle group's.
  call.TrendOfKind(kCallKind)->LinkOutput(osGreen, vehicleGreen);
  project.RemoveCallGroup(call, callList);
  EXPECT_EQ(vehicleGreen->Group(), &vehicle);
  EXPECT_EQ(vehicle.SlotOutput(osGreen), vehicleGreen);
}

TEST(TrendProjectTest, ListenersHearOfGroupsAndTimes) {
  const auto model = test::makeModel({R, P, G, P, G});
  TProject project;
  TRecorder first;
  TRecorder second;
  project.Events().Subscribe(first);
  project.Events().Subscribe(second);
  project.Events().Subscribe(first);
  project.AddController(*model);

  const int row = project.AddGroup(0);
  project.GridTrend(row)->SetTime(3, 4);
  project.GridTrend(row)->SetUnivTime(3, 4);
  project.Events().Unsubscribe(second);
  project.AddGroup(10);
  project.RemoveGroup(row);
  project.Reset(3);
  const std::vector<std::string> all = {"created Транспортное 3",   "times", "times", "created Пешеходное 2",
                                        "destroyed Транспортное 3", "destroyed Пешеходное 2"};
  EXPECT_EQ(first.heard, all);
  EXPECT_EQ(second.heard, std::vector<std::string>(all.begin(), all.begin() + 3));
  EXPECT_EQ(project.GroupCount(), 0);
  EXPECT_EQ(project.ControllerCount(), 0);
}

TEST(TrendProjectTest, TheEditorLinksOutputsByGridRow) {
  const auto model = test::makeModel({P, R, G, P});
  TProject project;
  project.AddController(*model);
  const int row = project.AddGroup(0);
  TTrend& vehicle = *project.GridTrend(row);
  TControllerOutput* plain = project.Controllers().First()->Outputs().Items(3);
  ASSERT_TRUE(vehicle.RedControl());
  project.SetTrendOutput(row, osRed, plain);
  EXPECT_EQ(vehicle.Output(osRed), plain);
  EXPECT_FALSE(vehicle.RedControl());
  EXPECT_EQ(project.Controllers().First()->Outputs().Items(1)->Group(), nullptr);
  project.SetTrendOutput(row, osRed, nullptr);
  EXPECT_EQ(plain->Group(), nullptr);
  project.SetTrendOutput(row + 1, osRed, plain);  // no such row
  EXPECT_EQ(plain->Group(), nullptr);
}

TEST(TrendProjectTest, FurtherControllersOnlyOfTheSameFamilyAllowingSeveral) {
  const auto several = test::makeModel({P}, "ЛИР-3.2Н", mfSeveralControllers, 3);
  const auto single = test::makeModel({P}, "ЛИР-3.1", 0, 3);
  const auto otherFamily = test::makeModel({P}, "ЛИР-3С", mfSeveralControllers, 7);
  const auto composite = test::makeModel({P}, "ЛИР-3.4Н", mfSeveralControllers, 3);
  composite->SetComposite(true);

  TProject project;
  EXPECT_TRUE(project.CanAddController(*single));
  project.AddController(*several);
  EXPECT_TRUE(project.CanAddController(*several));
  EXPECT_FALSE(project.CanAddController(*single));
  EXPECT_FALSE(project.CanAddController(*otherFamily));
  project.AddController(*several);
  project.AddController(*several);
  EXPECT_FALSE(project.CanAddController(*several)) << "three at most";

  TProject compositeProject;
  compositeProject.AddController(*composite);
  EXPECT_FALSE(compositeProject.CanAddController(*several));
}

}  // namespace
}  // namespace lir
