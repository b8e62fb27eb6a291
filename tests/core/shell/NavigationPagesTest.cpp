#include "shell/NavigationPages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "model/LIRModels.h"

namespace lir {
namespace {

using P = TNavigationPage;

std::unique_ptr<TLIRModel> makeModel(std::uint32_t flags, int inputs = 0, std::uint8_t family = 1) {
  TLIRModelData data;
  data.Flags = flags;
  data.Family = family;
  data.InputCount = inputs;
  return std::make_unique<TLIRModel>(data);
}

const std::vector<P> kAlwaysMain = {P::Controllers, P::SignalGroups, P::WorkPhases,
                                    P::WorkCycles,  P::DayPlans,     P::WeekPlans};

TEST(NavigationPages, SideDevicesShowTheirOwnPages) {
  struct Row {
    int kind;
    std::vector<P> pages;
  };
  const std::vector<P> fullPlans = {P::Device, P::DeviceDayPlans, P::DeviceWeekPlans, P::DeviceYearPlan,
                                    P::DeviceHolidays};
  std::vector<P> informer = fullPlans;
  informer.insert(informer.end(), {P::Sounds, P::SoundProgramsGreen, P::SoundProgramsRed});
  const Row rows[] = {
      {1, {P::Device, P::DeviceDayPlans}},
      {2, {P::Device, P::DeviceDayPlans}},
      {3, {P::Nav, P::NavMessages}},
      {4, {P::Pel}},
      {5, {P::Hrz, P::Identifiers, P::Ethernet, P::Gprs}},
      {6, {P::Zin}},
      {7, {P::Zhlm}},
      {8, fullPlans},
      {9, fullPlans},
      {10, {P::Yrs, P::Identifiers}},
      {11, {P::Relz}},
      {14, informer},
      {15, {}},
      {-1, {}},
  };
  // Options that open pages of a controller project mean nothing here.
  TNavigationState state;
  state.Options = poSmartSO | poLedLight | poAdaptive | poSpecPhases;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.kind);
    EXPECT_EQ(visibleNavigationButtons(row.kind, state), row.pages);
  }
}

TEST(NavigationPages, AFreshControllerProjectShowsTheBasicPagesAndTheYearPlan) {
  std::vector<P> expected = kAlwaysMain;
  expected.push_back(P::YearPlan);
  for (const int kind : {0, 12, 13}) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(visibleNavigationButtons(kind, TNavigationState{}), expected);
  }
}

struct StateRow {
  const char* what;
  std::function<void(TNavigationState&)> change;
  std::vector<P> extra;  // shown after the six basic pages, kind 0
};

TEST(NavigationPages, ControllerProjectPagesFollowTheState) {
  const auto plain = makeModel(0);
  const auto yearPlan = makeModel(mfYearPlan);
  const auto oneCall = makeModel(0, 1);
  const auto twoCalls = makeModel(0, 2);
  const auto callsWithPlan = makeModel(mfCallsWithExtendedYearPlan, 2);
  const auto outputBlocks = makeModel(0, 0, 9);
  const StateRow rows[] = {
      {"model without year plan", [&](auto& s) { s.FirstModel = plain.get(); }, {}},
      {"model with year plan", [&](auto& s) { s.FirstModel = yearPlan.get(); }, {P::YearPlan}},
      {"year plan holding one item", [&](auto& s) { s.FirstModel = plain.get(); s.YearPlanItemCount = 1; }, {}},
      {"year plan holding two items", [&](auto& s) { s.FirstModel = plain.get(); s.YearPlanItemCount = 2; },
       {P::YearPlan}},
      {"special phases option", [&](auto& s) { s.FirstModel = plain.get(); s.Options |= poSpecPhases; },
       {P::SpecialPhases}},
      {"special phases exist", [&](auto& s) { s.FirstModel = plain.get(); s.SpecialPhasesExist = true; },
       {P::SpecialPhases}},
      {"one call input", [&](auto& s) { s.FirstModel = oneCall.get(); }, {P::Call1}},
      {"two call inputs, ТВП1 unlinked", [&](auto& s) { s.FirstModel = twoCalls.get(); }, {P::Call1}},
      {"two call inputs, ТВП1 linked",
       [&](auto& s) { s.FirstModel = twoCalls.get(); s.Call1Linked = true; }, {P::Call1, P::Call2}},
      {"one call input, ТВП1 linked",
       [&](auto& s) { s.FirstModel = oneCall.get(); s.Call1Linked = true; }, {P::Call1}},
      {"calls refused under the extended plan",
       [&](auto& s) { s.FirstModel = twoCalls.get(); s.Call1Linked = true; s.Options |= poExpandYearPlan; },
       {P::Call1}},
      {"calls allowed under the extended plan",
       [&](auto& s) { s.FirstModel = callsWithPlan.get(); s.Options |= poExpandYearPlan; }, {P::Call1}},
      {"linked lists show without call inputs",
       [&](auto& s) { s.FirstModel = plain.get(); s.Call1Linked = s.Call2Linked = true; }, {P::Call1, P::Call2}},
      {"no controller, linked ТВП2", [&](auto& s) { s.Call2Linked = true; }, {P::YearPlan, P::Call2}},
      {"output blocks of family 9", [&](auto& s) { s.FirstModel = outputBlocks.get(); }, {P::OutputBlocks}},
      {"adaptive option", [&](auto& s) { s.FirstModel = plain.get(); s.Options |= poAdaptive; }, {P::Adaptive}},
      {"detectors exist", [&](auto& s) { s.FirstModel = plain.get(); s.AdaptiveDetectorsExist = true; },
       {P::Adaptive}},
      {"street light", [&](auto& s) { s.FirstModel = plain.get(); s.Options |= poLedLight; }, {P::StreetLight}},
      {"smart lights", [&](auto& s) { s.FirstModel = plain.get(); s.Options |= poSmartSO; }, {P::SmartLights}},
      {"all at once, in toolbar order",
       [&](auto& s) {
         s.FirstModel = yearPlan.get();
         s.Options |= poSpecPhases | poAdaptive | poLedLight | poSmartSO;
         s.Call1Linked = s.Call2Linked = true;
       },
       {P::YearPlan, P::SpecialPhases, P::Call1, P::Call2, P::Adaptive, P::StreetLight, P::SmartLights}},
  };
  for (const StateRow& row : rows) {
    SCOPED_TRACE(row.what);
    TNavigationState state;
    row.change(state);
    std::vector<P> expected = kAlwaysMain;
    expected.insert(expected.end(), row.extra.begin(), row.extra.end());
    EXPECT_EQ(visibleNavigationButtons(0, state), expected);
  }
}

TEST(NavigationPages, SmartLightsBelongToKinds0And13Only) {
  TNavigationState state;
  state.Options = poSmartSO;
  const auto shows = [&](int kind) {
    const auto pages = visibleNavigationButtons(kind, state);
    return std::find(pages.begin(), pages.end(), P::SmartLights) != pages.end();
  };
  EXPECT_TRUE(shows(0));
  EXPECT_FALSE(shows(12));
  EXPECT_TRUE(shows(13));
}

TEST(NavigationPages, WorkCyclesLeadToTheProgramsUnderTheExtendedPlan) {
  EXPECT_EQ(navigationTarget(P::WorkCycles, poSeasonTimeOff), P::WorkCycles);
  EXPECT_EQ(navigationTarget(P::WorkCycles, poExpandYearPlan), P::Programs);
  EXPECT_EQ(navigationTarget(P::DayPlans, poExpandYearPlan), P::DayPlans);
  EXPECT_EQ(navigationCaption(P::Programs, 0), navigationCaption(P::WorkCycles, 0));
}

TEST(NavigationPages, CaptionsAndTags) {
  EXPECT_EQ(navigationCaption(P::Controllers, 0), "Контроллеры");
  EXPECT_EQ(navigationCaption(P::Adaptive, 0), "Адаптивное управление");
  EXPECT_EQ(navigationCaption(P::SmartLights, 13), "Умные светофоры");
  EXPECT_EQ(navigationCaption(P::Device, 2), "ВТЛГ");
  EXPECT_EQ(navigationCaption(P::Device, 14), "ВЕН-5");
  EXPECT_EQ(navigationCaption(P::DeviceHolidays, 8), "Праздники");
  EXPECT_EQ(navigationCaption(P::SoundProgramsRed, 14), "Речевые программы (крас)");
  // Every page that any kind shows has a caption.
  for (int kind = 0; kind <= 14; ++kind) {
    TNavigationState state;
    state.Options = 0xFFFF;
    state.Call1Linked = state.Call2Linked = true;
    for (const P page : visibleNavigationButtons(kind, state)) EXPECT_FALSE(navigationCaption(page, kind).empty());
  }
  // The add and delete actions dispatch on these numbers.
  EXPECT_EQ(static_cast<int>(P::Controllers), 1);
  EXPECT_EQ(static_cast<int>(P::Call2), 10);
  EXPECT_EQ(static_cast<int>(P::OutputBlocks), 16);
  EXPECT_EQ(static_cast<int>(P::Programs), 17);
  EXPECT_EQ(static_cast<int>(P::Adaptive), 18);
}

}  // namespace
}  // namespace lir
