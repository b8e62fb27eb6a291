#include "model/ProjectOptionRules.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/LIRModels.h"

namespace lir {
namespace {

std::unique_ptr<TLIRModel> makeModel(std::uint32_t flags, std::int32_t id = 1) {
  TLIRModelData data;
  data.Flags = flags;
  data.InternalID = id;
  data.Description = "Тестовая модель";
  return std::make_unique<TLIRModel>(data);
}

// -- enabling -----------------------------------------------------------------

struct EnablingRow {
  const char* what;
  bool hasModel;
  std::uint32_t flags;
  std::int32_t id;
  TProjectOptions options;
  TOptionBoxEnabling expected;  // SeasonTimeOff, CalcTProm, SpecPhases, ExpandYearPlan, LampsHeating, Adaptive
};

constexpr TProjectOptions kAllModelDependent =
    poSeasonTimeOff | poCalcTProm | poSpecPhases | poExpandYearPlan | poLampsHeating | poAdaptive;
constexpr std::uint32_t kUniversalModel = mfUniversalTransitions | mfSpecialPhases | mfExtendedYearPlan;

const EnablingRow kEnablingRows[] = {
    {"no controller: everything", false, 0, 0, 0, {true, true, true, true, true, true}},
    {"bare model, nothing checked", true, 0, 1, 0, {false, false, false, false, false, false}},
    {"bare model keeps checked boxes enabled, except special phases", true, 0, 1, kAllModelDependent,
     {true, true, false, true, true, true}},
    {"season time switch-off", true, mfSeasonTimeSwitchOff, 1, 0, {true, false, false, false, false, false}},
    {"universal transitions alone", true, mfUniversalTransitions, 1, 0, {false, true, false, false, false, false}},
    {"special phases and extended plan wait for universal transitions", true, kUniversalModel, 1, 0,
     {false, true, false, false, false, false}},
    {"universal transitions on open both", true, kUniversalModel, 1, poCalcTProm,
     {false, true, true, true, false, false}},
    {"model 15 runs its special phases itself", true, kUniversalModel, 15, poCalcTProm,
     {false, true, false, true, false, false}},
    {"model 16 likewise", true, kUniversalModel, 16, poCalcTProm | poSpecPhases,
     {false, true, false, true, false, false}},
    {"checked special phases without universal transitions", true, kUniversalModel, 1, poSpecPhases,
     {false, true, false, false, false, false}},
    {"extended plan without the model bit", true, mfUniversalTransitions | mfSpecialPhases, 1, poCalcTProm,
     {false, true, true, false, false, false}},
    {"lamp heating", true, mfPwmLampHeating, 1, 0, {false, false, false, false, true, false}},
    {"adaptive control", true, mfAdaptiveControl, 1, 0, {false, false, false, false, false, true}},
};

TEST(ProjectOptionRules, EnablingFollowsTheFirstModelAndTheCheckedBoxes) {
  for (const EnablingRow& row : kEnablingRows) {
    SCOPED_TRACE(row.what);
    const auto model = makeModel(row.flags, row.id);
    EXPECT_EQ(optionBoxEnabling(row.options, row.hasModel ? model.get() : nullptr), row.expected);
  }
}

// -- management systems ---------------------------------------------------------

TEST(ProjectOptionRules, ManagementSystemsFollowTheModelFlags) {
  using S = TManagementSystem;
  struct Row {
    bool hasModel;
    std::uint32_t flags;
    std::vector<S> offered;
    bool shown;
  };
  const Row rows[] = {
      {false, 0, {S::AsuddVm, S::AssUd}, true},
      {true, 0, {S::AsuddVm}, false},
      {true, mfAsuddVmSystem, {S::AsuddVm}, true},
      {true, mfAssUdSystem, {S::AssUd}, true},
      {true, mfAsuddVmSystem | mfAssUdSystem, {S::AsuddVm, S::AssUd}, true},
      {true, mfFurtherManagementSystem, {S::AsuddVm}, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "flags 0x" << std::hex << row.flags << " model " << row.hasModel);
    const auto model = makeModel(row.flags);
    const TLIRModel* m = row.hasModel ? model.get() : nullptr;
    EXPECT_EQ(offeredManagementSystems(m), row.offered);
    EXPECT_EQ(managementSettingsShown(m), row.shown);
  }
  EXPECT_EQ(managementSystemCaption(S::AsuddVm), "Велмира АСУДД-ВМ");
  EXPECT_EQ(managementSystemCaption(S::AssUd), "АСС-УД (Омск)");
  EXPECT_EQ(withManagementSystem(poSeasonTimeOff, S::AssUd), poSeasonTimeOff | poAssUdSystem);
  EXPECT_EQ(withManagementSystem(poSeasonTimeOff | poAssUdSystem, S::AsuddVm), poSeasonTimeOff);
}

TEST(ProjectOptionRules, FittingToAModelDropsWhatItCannotRun) {
  const auto bare = makeModel(mfAsuddVmSystem);
  const auto special = makeModel(mfSpecialPhases | mfAssUdSystem);
  const TProjectOptions withSpecial = poCalcTProm | poSpecPhases;
  // Special phases go only when the model lacks them and none exist.
  EXPECT_EQ(optionsFittedToModel(withSpecial, bare.get(), false), poCalcTProm);
  EXPECT_EQ(optionsFittedToModel(withSpecial, bare.get(), true), withSpecial);
  // The model that only runs АСС-УД makes member 7 follow its single system.
  EXPECT_EQ(optionsFittedToModel(withSpecial, special.get(), false), withSpecial | poAssUdSystem);
  EXPECT_EQ(optionsFittedToModel(poAssUdSystem, bare.get(), false), 0);
  // Without a controller nothing is judged.
  EXPECT_EQ(optionsFittedToModel(withSpecial | poAssUdSystem, nullptr, false), withSpecial | poAssUdSystem);
}

// -- clicks -------------------------------------------------------------------

class FakeContent : public TOptionContent {
 public:
  bool SpecialPhasesExist() const override { return specialPhases; }
  void DeleteSpecialPhases() override {
    specialPhases = false;
    ++deletedSpecialPhases;
  }
  bool AdaptiveDetectorsExist() const override { return detectors; }
  void DeleteAdaptiveDetectors() override {
    detectors = false;
    ++deletedDetectors;
  }
  bool SwitchExpandYearPlan(bool on) override {
    switches.push_back(on);
    return allowYearPlanSwitch;
  }

  bool specialPhases = false;
  bool detectors = false;
  bool allowYearPlanSwitch = true;
  int deletedSpecialPhases = 0;
  int deletedDetectors = 0;
  std::vector<bool> switches;
};

class OptionClick : public testing::Test {
 protected:
  TProjectOptions click(TProjectOptions options, TProjectOption option, bool checked, int kind = 0) {
    return applyOptionClick(options, option, checked, kind, content, [this](const std::string& question) {
      questions.push_back(question);
      return answer;
    });
  }

  FakeContent content;
  bool answer = true;
  std::vector<std::string> questions;
};

TEST_F(OptionClick, PlainMembersSwitchWithoutAQuestion) {
  // With no content behind them, even the options that own content switch freely.
  for (const TProjectOption option : {poSmartSO, poQuickStart, poQuickCall, poCalcTProm, poSeasonTimeOff,
                                      poOffFilterASUDD, poSaveBitDU, poSpecPhases, poLampsHeating,
                                      poExpandYearPlan, poAdaptive, poLedLight}) {
    SCOPED_TRACE(option);
    const TProjectOptions on = click(poQuickStart & ~option, option, true);
    EXPECT_EQ(on, (poQuickStart & ~option) | option);
    EXPECT_EQ(click(on, option, false), on & ~option);
  }
  EXPECT_TRUE(questions.empty());
}

TEST_F(OptionClick, ClickOnTheShownStateChangesNothing) {
  content.specialPhases = true;
  EXPECT_EQ(click(poSeasonTimeOff, poSpecPhases, false), poSeasonTimeOff);
  EXPECT_EQ(click(poExpandYearPlan, poExpandYearPlan, true), poExpandYearPlan);
  EXPECT_TRUE(questions.empty());
  EXPECT_TRUE(content.switches.empty());
}

TEST_F(OptionClick, UniversalTransitionsBringSpecialPhasesOnlyForKind12) {
  EXPECT_EQ(click(0, poCalcTProm, true, 0), poCalcTProm);
  EXPECT_EQ(click(0, poCalcTProm, true, 13), poCalcTProm);
  EXPECT_EQ(click(0, poCalcTProm, true, 12), poCalcTProm | poSpecPhases);
}

TEST_F(OptionClick, ExistingContentIsDeletedOnlyOnYes) {
  struct Row {
    TProjectOption option;
    const char* question;
  };
  for (const Row row : {Row{poSpecPhases, kDeleteSpecialPhasesQuestion}, Row{poAdaptive, kDeleteDetectorsQuestion}}) {
    SCOPED_TRACE(row.question);
    content = FakeContent{};
    content.specialPhases = content.detectors = true;
    questions.clear();
    const TProjectOptions options = poSeasonTimeOff | row.option;

    answer = false;
    EXPECT_EQ(click(options, row.option, false), options);
    EXPECT_EQ(content.deletedSpecialPhases + content.deletedDetectors, 0);

    answer = true;
    EXPECT_EQ(click(options, row.option, false), poSeasonTimeOff);
    EXPECT_EQ(content.deletedSpecialPhases + content.deletedDetectors, 1);
    EXPECT_EQ(questions, (std::vector<std::string>{row.question, row.question}));
  }
}

TEST_F(OptionClick, UniversalTransitionsOffTakesSpecialPhasesAndTheExtendedPlanFirst) {
  const TProjectOptions all = poCalcTProm | poSpecPhases | poExpandYearPlan;
  content.specialPhases = true;

  answer = false;  // keep the special phases: nothing changes
  EXPECT_EQ(click(all, poCalcTProm, false), all);
  EXPECT_TRUE(content.switches.empty());

  answer = true;
  content.allowYearPlanSwitch = false;  // the plan refuses: the special phases are gone, the rest stays
  EXPECT_EQ(click(all, poCalcTProm, false), poCalcTProm | poExpandYearPlan);
  EXPECT_EQ(content.deletedSpecialPhases, 1);
  EXPECT_EQ(content.switches, std::vector<bool>{false});

  content.allowYearPlanSwitch = true;
  EXPECT_EQ(click(poCalcTProm | poExpandYearPlan | poLedLight, poCalcTProm, false), poLedLight);
  EXPECT_EQ(content.switches, (std::vector<bool>{false, false}));
  EXPECT_EQ(questions.size(), 2u);
}

TEST_F(OptionClick, TheExtendedYearPlanSwitchesOnlyWhenTheContentConverts) {
  content.allowYearPlanSwitch = false;
  EXPECT_EQ(click(poCalcTProm, poExpandYearPlan, true), poCalcTProm);
  EXPECT_EQ(click(poCalcTProm | poExpandYearPlan, poExpandYearPlan, false), poCalcTProm | poExpandYearPlan);
  content.allowYearPlanSwitch = true;
  EXPECT_EQ(click(poCalcTProm, poExpandYearPlan, true), poCalcTProm | poExpandYearPlan);
  EXPECT_EQ(content.switches, (std::vector<bool>{true, false, true}));
}

}  // namespace
}  // namespace lir
