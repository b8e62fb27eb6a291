#include "model/ProjectOptionContent.h"

#include <gtest/gtest.h>

#include "model/CycleList.h"
#include "model/Phases.h"
#include "model/Project.h"

namespace lir {
namespace {

TEST(ProjectOptionContentTest, SwitchingSpecialPhasesOffAsksAndDeletesThem) {
  TProject project;
  TProjectOptionContent content(project);
  project.SetOption(poCalcTProm, true);
  project.SetOption(poSpecPhases, true);
  ASSERT_NE(project.Phases().SpecialPhases().AddPhase(), nullptr);
  EXPECT_TRUE(content.SpecialPhasesExist());

  std::string asked;
  const auto refuse = [&asked](const std::string& question) {
    asked = question;
    return false;
  };
  TProjectOptions options = applyOptionClick(project.Options, poSpecPhases, false, 0, content, refuse);
  EXPECT_EQ(asked, kDeleteSpecialPhasesQuestion);
  EXPECT_TRUE(options & poSpecPhases) << "No keeps the option and the phases";
  EXPECT_EQ(project.Phases().SpecialPhases().Count(), 1);

  options = applyOptionClick(project.Options, poSpecPhases, false, 0, content,
                             [](const std::string&) { return true; });
  EXPECT_FALSE(options & poSpecPhases);
  EXPECT_EQ(project.Phases().SpecialPhases().Count(), 0);
}

TEST(ProjectOptionContentTest, ExtendedYearPlanConvertsTheCyclesBothWays) {
  TProject project;
  TProjectOptionContent content(project);
  project.SetOption(poCalcTProm, true);
  ASSERT_NE(project.Cycles().AddCycle(), nullptr);
  const int cycles = project.Cycles().Count();

  TProjectOptions options = applyOptionClick(project.Options, poExpandYearPlan, true, 0, content,
                                             [](const std::string&) { return true; });
  EXPECT_TRUE(options & poExpandYearPlan);
  ASSERT_EQ(project.Cycles().Count(), cycles + 1) << "the reserve cycle comes first";
  EXPECT_EQ(project.Cycles().Cycles().Items(0)->Name(), TWorkCycles::kReserveCycleName);
  project.Options = options;

  options = applyOptionClick(project.Options, poExpandYearPlan, false, 0, content,
                             [](const std::string&) { return true; });
  EXPECT_FALSE(options & poExpandYearPlan);
  EXPECT_EQ(project.Cycles().Count(), cycles);
}

}  // namespace
}  // namespace lir
