#include "model/ModelMenuState.h"

#include <gtest/gtest.h>

#include "model/LIRModels.h"
#include "model/Project.h"

namespace lir {
namespace {

TLIRModelData modelData(std::uint8_t family, bool several) {
  TLIRModelData data;
  data.Family = family;
  data.Description = "М";
  data.Flags = several ? std::uint32_t{mfSeveralControllers} : 0u;
  return data;
}

TEST(ModelMenuStateTest, EveryEntryIsEnabledWhileTheProjectHasNoController) {
  const TProject project;
  TLIRModel model(modelData(9, false));
  EXPECT_TRUE(ModelEntryEnabled(model, project));
  EXPECT_TRUE(ModelFamilyEnabled(9, project));
}

TEST(ModelMenuStateTest, AddingNeedsTheSameFamilyBothAllowingSeveralAndRoom) {
  TLIRModel several3(modelData(3, true));
  TLIRModel single3(modelData(3, false));
  TLIRModel several4(modelData(4, true));

  TProject project;
  project.AddController(several3);
  EXPECT_TRUE(ModelFamilyEnabled(3, project));
  EXPECT_FALSE(ModelFamilyEnabled(4, project));
  EXPECT_TRUE(ModelEntryEnabled(several3, project));
  EXPECT_FALSE(ModelEntryEnabled(single3, project)) << "the new model must allow several";
  EXPECT_FALSE(ModelEntryEnabled(several4, project)) << "another family";

  project.AddController(several3);
  EXPECT_TRUE(ModelEntryEnabled(several3, project));
  project.AddController(several3);
  EXPECT_FALSE(ModelEntryEnabled(several3, project)) << "three controllers at most";

  TProject singleFirst;
  singleFirst.AddController(single3);
  EXPECT_FALSE(ModelEntryEnabled(several3, singleFirst)) << "the first model must allow several";
}

}  // namespace
}  // namespace lir
