// The order of the model list and finding a model in it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LIRModelTestSupport.h"
#include "model/LIRModelList.h"
#include "model/LIRModelOrder.h"

namespace lir {
namespace {

TEST(LIRModelOrderTest, FamiliesDescendAndDescriptionsAscendIgnoringCase) {
  // The folder holds, by file name: a_pra (family 9, "ПРА-тест"), b_lower
  // (3, "тест-3.1"), c_lov (9, "лов-тест"), d_zero (0, "Ноль"), e_upper
  // (3, "ТЕСТ-3.1"), f_caps.ZML (5), and two names that are no plug-ins.
  const auto loaded = test::loadFolder(test::testPluginFolder("sort"));
  EXPECT_TRUE(loaded.Failures.empty());

  std::vector<int> ids;
  for (const auto& model : *loaded.Models) ids.push_back(model->InternalID());
  // Family 0 first (its key starts with "-1000"), then 9 with "ЛОВ" before
  // "ПРА" although "лов" is lower case, then 5, then the two family-3 models
  // of equal keys in file order.
  EXPECT_EQ(ids, (std::vector<int>{910, 913, 912, 915, 911, 914}));
}

TEST(LIRModelOrderTest, SortKeyIsFamilyMinus1000AndUpperCasedDescription) {
  struct Case {
    std::uint8_t Family;
    const char* Description;
    const char* Key;
  };
  const std::vector<Case> cases = {
      {9, "ЛИР-3.9 ПРА", "-991ЛИР-3.9 ПРА"},
      {3, "лир-3.2н", "-997ЛИР-3.2Н"},
      {0, "Ноль", "-1000НОЛЬ"},
      {100, "x", "-900X"},
      {255, "", "-745"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ModelSortKey(TLIRModel(TLIRModelData{.Family = c.Family, .Description = c.Description})), c.Key);
  }
}

TEST(LIRModelListTest, FindAnswersTheFirstMatchOrNull) {
  TLIRModelList models;
  models.Add(std::make_unique<TLIRModel>(TLIRModelData{.Revision = 1, .InternalID = 5}));
  models.Add(std::make_unique<TLIRModel>(TLIRModelData{.Revision = 1, .InternalID = 6}));
  models.Add(std::make_unique<TLIRModel>(TLIRModelData{.Revision = 2, .InternalID = 5}));

  EXPECT_EQ(models.FindModelByInternalID(5), &models.Items(0));
  EXPECT_EQ(models.FindModelByInternalID(6), &models.Items(1));
  EXPECT_EQ(models.FindModelByInternalID(7), nullptr);
  EXPECT_EQ(models.FindModelByRevision(1), &models.Items(0));
  EXPECT_EQ(models.FindModelByRevision(2), &models.Items(2));
  EXPECT_EQ(models.FindModelByRevision(0), nullptr);
  EXPECT_EQ(TLIRModelList().FindModelByInternalID(0), nullptr);
}

}  // namespace
}  // namespace lir
