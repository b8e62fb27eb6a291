#include "model/TrendGroup.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/Controller.h"
#include "TrendTestModels.h"

namespace lir {
namespace {

using test::G;
using test::P;
using test::R;
using test::RG;

class TrendGroupTest : public ::testing::Test {
 protected:
  TrendGroupTest() : model_(test::makeModel({R, P, G, RG, P, G, P, R})), controller_(*model_) {}

  TControllerOutput* out(int index) { return controller_.Outputs().Items(index); }

  std::unique_ptr<TLIRModel> model_;
  TController controller_;
};

TEST_F(TrendGroupTest, ATramGroupHasFourTrendsSharingItsSlots) {
  const auto tram = NewTrendGroup(TGroupClass::Tram);
  ASSERT_EQ(tram->Trends().Count(), 4);
  for (int t = 0; t < 4; ++t) EXPECT_EQ(tram->Trends().Items(t)->Kind(), 4 + t);
  TTrend& left = *tram->TrendOfKind(4);
  left.AssignOutput(osTramLower, out(2));
  left.AssignOutput(osTramLeft, out(1));
  tram->TrendOfKind(5)->AssignOutput(osTramStraight, out(4));
  EXPECT_EQ(tram->TrendOfKind(5)->Output(osTramLower), out(2));
  EXPECT_EQ(tram->TrendOfKind(6)->Output(osTramLower), out(2));
  // The stop signal lights the three direction lamps, not the lower one.
  const TTrend& stop = *tram->TrendOfKind(7);
  EXPECT_EQ(stop.Output(osTramLeft), out(1));
  EXPECT_EQ(stop.Output(osTramStraight), out(4));
  EXPECT_EQ(stop.Output(osTramLower), nullptr);
  EXPECT_EQ(tram->SlotOutput(osTramLower), out(2));
  EXPECT_EQ(tram->TrendOfKind(0), nullptr);
  EXPECT_STREQ(tram->ClassName(), "TTram");
  EXPECT_EQ(tram->Create()->Class(), TGroupClass::Tram);
}

TEST_F(TrendGroupTest, AKindUsesOnlyItsOwnSlots) {
  const auto group = NewTrendGroup(TGroupClass::Walkman);
  TTrend& pedestrian = *group->Trends().First();
  pedestrian.AssignOutput(osYellow, out(1));
  pedestrian.AssignOutput(osTramLower, out(1));
  EXPECT_EQ(group->SlotOutput(osYellow), nullptr);
  EXPECT_EQ(group->SlotOutput(osTramLower), nullptr);
  EXPECT_EQ(out(1)->Group(), nullptr);
}

TEST_F(TrendGroupTest, OutputsKnowTheGroupThatUsesThem) {
  auto group = NewTrendGroup(TGroupClass::Transport);
  TTrend& vehicle = *group->Trends().First();
  vehicle.AssignOutput(osRed, out(0));
  vehicle.AssignOutput(osGreen, out(2));
  EXPECT_EQ(out(0)->Group(), group.get());
  EXPECT_EQ(group->SlotOf(*out(2)), osGreen);

  vehicle.AssignOutput(osRed, out(3));  // the old output is free again
  EXPECT_EQ(out(0)->Group(), nullptr);
  EXPECT_EQ(out(3)->Group(), group.get());
  try {
    group->SlotOf(*out(0));
    ADD_FAILURE() << "no exception";
  } catch (const ETrendGroupError& e) {
    EXPECT_STREQ(e.what(), "Incorrect output!");
  }

  // An output in two slots of one group stays linked while one still has it.
  group->SetOutput(osYellow, out(2));
  vehicle.AssignOutput(osGreen, nullptr);
  EXPECT_EQ(out(2)->Group(), group.get());

  group.reset();
  for (int o = 0; o < controller_.Outputs().Count(); ++o) EXPECT_EQ(out(o)->Group(), nullptr) << o;
}

TEST_F(TrendGroupTest, AVanishingOutputLeavesItsSlotsEmptyAndUnmonitored) {
  const auto group = NewTrendGroup(TGroupClass::Transport);
  TTrend& vehicle = *group->Trends().First();
  {
    auto model = test::makeModel({R, G});
    TController other(*model);
    vehicle.LinkOutput(osRed, other.Outputs().Items(0));
    vehicle.LinkOutput(osGreen, other.Outputs().Items(1));
    ASSERT_TRUE(vehicle.RedControl());
    ASSERT_TRUE(vehicle.GreenControl());
  }
  EXPECT_EQ(group->SlotOutput(osRed), nullptr);
  EXPECT_EQ(group->SlotOutput(osGreen), nullptr);
  EXPECT_FALSE(vehicle.RedControl());
  EXPECT_FALSE(vehicle.GreenControl());
}

// Linking one output through the editor's entry and the monitoring that follows.
struct TLinkCase {
  TGroupClass Class;
  int Kind;
  int Slot;
  int Output;  // into the fixture's outputs R P G RG P G P R
  bool Red;
  bool Green;
};

class TrendMonitoringTest : public TrendGroupTest, public ::testing::WithParamInterface<TLinkCase> {};

TEST_P(TrendMonitoringTest, LinkingSetsTheSlotsMonitoringByKindAndOutput) {
  const TLinkCase& c = GetParam();
  const auto group = NewTrendGroup(c.Class);
  TTrend& trend = *group->TrendOfKind(c.Kind);
  trend.SetRedControl(false);
  trend.SetGreenControl(false);
  trend.LinkOutput(c.Slot, out(c.Output));
  EXPECT_EQ(group->SlotOutput(c.Slot), out(c.Output));
  EXPECT_EQ(trend.RedControl(), c.Red);
  EXPECT_EQ(trend.GreenControl(), c.Green);
}

INSTANTIATE_TEST_SUITE_P(Cases, TrendMonitoringTest,
                         ::testing::Values(TLinkCase{TGroupClass::Transport, 0, osRed, 0, true, false},
                                           TLinkCase{TGroupClass::Transport, 0, osRed, 3, true, false},
                                           TLinkCase{TGroupClass::Transport, 0, osRed, 1, false, false},
                                           TLinkCase{TGroupClass::Transport, 0, osRed, 2, false, false},
                                           TLinkCase{TGroupClass::Transport, 0, osGreen, 2, false, true},
                                           TLinkCase{TGroupClass::Transport, 0, osGreen, 0, false, false},
                                           TLinkCase{TGroupClass::Transport, 0, osYellow, 3, false, false},
                                           TLinkCase{TGroupClass::Walkman, 1, osRed, 0, false, false},
                                           TLinkCase{TGroupClass::Walkman, 1, osGreen, 3, false, true},
                                           TLinkCase{TGroupClass::Tram, 4, osTramLower, 5, false, true},
                                           TLinkCase{TGroupClass::Tram, 4, osTramLower, 4, false, false},
                                           TLinkCase{TGroupClass::LedLight, 12, osGreen, 2, false, false}));

TEST_F(TrendGroupTest, ATramDirectionIsWatchedOnItsLowerLamp) {
  const auto tram = NewTrendGroup(TGroupClass::Tram);
  TTrend& left = *tram->TrendOfKind(4);
  TTrend& straight = *tram->TrendOfKind(5);
  left.LinkOutput(osTramLeft, out(1));
  EXPECT_FALSE(left.GreenControl()) << "no lower lamp yet";
  left.LinkOutput(osTramLower, out(2));
  straight.LinkOutput(osTramStraight, out(4));
  EXPECT_TRUE(left.GreenControl());
  EXPECT_TRUE(straight.GreenControl());
  // Without its lower lamp no direction can be watched.
  left.LinkOutput(osTramLower, nullptr);
  EXPECT_FALSE(left.GreenControl());
  EXPECT_FALSE(straight.GreenControl());
  EXPECT_FALSE(tram->TrendOfKind(6)->GreenControl());
}

TEST_F(TrendGroupTest, ClearingALampTurnsItsMonitoringOff) {
  const auto group = NewTrendGroup(TGroupClass::Transport);
  TTrend& vehicle = *group->Trends().First();
  vehicle.LinkOutput(osRed, out(0));
  vehicle.LinkOutput(osGreen, out(2));
  vehicle.AssignOutput(osYellow, out(1));
  vehicle.AssignOutput(osYellow, nullptr);
  EXPECT_TRUE(vehicle.RedControl());
  EXPECT_TRUE(vehicle.GreenControl());
  vehicle.AssignOutput(osRed, nullptr);
  EXPECT_FALSE(vehicle.RedControl());
  EXPECT_TRUE(vehicle.GreenControl());
  vehicle.AssignOutput(osGreen, nullptr);
  EXPECT_FALSE(vehicle.GreenControl());
  // Asking is not enough without a monitorable output.
  vehicle.SetRedControl(true);
  EXPECT_FALSE(vehicle.RedControl());
  vehicle.AssignOutput(osRed, out(1));
  vehicle.SetRedControl(true);
  EXPECT_FALSE(vehicle.RedControl());
  vehicle.AssignOutput(osRed, out(7));
  vehicle.SetRedControl(true);
  EXPECT_TRUE(vehicle.RedControl());
}

TEST_F(TrendGroupTest, SmartAddressesOnlyForVehiclesAndPedestrians) {
  for (int c = 0; c < kGroupClassCount; ++c) {
    const auto group = NewTrendGroup(static_cast<TGroupClass>(c));
    TTrend& trend = *group->Trends().First();
    const bool smartKind = trend.Kind() <= 2;
    SCOPED_TRACE(trend.Kind());
    trend.SetSmartAddress(3, true);
    trend.SetSmartAddress(7, true);
    EXPECT_EQ(trend.Smart(), smartKind);
    EXPECT_EQ(trend.SmartBits(), smartKind ? 0x89 : 0x00);
    trend.SetSmartAddress(3, false);
    trend.SetSmartAddress(7, false);
    EXPECT_FALSE(trend.Smart()) << "no address left";
    trend.SetSmart(true);
    EXPECT_EQ(trend.SmartBits(), smartKind ? 0x01 : 0x00);
    trend.SetSmartAddress(0, true);
    trend.SetSmartAddress(8, true);
    EXPECT_FALSE(trend.SmartAddress(0));
    EXPECT_FALSE(trend.SmartAddress(8));
  }
}

}  // namespace
}  // namespace lir
