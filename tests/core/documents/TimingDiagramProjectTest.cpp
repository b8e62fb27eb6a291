// The diagram of a project's work cycle: a vehicle group green in Ф1 and a
// pedestrian group green in Ф2, one cycle with Ф1 10 s and Ф2 20 s.
#include <gtest/gtest.h>

#include <vector>

#include "documents/TimingDiagram.h"
#include "model/Phases.h"
#include "model/Project.h"
#include "model/Trends.h"

namespace lir {
namespace {

struct Bar {
  int left, width, first, last;
  TBarStyle style;
  bool operator==(const Bar&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Bar& b) {
  return out << "{" << b.left << "," << b.width << "," << b.first << "," << b.last << "," << int(b.style) << "}";
}

std::vector<Bar> bars(const TDiagramRow& row) {
  std::vector<Bar> list;
  for (const TDiagramBar& b : row.Bars) list.push_back({b.Box.Left, b.Box.Width, b.FirstStep, b.LastStep, b.Style});
  return list;
}

struct TimingDiagramProjectTest : ::testing::Test {
  TProject project;
  TPhaseList& work = project.Phases().WorkPhases();

  void SetUp() override {
    work.AddPhase();
    TPhase& f1 = *work.Item(0);
    TPhase& f2 = *work.Item(1);
    f1.SetMinDuration(5);
    f2.SetMinDuration(7);
    TTrend& v = *project.AddGroupOfClass(TGroupClass::Transport, false)->Trends().First();
    TTrend& p = *project.AddGroupOfClass(TGroupClass::Walkman, false)->Trends().First();
    f1.SetState(v, psGreen);
    f2.SetState(p, psGreen);
    v.SetTime(ssGreenBlinking, 6);
    v.SetTime(ssYellow, 3);
    v.SetTime(ssRedYellow, 2);
    p.SetTime(ssGreenBlinking, 4);
    p.SetTime(ssAdvanceGreen, 1);
    project.Cycles().AddCycle();
    f1.SetDuration(0, 10);
    f2.SetDuration(0, 20);
  }
};

// Steps: Ф1 10 | blink 3 | yellow 2 | yellow, advance green 1 | Ф2 20 |
// P blinks 2 | V red with yellow, P blinks 2 — 40 s in all.
TEST_F(TimingDiagramProjectTest, TheCycleAsRowsOfBars) {
  const TTimingDiagram d = TimingDiagramOfCycle(project, 0);
  EXPECT_EQ(d.Name, TWorkCycles::kNewCycleName);
  EXPECT_EQ(d.CycleLength, 40);
  EXPECT_EQ(d.Width, 7 * 40 + 56);
  EXPECT_EQ(d.Height, 2 * 18 + 52);
  ASSERT_EQ(d.Rows.size(), 2u);
  EXPECT_EQ(d.Rows[0].Label.Text, "1Т");
  EXPECT_EQ(d.Rows[1].Label.Text, "2П");

  const std::vector<Bar> vehicle = {
      {46, 70, 0, 0, TBarStyle::Green},
      {116, 21, 1, 1, TBarStyle::GreenBlinking},
      {137, 21, 2, 3, TBarStyle::Yellow},
      {158, 154, 4, 5, TBarStyle::Red},
      {312, 14, 6, 6, TBarStyle::RedYellow},
  };
  EXPECT_EQ(bars(d.Rows[0]), vehicle);
  // Advance green and green make one bar from second 15 to 36.
  const std::vector<Bar> pedestrian = {
      {46, 105, 0, 2, TBarStyle::Red},
      {151, 147, 3, 4, TBarStyle::Green},
      {298, 28, 5, 6, TBarStyle::GreenBlinking},
  };
  EXPECT_EQ(bars(d.Rows[1]), pedestrian);
  EXPECT_EQ(d.Rows[1].Bars[1].Signal, ssGreen);
  EXPECT_EQ(d.Rows[1].Bars[0].Box.Top, 68);

  EXPECT_EQ(d.StepBoundaries, (std::vector<int>{46, 116, 158, 298}));
  ASSERT_EQ(d.Numbers.size(), 5u);
  EXPECT_EQ(d.Numbers[4].Text, "40");
  EXPECT_EQ(d.Numbers[4].Box.Left, 326 - 12);
}

TEST_F(TimingDiagramProjectTest, OutsideTheListTheMinimalCycleRuns) {
  const TTimingDiagram d = TimingDiagramOfCycle(project, -1);
  EXPECT_EQ(d.Name, TWorkCycles::kMinimalCycleName);
  EXPECT_EQ(d.CycleLength, 5 + 6 + 7 + 4);
  EXPECT_EQ(d.Rows[0].Bars[0].Box.Width, 35);
  EXPECT_EQ(TimingDiagramOfCycle(project, 1).CycleLength, 22);
}

TEST_F(TimingDiagramProjectTest, AGivenProgramAndAProjectWithoutTrends) {
  TProgram program("Утро");
  program.AppendPhase(*work.Item(1), 8);
  const TTimingDiagram d = TimingDiagramOf(project, program);
  EXPECT_EQ(d.Name, "Утро");
  // Ф2 → Ф2 has no transition: one step of 8 s, one bar per row.
  EXPECT_EQ(d.CycleLength, 8);
  EXPECT_EQ(bars(d.Rows[0]), (std::vector<Bar>{{46, 56, 0, 0, TBarStyle::Red}}));
  EXPECT_EQ(bars(d.Rows[1]), (std::vector<Bar>{{46, 56, 0, 0, TBarStyle::Green}}));

  TProject empty;
  EXPECT_TRUE(TimingDiagramOfCycle(empty, -1).Empty());
}

}  // namespace
}  // namespace lir
