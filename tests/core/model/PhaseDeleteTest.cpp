#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Phases.h"
#include "model/Project.h"

namespace lir {
namespace {

// Notes, for every phase announced as going, whether it was still in its
// list and how many phases still pointed at it.
struct TDestroyRecorder : TPhaseEvents {
  TPhaseStg* stg = nullptr;
  std::vector<std::string> heard;

  void PhaseDestroying(TPhase& phase) override {
    int pointing = 0;
    for (TPhaseList* list : {&stg->WorkPhases(), &stg->SpecialPhases(), &stg->Call1Phases(), &stg->Call2Phases(),
                             &stg->StartPhases()}) {
      for (int i = 0; i < list->Count(); ++i) pointing += list->Item(i)->NextPhase() == &phase ? 1 : 0;
    }
    heard.push_back(phase.Caption() + (phase.Owner().IndexOf(&phase) >= 0 ? " listed " : " gone ") +
                    std::to_string(pointing));
  }
};

struct PhaseDeleteTest : ::testing::Test {
  TProject project;
  TPhaseStg& stg = project.Phases();
  TDestroyRecorder recorder;
  TPhase* work2 = nullptr;
  TPhase* special1 = nullptr;
  TPhase* special2 = nullptr;
  TPhase* call1 = nullptr;

  // Ф1 Ф2 work; Ф3 → Ф2 and Ф4 → Ф3 special; Ф5 in ТВП1, pointed at by Ф1.
  void SetUp() override {
    work2 = stg.WorkPhases().AddPhase();
    special1 = stg.SpecialPhases().AddPhase();
    special2 = stg.SpecialPhases().AddPhase();
    special1->SetNextPhase(work2);
    special2->SetNextPhase(special1);
    stg.Call1Phases().SetCallActive(true);
    call1 = stg.Call1Phases().AddPhase();
    stg.WorkPhases().First()->SetNextPhase(call1);
    recorder.stg = &stg;
    stg.Events().Subscribe(recorder);
  }
  void TearDown() override { stg.Events().Unsubscribe(recorder); }
};

TEST_F(PhaseDeleteTest, DeletingAPhaseClearsEveryNextPhaseBeforeItIsAnnounced) {
  ASSERT_TRUE(stg.WorkPhases().RemovePhase(*work2));
  EXPECT_EQ(special1->NextPhase(), nullptr);
  EXPECT_EQ(special2->NextPhase(), special1);
  ASSERT_TRUE(stg.SpecialPhases().DeletePhase(0));
  EXPECT_EQ(special2->NextPhase(), nullptr);
  EXPECT_EQ(recorder.heard, (std::vector<std::string>{"Ф2 listed 0", "Ф3 listed 0"}));
}

TEST_F(PhaseDeleteTest, SwitchingACallListOffDeletesItsPhasesTheSameWay) {
  TPhase& work1 = *stg.WorkPhases().First();
  ASSERT_TRUE(stg.Call1Phases().SetCallActive(false));
  EXPECT_EQ(work1.NextPhase(), nullptr);
  // The exit, the call phase and the entry, from the end; the fresh
  // boundaries are not announced.
  EXPECT_EQ(recorder.heard, (std::vector<std::string>{"Ф1 listed 0", "Ф5 listed 0", "Ф2 listed 0"}));
  EXPECT_FALSE(stg.Numbers().Used(5));
}

TEST_F(PhaseDeleteTest, ClearingAndResettingAnnounceEveryPhase) {
  stg.SpecialPhases().Clear();
  EXPECT_EQ(stg.SpecialPhases().Count(), 0);
  EXPECT_EQ(recorder.heard, (std::vector<std::string>{"Ф4 listed 0", "Ф3 listed 0"}));

  recorder.heard.clear();
  project.Reset(3);
  // Two work phases, the two boundaries of each call list and the call phase.
  EXPECT_EQ(recorder.heard.size(), 2u + 3u + 2u);
  for (const std::string& heard : recorder.heard) EXPECT_NE(heard.find("listed 0"), std::string::npos) << heard;
}

}  // namespace
}  // namespace lir
