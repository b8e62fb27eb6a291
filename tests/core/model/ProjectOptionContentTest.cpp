#include "model/ProjectOptionContent.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace lir
