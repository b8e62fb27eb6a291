#include "model/OutputAssignment.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "model/Project.h"
#include "TrendTestModels.h"

namespace lir {
namespace {

using test::G;
using test::P;
using test::R;

// slot → (controller, output) of the project, or -1 for an empty slot.
std::map<int, std::string> slotsOf(const TProject& project, const TTrendGroup& group) {
  std::map<int, std::string> slots;
  for (int s = 0; s < kSlotCount; ++s) {
    if (const TControllerOutput* o = group.SlotOutput(s)) {
      slots[s] = std::to_string(project.Controllers().IndexOf(&o->Controller())) + "." +
                 std::to_string(o->ModelOutput().Index());
    }
  }
  return slots;
}

struct TClassCase {
  TGroupClass Class;
  std::map<int, std::string> Slots;
};

class OutputAssignmentPerClassTest : public ::testing::TestWithParam<TClassCase> {};

// Outputs: 0 R, 1 P, 2 G, 3 P, 4 G, 5 R, 6 P, 7 P.
TEST_P(OutputAssignmentPerClassTest, ANewGroupGetsFreeOutputsForItsAutoSlots) {
  const auto model = test::makeModel({R, P, G, P, G, R, P, P});
  TProject project;
  project.AddController(*model);
  const TTrendGroup* group = project.AddGroupOfClass(GetParam().Class);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(slotsOf(project, *group), GetParam().Slots);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OutputAssignmentPerClassTest,
    ::testing::Values(TClassCase{TGroupClass::Transport, {{osRed, "0.0"}, {osYellow, "0.1"}, {osGreen, "0.2"}}},
                      TClassCase{TGroupClass::Walkman, {{osRed, "0.0"}, {osGreen, "0.2"}}},
                      TClassCase{TGroupClass::Arrow, {{osGreen, "0.2"}}},
                      TClassCase{TGroupClass::ArrowGB, {{osGreen, "0.2"}}},
                      TClassCase{TGroupClass::Tram,
                                 {{osTramLeft, "0.1"}, {osTramLower, "0.2"}, {osTramStraight, "0.3"},
                                  {osTramRight, "0.6"}}},
                      TClassCase{TGroupClass::Call, {{osYellow, "0.1"}, {osGreen, "0.2"}}},
                      TClassCase{TGroupClass::Reverse3, {{osRed, "0.0"}, {osYellow, "0.1"}, {osGreen, "0.2"}}},
                      TClassCase{TGroupClass::LedLight, {{osGreen, "0.2"}}}));

TEST(OutputAssignmentTest, MonitoringFollowsTheAssignedOutputs) {
  const auto model = test::makeModel({R, P, G, P, G, R, P, P});
  TProject project;
  project.AddController(*model);
  const TTrend& vehicle = *project.AddGroupOfClass(TGroupClass::Transport)->Trends().First();
  EXPECT_TRUE(vehicle.RedControl());
  EXPECT_TRUE(vehicle.GreenControl());
  const TTrendGroup& tram = *project.AddGroupOfClass(TGroupClass::Tram);
  // Each direction's lower lamp is the green-monitorable output 4.
  for (int kind = 4; kind <= 6; ++kind) EXPECT_TRUE(tram.TrendOfKind(kind)->GreenControl()) << kind;

  const auto plain = test::makeModel({P, P, P});
  TProject plainProject;
  plainProject.AddController(*plain);
  const TTrend& unwatched = *plainProject.AddGroupOfClass(TGroupClass::Transport)->Trends().First();
  EXPECT_FALSE(unwatched.RedControl());
  EXPECT_FALSE(unwatched.GreenControl());
}

TEST(OutputAssignmentTest, EachSlotFallsBackThroughItsPreferences) {
  const auto model = test::makeModel({G, P, R, G, R});
  TProject project;
  project.AddController(*model);
  const TTrendGroup& first = *project.AddGroupOfClass(TGroupClass::Transport);
  EXPECT_EQ(slotsOf(project, first), (std::map<int, std::string>{{osRed, "0.2"}, {osYellow, "0.1"}, {osGreen, "0.0"}}));
  // No plain output left: the yellow lamp takes red-, then green-monitorable ones.
  const TTrendGroup& second = *project.AddGroupOfClass(TGroupClass::Transport);
  EXPECT_EQ(slotsOf(project, second), (std::map<int, std::string>{{osRed, "0.4"}, {osYellow, "0.3"}}));
  EXPECT_EQ(project.AddGroupOfClass(TGroupClass::Transport)->SlotOutput(osRed), nullptr);
  EXPECT_FALSE(project.CanAddGroup());
}

TEST(OutputAssignmentTest, CapabilityComesBeforeControllerOrder) {
  const auto a = test::makeModel({P, R});
  const auto b = test::makeModel({R, G});
  TProject project;
  project.AddController(*a);
  project.AddController(*b);
  const TTrendGroup& group = *project.AddGroupOfClass(TGroupClass::Transport);
  EXPECT_EQ(slotsOf(project, group), (std::map<int, std::string>{{osRed, "0.1"}, {osYellow, "0.0"}, {osGreen, "1.1"}}));
}

TEST(OutputAssignmentTest, AnAddedControllerFillsTheEmptySlotsOfEveryGroup) {
  const auto a = test::makeModel({R});
  const auto b = test::makeModel({P, G, G, R});
  TProject project;
  project.AddController(*a);
  const TTrendGroup& vehicle = *project.AddGroupOfClass(TGroupClass::Transport);
  const TTrendGroup& pedestrian = *project.AddGroupOfClass(TGroupClass::Walkman);
  EXPECT_EQ(slotsOf(project, pedestrian), (std::map<int, std::string>{}));
  project.AddController(*b);
  EXPECT_EQ(slotsOf(project, vehicle), (std::map<int, std::string>{{osRed, "0.0"}, {osYellow, "1.0"}, {osGreen, "1.1"}}));
  EXPECT_EQ(slotsOf(project, pedestrian), (std::map<int, std::string>{{osRed, "1.3"}, {osGreen, "1.2"}}));
  EXPECT_TRUE(vehicle.Trends().First()->GreenControl());
}

// A 64-output model of three 21-output boards: the spare output 63 (the only
// red-monitorable one here) waits until 21 green-monitorable outputs are used.
class OutputAssignmentCompositeTest : public ::testing::Test {
 protected:
  static std::unique_ptr<TLIRModel> model(const char* description, int outputs, bool composite) {
    const int third = outputs / 3;
    auto m = test::makeModel(test::outputRuns({{third, G}, {outputs - third - 1, P}, {1, R}}), description, 0);
    m->SetComposite(composite);
    return m;
  }
  static int redSlotIndex(const TTrendGroup& group) { return group.SlotOutput(osRed)->ModelOutput().Index(); }
};

TEST_F(OutputAssignmentCompositeTest, TheSpareOutputOfLir36nWaitsForTheBoardsGreenOutputs) {
  const auto lir36 = model("ЛИР-3.6Н", 64, true);
  ASSERT_EQ(lir36->OutputCount() / 3, 21);
  TProject project;
  project.AddController(*lir36);
  const TTrendGroup& first = *project.AddGroupOfClass(TGroupClass::Transport);
  EXPECT_EQ(redSlotIndex(first), 21) << "a plain output rather than the spare one";
  EXPECT_EQ(first.SlotOutput(osGreen)->ModelOutput().Index(), 0);
  for (int i = 0; i < 19; ++i) {
    const TTrendGroup& pedestrian = *project.AddGroupOfClass(TGroupClass::Walkman);
    EXPECT_NE(redSlotIndex(pedestrian), 63) << i;
  }
  // 20 green-monitorable outputs in use; the 21st goes to this group's з,
  // after its к was chosen.
  const TTrendGroup& twentyFirst = *project.AddGroupOfClass(TGroupClass::Walkman);
  EXPECT_NE(redSlotIndex(twentyFirst), 63);
  EXPECT_EQ(twentyFirst.SlotOutput(osGreen)->ModelOutput().Index(), 20);
  EXPECT_EQ(redSlotIndex(*project.AddGroupOfClass(TGroupClass::Transport)), 63);
}

TEST_F(OutputAssignmentCompositeTest, OtherModelsHandOutTheirLastOutputAtOnce) {
  struct Case {
    const char* Description;
    int Outputs;
    bool Composite;
  };
  for (const Case& c : {Case{"ЛИР-3.6Н", 64, false}, Case{"ЛИР-3.4Н", 48, true}, Case{"ЛИР-3.3Н", 64, false}}) {
    SCOPED_TRACE(c.Description);
    const auto m = model(c.Description, c.Outputs, c.Composite);
    TProject project;
    project.AddController(*m);
    EXPECT_EQ(redSlotIndex(*project.AddGroupOfClass(TGroupClass::Transport)), c.Outputs - 1);
  }
}

}  // namespace
}  // namespace lir
