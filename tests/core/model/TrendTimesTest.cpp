#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/TrendEvents.h"
#include "model/TrendGroup.h"

namespace lir {
namespace {

struct TCountingListener : TTrendEvents {
  int timesChanged = 0;
  void TimesChanged() override { ++timesChanged; }
};

class TrendTimesTest : public ::testing::Test {
 protected:
  TTrend& trendOf(TGroupClass cls) {
    groups_.push_back(NewTrendGroup(cls));
    groups_.back()->SetEvents(&listener_);
    return *groups_.back()->Trends().First();
  }
  // Times of states from..to as stored.
  static std::vector<int> stored(const TTrend& trend, int from, int to) {
    std::vector<int> times;
    for (int s = from; s <= to; ++s) times.push_back(trend.Times()[static_cast<std::size_t>(s)]);
    return times;
  }

  TCountingListener listener_;
  std::vector<std::unique_ptr<TTrendGroup>> groups_;
};

TEST_F(TrendTimesTest, ANewTrendHasNoTimesAndTheKindsMonitoringSwitches) {
  // kind → red, green monitoring at start
  const bool red[kTrendKindCount] = {true, false, false, true, false, false, false, false, false, true, true, true, false};
  const bool green[kTrendKindCount] = {true, true, true, true, true, true, true, false, false, true, true, true, false};
  int trends = 0;
  for (int c = 0; c < kGroupClassCount; ++c) {
    const auto group = NewTrendGroup(static_cast<TGroupClass>(c));
    for (int t = 0; t < group->Trends().Count(); ++t, ++trends) {
      const TTrend& trend = *group->Trends().Items(t);
      SCOPED_TRACE(trend.Kind());
      EXPECT_EQ(&trend.Group(), group.get());
      EXPECT_EQ(trend.RedControl(), red[trend.Kind()]);
      EXPECT_EQ(trend.GreenControl(), green[trend.Kind()]);
      EXPECT_FALSE(trend.Smart());
      for (int s = 0; s < kSignalStateCount; ++s) {
        EXPECT_EQ(trend.GetTime(s), 0);
        EXPECT_EQ(trend.GetUnivTime(s), 0);
      }
    }
  }
  EXPECT_EQ(trends, kTrendKindCount);
}

// Each case sets times one after another on a vehicle trend and checks the
// stored times of states 1..4 and 6..8 afterwards.
struct TChainCase {
  const char* Name;
  std::vector<std::pair<int, int>> Sets;  // state, value
  std::vector<int> States1To4;
  std::vector<int> States6To8;
};

class TrendTimeChainTest : public TrendTimesTest, public ::testing::WithParamInterface<TChainCase> {};

TEST_P(TrendTimeChainTest, TimesStayNonIncreasingChains) {
  TTrend& trend = trendOf(TGroupClass::Transport);
  for (const auto& [state, value] : GetParam().Sets) trend.SetTime(state, value);
  EXPECT_EQ(stored(trend, 1, 4), GetParam().States1To4);
  EXPECT_EQ(stored(trend, 6, 8), GetParam().States6To8);
  // The universal times keep their own chains by the same rule.
  TTrend& univ = trendOf(TGroupClass::Transport);
  for (const auto& [state, value] : GetParam().Sets) univ.SetUnivTime(state, value);
  for (int s = 0; s < kSignalStateCount; ++s) {
    EXPECT_EQ(univ.GetUnivTime(s), trend.GetTime(s)) << s;
    EXPECT_EQ(univ.GetTime(s), 0) << s;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrendTimeChainTest,
    ::testing::Values(
        // (2, 3, 4) = (6, 3, 0) first.
        TChainCase{"RaisingYellowPullsGreenBlinkingUp", {{2, 6}, {3, 3}, {3, 8}}, {8, 8, 8, 0}, {0, 0, 0}},
        TChainCase{"LoweringGreenBlinkingPushesYellowDown", {{2, 6}, {3, 3}, {2, 1}}, {6, 1, 1, 0}, {0, 0, 0}},
        TChainCase{"AdvanceRedAboveEarlierStatesRaisesThemAll", {{2, 3}, {3, 2}, {4, 5}}, {5, 5, 5, 5}, {0, 0, 0}},
        TChainCase{"AValueBetweenNeighboursTouchesNothingElse", {{1, 9}, {4, 2}, {3, 5}}, {9, 5, 5, 2}, {0, 0, 0}},
        TChainCase{"TheSecondChainStartsAtExtraRed", {{8, 4}, {6, 2}}, {0, 0, 0, 0}, {2, 2, 2}},
        TChainCase{"ValuesAreKeptWithinAByte", {{2, 300}, {4, -3}}, {255, 255, 0, 0}, {0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TrendTimesTest, StatesOutsideTheChainsAreStoredAsGiven) {
  TTrend& trend = trendOf(TGroupClass::Transport);
  trend.SetTime(0, 7);
  trend.SetTime(5, 9);
  trend.SetTime(11, 1);
  EXPECT_EQ(trend.GetTime(0), 7);
  EXPECT_EQ(trend.GetTime(5), 9);
  EXPECT_EQ(trend.GetTime(11), 1);
  EXPECT_EQ(trend.GetTime(1), 0);
}

TEST_F(TrendTimesTest, AStateTheKindCannotShowBorrowsTheNextOrAnswersZero) {
  TTrend& pedestrian = trendOf(TGroupClass::Walkman);  // no yellow, no red with yellow
  pedestrian.SetTime(4, 5);
  pedestrian.SetTime(8, 2);
  pedestrian.SetTime(3, 7);  // ignored: not a pedestrian state
  EXPECT_EQ(pedestrian.GetTime(3), 5);
  EXPECT_EQ(pedestrian.GetTime(7), 2);
  EXPECT_EQ(pedestrian.GetTime(10), 0);
  EXPECT_EQ(pedestrian.GetTime(12), 0);
  EXPECT_EQ(pedestrian.GetTime(-1), 0);

  TTrend& tram = trendOf(TGroupClass::Tram);  // no green blinking, no yellow: both borrow advance red
  tram.SetTime(4, 6);
  EXPECT_EQ(tram.GetTime(2), 6);
  EXPECT_EQ(tram.GetTime(3), 6);
  EXPECT_EQ(tram.GetTime(9), 0);
  tram.SetUnivTime(4, 3);
  EXPECT_EQ(tram.GetUnivTime(2), 3);
  EXPECT_EQ(tram.GetTime(2), 6);
}

TEST_F(TrendTimesTest, OnlyRealChangesAreAnnounced) {
  TTrend& pedestrian = trendOf(TGroupClass::Walkman);
  pedestrian.SetTime(4, 5);
  pedestrian.SetUnivTime(4, 5);
  EXPECT_EQ(listener_.timesChanged, 2);
  pedestrian.SetTime(4, 5);  // unchanged
  pedestrian.SetTime(3, 1);  // not a pedestrian state
  pedestrian.SetTime(4, 500);
  pedestrian.SetTime(4, 255);  // the same once kept within a byte
  EXPECT_EQ(listener_.timesChanged, 3);
}

}  // namespace
}  // namespace lir
