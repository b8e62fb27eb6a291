// Loading controller models from plug-in libraries: the questions asked, the
// refusals with their texts, and what a folder of plug-ins gives.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "LIRModelTestSupport.h"
#include "model/LIRModelException.h"
#include "model/LIRModelList.h"

namespace lir {
namespace {

using test::loadFolder;
using test::testPluginFolder;

constexpr const char* kOutdated = "Библиотека устарела и не поддерживается в данной версии.";
constexpr const char* kNeedsNewer = "Библиотека требует более новую версию конфигуратора.";

// Whether the library at path is still mapped into the process.
bool isResident(const std::string& path) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (handle == nullptr) return false;
  dlclose(handle);
  return true;
}

struct TRefusalCase {
  const char* Case;
  const char* Reason;
};

class LIRModelRefusalTest : public ::testing::TestWithParam<TRefusalCase> {};

TEST_P(LIRModelRefusalTest, RefusesWithItsTextAndUnloads) {
  const TRefusalCase& c = GetParam();
  const std::string folder = testPluginFolder(c.Case);
  const std::string fileName = std::string(c.Case) + ".zml";

  const auto loaded = loadFolder(folder);

  EXPECT_EQ(loaded.Models->Count(), 0);
  ASSERT_EQ(loaded.Failures.size(), 1u);
  EXPECT_EQ(loaded.Failures[0].FileName, fileName);
  EXPECT_EQ(loaded.Failures[0].Reason, c.Reason);
  EXPECT_EQ(loaded.Failures[0].Message(), "Ошибка при загрузке библиотеки " + fileName + ".\r\n" + c.Reason);
  EXPECT_FALSE(isResident(folder + "/" + fileName));
}

INSTANTIATE_TEST_SUITE_P(
    EveryRefusal, LIRModelRefusalTest,
    ::testing::Values(
        // IsZML refuses even a library whose other answers are all good.
        TRefusalCase{"iszml", kOutdated}, TRefusalCase{"zmlv1", kOutdated}, TRefusalCase{"nozmlversion", kOutdated},
        TRefusalCase{"noclientversion", kOutdated}, TRefusalCase{"client2", kNeedsNewer},
        TRefusalCase{"nofamilyname", "Функция GetFamilyNameA не найдена."},
        // Resolved before the outputs are counted: missing even with no outputs.
        TRefusalCase{"nooutputmask", "Функция GetOutputMask не найдена."},
        TRefusalCase{"noinputcount", "Функция GetInputCount не найдена."},
        TRefusalCase{"maskfail", "Функция GetOutputMask вернула ошибку 5."}),
    [](const auto& info) { return std::string(info.param.Case); });

TEST(LIRModelLoadingTest, GoodLibraryGivesEveryAnswerInUtf8) {
  const std::string folder = testPluginFolder("good");
  const auto loaded = loadFolder(folder);
  ASSERT_TRUE(loaded.Failures.empty());
  ASSERT_EQ(loaded.Models->Count(), 1);
  const TLIRModel& model = loaded.Models->Items(0);

  EXPECT_EQ(model.InternalID(), 901);
  EXPECT_EQ(model.Revision(), 91);
  EXPECT_EQ(model.Family(), 3);
  EXPECT_EQ(model.Flags(), 0x800Au);
  EXPECT_EQ(model.MaxRAMSize(), 8192);
  EXPECT_EQ(model.MaxDayplanItems(), 48);
  EXPECT_EQ(model.MaxYearplanItems(), 32);
  EXPECT_EQ(model.MaxWorkCycles(), 32);
  // The plug-in answers the Windows-1251 bytes D2 E5 F1 F2 and so on.
  EXPECT_EQ(model.Description(), "Тест-3.1");
  EXPECT_EQ(model.FamilyName(), "Тестовые");
  EXPECT_EQ(model.ModelName(), "Тест-3.1");
  EXPECT_EQ(model.CompanionName(), "Тест-3.1");
  EXPECT_FALSE(model.Composite());

  const std::vector<std::uint32_t> masks = {0x1, 0x2, 0x4, 0x8, 0x10, 0x80000000u};
  const std::vector<TLIRControlSet> controls = {
      {ceNoMonitoring},
      {ceRedMonitoring},
      {ceGreenMonitoring},
      {ceGreenMonitoring, ceRedMonitoring},
      {ceFurtherCapability},
      {ceGreenMonitoring, ceRedMonitoring, ceFurtherCapability}};
  ASSERT_EQ(model.OutputCount(), 6);
  for (int i = 0; i < model.OutputCount(); ++i) {
    const TLIRModelOutput& output = model.Output(i);
    SCOPED_TRACE(i);
    EXPECT_EQ(output.Index(), i);
    EXPECT_EQ(&output.Model(), &model);
    EXPECT_EQ(output.Description(), "Выход " + std::to_string(i + 1));
    EXPECT_EQ(output.Name(), output.Description());
    EXPECT_EQ(output.Mask(), masks[static_cast<std::size_t>(i)]);
    EXPECT_EQ(output.Control(), controls[static_cast<std::size_t>(i)]);
  }
  ASSERT_EQ(model.InputCount(), 2);
  for (int i = 0; i < model.InputCount(); ++i) {
    EXPECT_EQ(model.Inputs()[static_cast<std::size_t>(i)]->Index(), i);
    EXPECT_EQ(&model.Inputs()[static_cast<std::size_t>(i)]->Model(), &model);
  }
  EXPECT_FALSE(isResident(folder + "/good.zml"));
}

TEST(LIRModelLoadingTest, NullTextsAreEmptyTexts) {
  const auto loaded = loadFolder(testPluginFolder("nulltexts"));
  ASSERT_TRUE(loaded.Failures.empty());
  ASSERT_EQ(loaded.Models->Count(), 1);
  const TLIRModel& model = loaded.Models->Items(0);
  EXPECT_EQ(model.Description(), "");
  EXPECT_EQ(model.FamilyName(), "");
  ASSERT_EQ(model.OutputCount(), 6);
  for (const auto& output : model.Outputs()) EXPECT_EQ(output->Description(), "");
}

TEST(LIRModelLoadingTest, WorkCyclesAboveTheCycleCodesAreCut) {
  const auto loaded = loadFolder(testPluginFolder("maxcycles"));
  ASSERT_EQ(loaded.Models->Count(), 1);
  EXPECT_EQ(loaded.Models->Items(0).MaxWorkCycles(), 254);
}

TEST(LIRModelLoadingTest, FolderWithoutPluginsGivesNothingAndNoMessage) {
  const auto loaded = loadFolder(testPluginFolder("empty"));
  EXPECT_EQ(loaded.Models->Count(), 0);
  EXPECT_TRUE(loaded.Failures.empty());
}

TEST(LIRModelLoadingTest, FileThatIsNoLibraryIsReportedWithTheLoadersReason) {
  const auto loaded = loadFolder(testPluginFolder("junk"));
  EXPECT_EQ(loaded.Models->Count(), 0);
  ASSERT_EQ(loaded.Failures.size(), 1u);
  EXPECT_EQ(loaded.Failures[0].FileName, "junk.zml");
  EXPECT_FALSE(loaded.Failures[0].Reason.empty());
  EXPECT_EQ(loaded.Failures[0].Message().rfind("Ошибка при загрузке библиотеки junk.zml.\r\n", 0), 0u);
}

TEST(LIRModelLoadingTest, MixedFolderKeepsTheGoodAndReportsEachBadOneInFileOrder) {
  const auto loaded = loadFolder(testPluginFolder("mix"));

  std::vector<std::string> failed;
  for (const auto& f : loaded.Failures) failed.push_back(f.FileName);
  EXPECT_EQ(failed, (std::vector<std::string>{"client2.zml", "iszml.zml", "junk.zml", "maskfail.zml",
                                               "nofamilyname.zml", "zmlv1.zml"}));
  // All of family 3: the empty description sorts first, the two equal keys
  // keep their file order (good.zml before maxcycles.zml).
  std::vector<int> ids;
  for (const auto& model : *loaded.Models) ids.push_back(model->InternalID());
  EXPECT_EQ(ids, (std::vector<int>{907, 901, 908}));
}

TEST(LIRModelLoadingTest, UnreadableFolderEndsTheLoadingAndLeavesTheList) {
  TLIRModelList models;
  models.Add(std::make_unique<TLIRModel>(TLIRModelData{}));
  EXPECT_THROW(models.LoadModels(testPluginFolder("no-such-folder")), ELIRModelFolderException);
  EXPECT_EQ(models.Count(), 1);
}

TEST(LIRModelLoadingTest, OtherErrorsEndTheLoadingWithoutHalfAList) {
  TLIRModelList models;
  models.Add(std::make_unique<TLIRModel>(TLIRModelData{}));
  int reported = 0;
  // junk.zml comes after good.zml, which has loaded by then.
  const auto failOnJunk = [&](const TLIRModelLoadFailure& f) {
    ++reported;
    if (f.FileName == "junk.zml") throw std::runtime_error("stop");
  };
  EXPECT_THROW(models.LoadModels(testPluginFolder("mix"), failOnJunk), std::runtime_error);
  EXPECT_EQ(reported, 3);
  EXPECT_EQ(models.Count(), 1);
}

TEST(LIRModelLoadingTest, LoadedModelsFollowTheOnesAlreadyListed) {
  TLIRModelList models;
  TLIRModelData first;
  first.InternalID = 1;
  models.Add(std::make_unique<TLIRModel>(first));
  models.LoadModels(testPluginFolder("good"));
  ASSERT_EQ(models.Count(), 2);
  EXPECT_EQ(models.Items(0).InternalID(), 1);
  EXPECT_EQ(models.Items(1).InternalID(), 901);
}

}  // namespace
}  // namespace lir
