// A controller model built from its answers: control sets, flag queries, the
// composite names and the work-cycle limit.

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/LIRModels.h"

namespace lir {
namespace {

TEST(LIRModelControlTest, ControlSetFollowsTheCtlOptionBits) {
  struct Case {
    std::uint32_t Options;
    TLIRControlSet Expected;
  };
  const std::vector<Case> cases = {
      {0, {ceNoMonitoring}},
      {1, {ceRedMonitoring}},
      {2, {ceGreenMonitoring}},
      {3, {ceGreenMonitoring, ceRedMonitoring}},
      {4, {ceFurtherCapability}},
      {5, {ceRedMonitoring, ceFurtherCapability}},
      {6, {ceGreenMonitoring, ceFurtherCapability}},
      {7, {ceGreenMonitoring, ceRedMonitoring, ceFurtherCapability}},
      // Bits beyond the three known ones mean nothing.
      {8, {ceNoMonitoring}},
      {0xFFFFFFF8u, {ceNoMonitoring}},
      {0x80000003u, {ceGreenMonitoring, ceRedMonitoring}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Options);
    const TLIRControlSet set = TLIRControlSet::FromCtlOptions(c.Options);
    EXPECT_EQ(set, c.Expected);
    // A monitored output is never also a plain one.
    EXPECT_EQ(set.Contains(ceNoMonitoring), (c.Options & 7u) == 0);
  }
}

using FlagQuery = bool (TLIRModel::*)() const;

struct FlagRow {
  std::uint32_t Bit;
  FlagQuery Query;
  const char* Name;
};

const std::vector<FlagRow>& flagRows() {
  static const std::vector<FlagRow> rows = {
      {0x00001, &TLIRModel::HasPwmLampHeating, "HasPwmLampHeating"},
      {0x00002, &TLIRModel::HasYearPlan, "HasYearPlan"},
      {0x00004, &TLIRModel::SupportsAsuddVmSystem, "SupportsAsuddVmSystem"},
      {0x00008, &TLIRModel::AllowsSeveralControllers, "AllowsSeveralControllers"},
      {0x00010, &TLIRModel::HasSeasonTimeSwitchOff, "HasSeasonTimeSwitchOff"},
      {0x00020, &TLIRModel::RemembersDispatcherBit, "RemembersDispatcherBit"},
      {0x00040, &TLIRModel::HasManagementFilterSwitchOff, "HasManagementFilterSwitchOff"},
      {0x00080, &TLIRModel::HasUniversalTransitions, "HasUniversalTransitions"},
      {0x00100, &TLIRModel::HasSpecialPhases, "HasSpecialPhases"},
      {0x00800, &TLIRModel::HasRelativeDayPlanTime, "HasRelativeDayPlanTime"},
      {0x01000, &TLIRModel::SupportsAssUdSystem, "SupportsAssUdSystem"},
      {0x02000, &TLIRModel::HasExtendedYearPlan, "HasExtendedYearPlan"},
      {0x04000, &TLIRModel::AllowsCallsWithExtendedYearPlan, "AllowsCallsWithExtendedYearPlan"},
      {0x08000, &TLIRModel::HasAdaptiveControl, "HasAdaptiveControl"},
      {0x10000, &TLIRModel::SupportsFurtherManagementSystem, "SupportsFurtherManagementSystem"},
  };
  return rows;
}

TEST(LIRModelFlagTest, EachQueryAnswersItsOwnBitOnly) {
  for (const FlagRow& row : flagRows()) {
    SCOPED_TRACE(row.Name);
    const TLIRModel only(TLIRModelData{.Flags = row.Bit});
    const TLIRModel allOthers(TLIRModelData{.Flags = ~row.Bit});
    for (const FlagRow& other : flagRows()) {
      EXPECT_EQ((only.*other.Query)(), other.Bit == row.Bit) << other.Name;
      EXPECT_EQ((allOthers.*other.Query)(), other.Bit != row.Bit) << other.Name;
    }
  }
}

TEST(LIRModelFlagTest, AnyManagementSystemMeansOneOfTheThreeSystemBits) {
  for (const FlagRow& row : flagRows()) {
    SCOPED_TRACE(row.Name);
    const bool system = row.Bit == 0x4 || row.Bit == 0x1000 || row.Bit == 0x10000;
    EXPECT_EQ(TLIRModel(TLIRModelData{.Flags = row.Bit}).SupportsAnyManagementSystem(), system);
  }
  // Bits without a meaning change nothing.
  EXPECT_FALSE(TLIRModel(TLIRModelData{.Flags = 0xFFFE0600u}).SupportsAnyManagementSystem());
}

TEST(LIRModelTest, CompositeModelsNameTheirCompanions) {
  struct Case {
    const char* Description;
    const char* Companion;
  };
  const std::vector<Case> cases = {
      {"ЛИР-3.4Н", "ЛИР-3.2Н"},
      {"ЛИР-3.6Н", "ЛИР-3.3Н"},
      {"ЛИР-3.2Н", "ЛИР-3.2Н"},
      // Only the exact names are composite.
      {"ЛИР-3.4НМ", "ЛИР-3.4НМ"},
      {"лир-3.4н", "лир-3.4н"},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Description);
    TLIRModel model(TLIRModelData{.Description = c.Description});
    EXPECT_EQ(model.CompanionName(), c.Companion);
    EXPECT_EQ(model.ModelName(), c.Description);
    EXPECT_FALSE(model.Composite());
    model.SetComposite(true);
    EXPECT_TRUE(model.Composite());
  }
}

TEST(LIRModelTest, WorkCycleLimitStaysBelowTheCycleCodes) {
  const std::vector<std::pair<std::int32_t, std::int32_t>> cases = {
      {16, 16}, {254, 254}, {255, 254}, {1000, 254}, {0, 0}, {-1, 0}, {INT32_MIN, 0}, {INT32_MAX, 254}};
  for (const auto& [answered, kept] : cases) {
    SCOPED_TRACE(answered);
    EXPECT_EQ(TLIRModel(TLIRModelData{.MaxWorkCycles = answered}).MaxWorkCycles(), kept);
  }
}

TEST(LIRModelTest, OutputsAndInputsBelongToTheModel) {
  TLIRModelData data;
  data.Outputs = {{"К1", 0x1, 1}, {"З1", 0x2, 2}, {"Ж1", 0x4, 0}};
  data.InputCount = 2;
  const TLIRModel model(data);
  ASSERT_EQ(model.OutputCount(), 3);
  ASSERT_EQ(model.InputCount(), 2);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(model.Output(i).Index(), i);
    EXPECT_EQ(&model.Output(i).Model(), &model);
    EXPECT_EQ(model.Output(i).Name(), data.Outputs[static_cast<std::size_t>(i)].Description);
  }
  EXPECT_EQ(model.Output(1).Mask(), 0x2u);
  EXPECT_TRUE(model.Output(1).Control().Contains(ceGreenMonitoring));
  EXPECT_EQ(&model.Inputs()[1]->Model(), &model);
  EXPECT_EQ(model.Inputs()[1]->Index(), 1);
  EXPECT_THROW(model.Output(3), std::out_of_range);
}

}  // namespace
}  // namespace lir
