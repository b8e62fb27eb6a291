// The sample models shipped with the program: they must all load and, between
// them, exercise every feature the program switches by model.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <bit>
#include <map>
#include <set>
#include <string>

#include "LIRModelTestSupport.h"
#include "model/LIRModelFiles.h"
#include "model/LIRModelList.h"

namespace lir {
namespace {

class LIRModelSamplesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { loaded_ = new test::TLoadedFolder(test::loadFolder(test::sampleModelFolder())); }
  static void TearDownTestSuite() {
    delete loaded_;
    loaded_ = nullptr;
  }

  static const TLIRModelList& models() { return *loaded_->Models; }
  static const TLIRModel* byDescription(const std::string& description) {
    for (const auto& model : models()) {
      if (model->Description() == description) return model.get();
    }
    return nullptr;
  }

  static test::TLoadedFolder* loaded_;
};

test::TLoadedFolder* LIRModelSamplesTest::loaded_ = nullptr;

TEST_F(LIRModelSamplesTest, AllLoadWithDistinctIdsAndRevisionsAndAreUnloaded) {
  for (const auto& f : loaded_->Failures) ADD_FAILURE() << f.Message();
  ASSERT_GE(models().Count(), 15);
  std::set<int> ids;
  std::set<int> revisions;
  for (const auto& model : models()) {
    EXPECT_TRUE(ids.insert(model->InternalID()).second) << model->InternalID();
    EXPECT_TRUE(revisions.insert(model->Revision()).second) << model->Description();
  }
  for (const std::string& name : ListModelLibraryFiles(test::sampleModelFolder())) {
    const std::string path = test::sampleModelFolder() + "/" + name;
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    EXPECT_EQ(handle, nullptr) << name << " stayed loaded";
    if (handle != nullptr) dlclose(handle);
  }
}

TEST_F(LIRModelSamplesTest, CompositesAreThreeCompanionBoards) {
  struct Case {
    int InternalID;
    const char* Name;
    const char* Companion;
    int Outputs;
    int BoardOutputs;
  };
  for (const Case& c : {Case{18, "ЛИР-3.4Н", "ЛИР-3.2Н", 48, 16}, Case{20, "ЛИР-3.6Н", "ЛИР-3.3Н", 64, 21}}) {
    SCOPED_TRACE(c.Name);
    const TLIRModel* model = models().FindModelByInternalID(c.InternalID);
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->Description(), c.Name);
    EXPECT_EQ(model->OutputCount(), c.Outputs);
    EXPECT_EQ(model->CompanionName(), c.Companion);
    EXPECT_NE(byDescription(c.Companion), nullptr);
    EXPECT_FALSE(model->AllowsSeveralControllers());
    // Each third drives the same output word of its own board.
    for (int i = 0; i < c.BoardOutputs; ++i) {
      EXPECT_EQ(model->Output(i).Mask(), 1u << i);
      EXPECT_EQ(model->Output(i + c.BoardOutputs).Mask(), 1u << i);
      EXPECT_EQ(model->Output(i + 2 * c.BoardOutputs).Mask(), 1u << i);
    }
  }
}

TEST_F(LIRModelSamplesTest, SpecialModelsArePresent) {
  struct Case {
    int InternalID;
    int Family;
    int Revision;  // -1: any
  };
  for (const Case& c : {Case{10, 9, -1}, Case{15, 9, 14}, Case{16, 9, 13}, Case{19, -1, -1}}) {
    SCOPED_TRACE(c.InternalID);
    const TLIRModel* model = models().FindModelByInternalID(c.InternalID);
    ASSERT_NE(model, nullptr);
    if (c.Family >= 0) { EXPECT_EQ(model->Family(), c.Family); }
    if (c.Revision >= 0) {
      EXPECT_EQ(model->Revision(), c.Revision);
      EXPECT_EQ(models().FindModelByRevision(static_cast<std::uint8_t>(c.Revision)), model);
    }
  }
}

TEST_F(LIRModelSamplesTest, EveryFeatureIsBothOnAndOffSomewhere) {
  std::uint32_t anyOn = 0;
  std::uint32_t anyOff = 0;
  std::set<int> inputCounts;
  std::set<std::uint8_t> controls;
  std::map<int, int> severalPerFamily;
  for (const auto& model : models()) {
    anyOn |= model->Flags();
    anyOff |= ~model->Flags();
    inputCounts.insert(model->InputCount());
    if (model->AllowsSeveralControllers()) ++severalPerFamily[model->Family()];
    for (const auto& output : model->Outputs()) {
      std::uint8_t bits = 0;
      for (int e = 0; e < 4; ++e) bits |= output->Control().Contains(static_cast<TLIRControlElement>(e)) << e;
      controls.insert(bits);
    }
  }
  constexpr std::uint32_t kKnownFlags = 0x1F9FF;
  EXPECT_EQ(anyOn & kKnownFlags, kKnownFlags);
  EXPECT_EQ(anyOff & kKnownFlags, kKnownFlags);
  EXPECT_EQ(inputCounts, (std::set<int>{0, 1, 2}));
  // {0}, {2}, {1}, {1,2}, {3}, as bit sets of the elements.
  for (const std::uint8_t set : {0b0001, 0b0100, 0b0010, 0b0110, 0b1000}) EXPECT_TRUE(controls.count(set)) << +set;
  bool severalControllersPossible = false;
  for (const auto& [family, count] : severalPerFamily) severalControllersPossible |= count >= 2;
  EXPECT_TRUE(severalControllersPossible);
}

TEST_F(LIRModelSamplesTest, LimitsAndOutputsArePlausible) {
  for (const auto& model : models()) {
    SCOPED_TRACE(model->Description());
    EXPECT_FALSE(model->Description().empty());
    EXPECT_FALSE(model->FamilyName().empty());
    EXPECT_GT(model->MaxRAMSize(), 0);
    EXPECT_GT(model->MaxWorkCycles(), 0);
    EXPECT_LE(model->MaxWorkCycles(), 254);
    EXPECT_GT(model->MaxDayplanItems(), 0);
    EXPECT_LE(model->MaxDayplanItems(), 84);
    EXPECT_GT(model->MaxYearplanItems(), 0);
    EXPECT_LE(model->MaxYearplanItems(), 63);
    // Without the year plan a project keeps one year-plan item.
    if (!model->HasYearPlan()) { EXPECT_EQ(model->MaxYearplanItems(), 1); }
    EXPECT_LE(model->InputCount(), 2);
    std::set<std::uint32_t> masks;
    for (const auto& output : model->Outputs()) {
      EXPECT_FALSE(output->Description().empty());
      EXPECT_EQ(std::popcount(output->Mask()), 1) << output->Description();
      masks.insert(output->Mask());
    }
    const bool composite = model->CompanionName() != model->Description();
    if (!composite) { EXPECT_EQ(static_cast<int>(masks.size()), model->OutputCount()); }
  }
}

}  // namespace
}  // namespace lir
