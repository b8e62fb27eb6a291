// The picture layout for hand-made steps: size, axis, ticks, bar merging,
// gaps and step boundaries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "documents/TimingDiagram.h"
#include "model/SignalStates.h"

namespace lir {
namespace {

TProgramStep Step(int number, int duration, std::vector<std::uint8_t> signals) {
  TProgramStep step;
  step.Number = number;
  step.Duration = duration;
  step.MinDuration = duration;
  step.Signals = std::move(signals);
  return step;
}

constexpr int kT = TProgramStep::kTransitionNumber;

TEST(TimingDiagramLayout, NinetyFiveSecondsMakeA721PixelPicture) {
  TProgramSteps steps;
  steps.Steps.push_back(Step(1, 95, {ssGreen}));
  const TTimingDiagram d = LayOutTimingDiagram(steps, {"1Т"});
  EXPECT_EQ(d.CycleLength, 95);
  EXPECT_EQ(d.Width, 721);
  EXPECT_EQ(d.Height, 70);  // 18 + 32 + 20
  EXPECT_EQ(d.Frame, (TDiagramBox{10, 42, 701, 18}));
  std::vector<std::string> numbers;
  for (const TDiagramText& n : d.Numbers) numbers.push_back(n.Text);
  EXPECT_EQ(numbers, (std::vector<std::string>{"0", "10", "20", "30", "40", "50", "60", "70", "80", "90"}));
  // "90" sits over x = 46 + 630.
  EXPECT_EQ(d.Numbers.back().Box, (TDiagramBox{664, 14, 24, 9}));
  EXPECT_EQ(d.Numbers.back().PointSize, 7);
}

TEST(TimingDiagramLayout, TicksAxisAndSeparators) {
  TProgramSteps steps;
  steps.Steps.push_back(Step(1, 12, {ssRed, ssGreen}));
  const TTimingDiagram d = LayOutTimingDiagram(steps, {"1Т", "2П"});
  auto has = [&](TDiagramLine line) {
    for (const TDiagramLine& l : d.Lines) {
      if (l == line) return true;
    }
    return false;
  };
  // Width 7·12 + 36 = 120; two rows, 36 pixels.
  EXPECT_TRUE(has({10, 60, 129, 60}));   // below row 0 only
  EXPECT_FALSE(has({10, 78, 129, 78}));
  EXPECT_TRUE(has({46, 42, 46, 77}));    // labels | bars
  EXPECT_TRUE(has({46, 32, 129, 32}));   // time axis, 84 pixels
  EXPECT_TRUE(has({46, 25, 46, 41}));    // second 0: long tick
  EXPECT_TRUE(has({53, 32, 53, 41}));    // second 1: short
  EXPECT_TRUE(has({81, 29, 81, 41}));    // second 5: middle
  EXPECT_TRUE(has({116, 25, 116, 41}));  // second 10: long
  EXPECT_TRUE(has({130, 32, 130, 41}));  // second 12: the last
  EXPECT_FALSE(has({137, 32, 137, 41}));
  ASSERT_EQ(d.Rows.size(), 2u);
  EXPECT_EQ(d.Rows[1].Label.Text, "2П");
  EXPECT_EQ(d.Rows[1].Label.Box, (TDiagramBox{10, 60, 36, 18}));
  EXPECT_EQ(d.Rows[1].Label.PointSize, 8);
  EXPECT_EQ(d.Frame, (TDiagramBox{10, 42, 120, 36}));
}

// Steps of 2, 3 and 4 s: green, additional green, green blinking for the first
// row; red, dark, red for the second.
TEST(TimingDiagramLayout, FamiliesMergeAndDarkLeavesAGap) {
  TProgramSteps steps;
  steps.Steps.push_back(Step(1, 2, {ssGreen, ssRed}));
  steps.Steps.push_back(Step(kT, 3, {ssExtraGreen, ssOff}));
  steps.Steps.push_back(Step(2, 4, {ssGreenBlinking, ssExtraRed}));
  const TTimingDiagram d = LayOutTimingDiagram(steps, {"1Т", "2С"});

  const auto& first = d.Rows[0].Bars;
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(first[0].Box, (TDiagramBox{46, 50, 35, 10}));
  EXPECT_EQ(first[0].Style, TBarStyle::Green);
  EXPECT_EQ(first[0].Signal, ssExtraGreen);
  EXPECT_EQ(first[0].FirstStep, 0);
  EXPECT_EQ(first[0].LastStep, 1);
  EXPECT_EQ(first[1].Box, (TDiagramBox{81, 50, 28, 10}));
  EXPECT_EQ(first[1].Style, TBarStyle::GreenBlinking);
  EXPECT_EQ(first[1].StartSecond, 5);
  EXPECT_EQ(first[1].Seconds, 4);

  const auto& second = d.Rows[1].Bars;
  ASSERT_EQ(second.size(), 2u);
  EXPECT_EQ(second[0].Box, (TDiagramBox{46, 68, 14, 10}));
  EXPECT_EQ(second[1].Box, (TDiagramBox{81, 68, 28, 10}));  // pixels 60..80 stay empty
  EXPECT_EQ(second[1].Style, TBarStyle::Red);

  // Boundaries before the phase steps and after the first one.
  EXPECT_EQ(d.StepBoundaries, (std::vector<int>{46, 60, 81}));
}

TEST(TimingDiagramLayout, RedWithYellowCarriesItsTriangle) {
  TProgramSteps steps;
  steps.Steps.push_back(Step(1, 3, {ssRedYellow}));
  const TDiagramBar bar = LayOutTimingDiagram(steps, {"1Т"}).Rows[0].Bars.at(0);
  EXPECT_EQ(bar.Style, TBarStyle::RedYellow);
  EXPECT_EQ(bar.Triangle[0], (TDiagramPoint{46, 50}));
  EXPECT_EQ(bar.Triangle[1], (TDiagramPoint{67, 50}));
  EXPECT_EQ(bar.Triangle[2], (TDiagramPoint{46, 60}));
}

TEST(TimingDiagramLayout, StylesAndFamiliesOfEverySignal) {
  EXPECT_EQ(BarStyleOf(ssAdvanceGreen), TBarStyle::Green);
  EXPECT_EQ(BarStyleOf(ssYellow), TBarStyle::Yellow);
  EXPECT_EQ(BarStyleOf(ssAdvanceRed), TBarStyle::Red);
  EXPECT_EQ(BarStyleOf(ssAllRed), TBarStyle::Red);
  EXPECT_EQ(BarStyleOf(ssYellowFlashing), TBarStyle::YellowFlashing);
  EXPECT_FALSE(BarStyleOf(ssOff).has_value());
  EXPECT_FALSE(BarStyleOf(12).has_value());
  EXPECT_EQ(SignalFamily(ssAdvanceGreen), SignalFamily(ssExtraGreen));
  EXPECT_EQ(SignalFamily(ssAdvanceRed), SignalFamily(ssExtraRed));
  EXPECT_NE(SignalFamily(ssGreen), SignalFamily(ssGreenBlinking));
  EXPECT_NE(SignalFamily(ssRed), SignalFamily(ssAllRed));
  EXPECT_NE(SignalFamily(ssRed), SignalFamily(ssRedYellow));
}

TEST(TimingDiagramLayout, NoRowsIsNoDiagram) {
  TProgramSteps steps;
  steps.Steps.push_back(Step(1, 5, {}));
  EXPECT_TRUE(LayOutTimingDiagram(steps, {}).Empty());
  EXPECT_FALSE(LayOutTimingDiagram(TProgramSteps{}, {"1Т"}).Empty());
}

}  // namespace
}  // namespace lir
