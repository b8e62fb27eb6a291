#include <gtest/gtest.h>

#include <vector>

#include "model/Phases.h"
#include "model/Project.h"

namespace lir {
namespace {

std::vector<int> numbersOf(const TPhaseList& list) {
  std::vector<int> numbers;
  for (int i = 0; i < list.Count(); ++i) numbers.push_back(list.Item(i)->Number());
  return numbers;
}

TEST(PhaseStorageTest, NewProjectHasOneWorkPhaseUnusedCallListsAndTheStartUpSequence) {
  TProject project(5);
  project.AddGroup(0);
  TPhaseStg& stg = project.Phases();
  ASSERT_EQ(stg.WorkPhases().Count(), 1);
  EXPECT_EQ(stg.SpecialPhases().Count(), 0);
  for (const TPhaseList* call : {&stg.Call1Phases(), &stg.Call2Phases()}) {
    EXPECT_EQ(call->Count(), 2);
    EXPECT_FALSE(call->CallActive());
  }
  EXPECT_EQ(numbersOf(stg.StartPhases()), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(stg.StartAllRed()->MinDuration(), 5);
  EXPECT_EQ(stg.StartAllRed()->Caption(), "КК");

  TPhase& phase = *stg.WorkPhases().AddPhase();
  EXPECT_EQ(phase.Number(), 2);
  EXPECT_EQ(phase.Caption(), "Ф2");
  EXPECT_EQ(phase.PhaseType(), ptNormal);
  EXPECT_EQ(phase.MinDuration(), 1);
  EXPECT_EQ(phase.Durations().Count(), 0);
  EXPECT_EQ(phase.SkipSteps(), 0u);
  EXPECT_EQ(phase.NextPhase(), stg.StartAllRed());
  EXPECT_EQ(&phase.Owner(), &stg.WorkPhases());
  const TTrendGroup& group = *project.Groups().Items(0);
  ASSERT_EQ(phase.States().Count(), group.Trends().Count());
  for (int t = 0; t < group.Trends().Count(); ++t) EXPECT_EQ(phase.GetState(*group.Trends().Items(t)), psRed);
  const TIntList& times = phase.TPromTimes();
  EXPECT_TRUE(times.Sorted());
  EXPECT_EQ(times.Duplicates(), TDuplicates::Ignore);
  EXPECT_EQ(times.Min(), 1);
  EXPECT_EQ(times.Max(), 255);
}

TEST(PhaseStorageTest, NumbersSkipThirteenToFifteenAndRunOutAtThirtyTwo) {
  TProject project;
  TPhaseStg& stg = project.Phases();
  while (stg.WorkPhases().Count() < 13) ASSERT_NE(stg.WorkPhases().AddPhase(), nullptr);
  EXPECT_EQ(stg.WorkPhases().Item(11)->Number(), 12);
  EXPECT_EQ(stg.WorkPhases().Item(12)->Number(), 16);
  for (int n : {13, 14, 15}) EXPECT_TRUE(stg.Numbers().Used(n)) << n;

  // Room for 28 phases: exactly the numbers there are.
  while (stg.WorkPhases().AddPhase() != nullptr) {
  }
  EXPECT_EQ(stg.TotalCount(), 28);
  EXPECT_EQ(stg.WorkPhases().Last()->Number(), 31);
  EXPECT_FALSE(stg.CanAddPhase());
  EXPECT_EQ(stg.SpecialPhases().AddPhase(), nullptr);
  EXPECT_EQ(stg.WorkPhases().DuplicatePhase(*stg.WorkPhases().First()), nullptr);
  EXPECT_EQ(stg.TakeFreeNumber(), TPhaseNumbers::kNoneFree);
}

TEST(PhaseStorageTest, ADeletedPhaseFreesItsNumberForTheNextOne) {
  TProject project;
  TPhaseList& work = project.Phases().WorkPhases();
  while (work.Count() < 5) work.AddPhase();
  ASSERT_TRUE(work.DeletePhase(2));
  EXPECT_FALSE(project.Phases().Numbers().Used(3));
  EXPECT_EQ(project.Phases().FindByNumber(3), nullptr);
  EXPECT_EQ(project.Phases().SpecialPhases().AddPhase()->Number(), 3);
  EXPECT_EQ(work.AddPhase()->Number(), 6);
}

TEST(PhaseStorageTest, PhaseNumbersMustFitTheUsedSet) {
  TProject project;
  TPhase& phase = *project.Phases().WorkPhases().First();
  for (int bad : {-1, 40, 255}) {
    EXPECT_THROW(phase.SetNumber(bad), EPhaseError) << bad;
    EXPECT_EQ(phase.Number(), 1);
  }
  phase.SetNumber(39);
  EXPECT_TRUE(project.Phases().Numbers().Used(39));
  EXPECT_FALSE(project.Phases().Numbers().Used(1));
  EXPECT_EQ(project.Phases().FindByNumber(39), &phase);
  EXPECT_EQ(project.Phases().FindByNumber(0), nullptr);
}

TEST(PhaseStorageTest, CallPhasesAreNumberedButTheirBoundariesAreNot) {
  TProject project;
  TPhaseStg& stg = project.Phases();
  TPhaseList& call = stg.Call1Phases();
  ASSERT_TRUE(call.SetCallActive(true));
  TPhase& callPhase = *call.AddPhase();
  EXPECT_EQ(call.IndexOf(&callPhase), 1);
  EXPECT_EQ(callPhase.Number(), 2);
  // The boundaries copy work phase 1; the number is still found in the work list.
  EXPECT_EQ(call.First()->Number(), 1);
  EXPECT_EQ(stg.FindByNumber(1), stg.WorkPhases().First());
  EXPECT_EQ(stg.FindByNumber(2), &callPhase);
  EXPECT_EQ(stg.TotalCount(), 2);
  // New call phases stay between the boundaries.
  EXPECT_EQ(call.InsertPhase(0)->Number(), 3);
  EXPECT_EQ(call.IndexOf(stg.FindByNumber(3)), 1);
  EXPECT_EQ(call.IndexOf(call.InsertPhase(99)), 3);
  EXPECT_EQ(call.Count(), 5);
}

TEST(PhaseStorageTest, NormalizeNumbersRunsWorkCallInUseAndSpecialPhases) {
  TProject project;
  TPhaseStg& stg = project.Phases();
  TPhaseList& work = stg.WorkPhases();
  work.AddPhase();
  work.AddPhase();
  work.Item(0)->SetNumber(5);
  work.Item(1)->SetNumber(2);
  work.Item(2)->SetNumber(9);
  stg.SpecialPhases().AddPhase()->SetNumber(20);
  stg.Call2Phases().SetCallActive(true);
  stg.Call2Phases().AddPhase()->SetNumber(30);
  EXPECT_FALSE(stg.NumbersNormal());

  stg.NormalizeNumbers();
  EXPECT_EQ(numbersOf(work), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(stg.Call2Phases().Item(1)->Number(), 4);
  EXPECT_EQ(stg.SpecialPhases().First()->Number(), 5);
  // The boundaries follow the renumbered work phases.
  EXPECT_EQ(stg.Call2Phases().First()->Number(), 3);
  EXPECT_EQ(stg.Call2Phases().Last()->Number(), 1);
  EXPECT_TRUE(stg.NumbersNormal());
  EXPECT_EQ(stg.TakeFreeNumber(), 6);
}

TEST(PhaseStorageTest, NormalizeNumbersJumpsFromTwelveToSixteen) {
  TProject project;
  TPhaseStg& stg = project.Phases();
  while (stg.WorkPhases().Count() < 14) stg.WorkPhases().AddPhase();
  stg.WorkPhases().Item(12)->SetNumber(13);  // what only a damaged file would hold
  stg.WorkPhases().Item(13)->SetNumber(3);
  stg.WorkPhases().Item(2)->SetNumber(17);
  stg.NormalizeNumbers();
  const std::vector<int> expected = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16, 17};
  EXPECT_EQ(numbersOf(stg.WorkPhases()), expected);
  EXPECT_TRUE(stg.NumbersNormal());
}

TEST(PhaseStorageTest, TotalCountLeavesOutCallBoundaries) {
  TProject project;
  TPhaseStg& stg = project.Phases();
  stg.WorkPhases().AddPhase();
  stg.SpecialPhases().AddPhase();
  EXPECT_EQ(stg.TotalCount(), 3);  // the unused call lists hold only their boundaries
  stg.Call1Phases().SetCallActive(true);
  EXPECT_EQ(stg.TotalCount(), 3);
  stg.Call1Phases().AddPhase();
  stg.Call1Phases().AddPhase();
  EXPECT_EQ(stg.TotalCount(), 5);
}

TEST(PhaseStorageTest, CanDeleteFollowsTheList) {
  TProject project;
  TPhaseStg& stg = project.Phases();
  TPhaseList& work = stg.WorkPhases();
  TPhaseList& call = stg.Call1Phases();
  call.SetCallActive(true);
  TPhase& callPhase = *call.AddPhase();
  TPhase& special = *stg.SpecialPhases().AddPhase();

  EXPECT_FALSE(stg.CanDelete(*work.First()));  // the only work phase
  EXPECT_FALSE(work.DeletePhase(0));
  EXPECT_EQ(work.Count(), 1);
  work.AddPhase();
  EXPECT_TRUE(stg.CanDelete(*work.First()));
  EXPECT_TRUE(stg.CanDelete(special));
  EXPECT_TRUE(stg.CanDelete(callPhase));
  EXPECT_FALSE(stg.CanDelete(*call.First()));
  EXPECT_FALSE(stg.CanDelete(*call.Last()));
  EXPECT_FALSE(call.DeletePhase(0));
  EXPECT_FALSE(call.RemovePhase(*call.Last()));
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(stg.CanDelete(*stg.StartPhases().Item(i))) << i;
  EXPECT_FALSE(stg.StartPhases().DeletePhase(1));
  EXPECT_EQ(stg.StartPhases().AddPhase(), nullptr);
  // A phase is removed only through its own list.
  EXPECT_FALSE(work.RemovePhase(special));
  EXPECT_TRUE(call.RemovePhase(callPhase));
  EXPECT_EQ(call.Count(), 2);
}

struct PhaseStartTest : ::testing::Test {
  TProject project{4};
  TPhaseStg& stg = project.Phases();
  TPhaseList& work = stg.WorkPhases();
  const TTrend* trend = nullptr;

  void SetUp() override {
    project.AddGroup(0);
    trend = project.Groups().Items(0)->Trends().Items(0);
    work.First()->SetMinDuration(7);
    work.First()->SetState(*trend, psGreen);
    work.AddPhase()->SetMinDuration(9);
  }
};

TEST_F(PhaseStartTest, StartUpSequenceRunsFromTheLastWorkPhaseThroughAllRedIntoTheFirst) {
  const TPhaseList& start = stg.StartPhases();
  EXPECT_EQ(start.Item(0)->MinDuration(), 9);
  EXPECT_EQ(start.Item(0)->GetState(*trend), psRed);
  EXPECT_EQ(start.Item(1)->MinDuration(), 4);
  EXPECT_EQ(start.Item(1)->GetState(*trend), psRed);
  EXPECT_EQ(start.Item(2)->MinDuration(), 7);
  EXPECT_EQ(start.Item(2)->GetState(*trend), psGreen);
  EXPECT_EQ(numbersOf(start), (std::vector<int>{0, 0, 0}));

  // Every change of the work phases reaches it.
  work.AddPhase()->SetMinDuration(11);
  EXPECT_EQ(start.Item(0)->MinDuration(), 11);
  work.DeletePhase(0);
  EXPECT_EQ(start.Item(2)->MinDuration(), 9);
  project.AllRedTime = 6;
  stg.RefreshStartPhases();
  EXPECT_EQ(start.Item(1)->MinDuration(), 6);
}

TEST_F(PhaseStartTest, CallBoundariesMirrorTheWorkPhasesOrAreAllRedUnderTheExtendedYearPlan) {
  TPhaseList& call = stg.Call2Phases();
  call.SetCallActive(true);
  call.AddPhase();
  EXPECT_EQ(call.First()->MinDuration(), 9);
  EXPECT_EQ(call.First()->Number(), 2);
  EXPECT_EQ(call.Last()->MinDuration(), 7);
  EXPECT_EQ(call.Last()->GetState(*trend), psGreen);
  EXPECT_EQ(call.Last()->Number(), 1);

  work.First()->SetState(*trend, psGreenBlinking);
  EXPECT_EQ(call.Last()->GetState(*trend), psGreenBlinking);

  project.SetOption(poExpandYearPlan, true);
  work.First()->SetState(*trend, psYellow);
  const TPhase& entry = *call.First();
  EXPECT_EQ(entry.PhaseType(), ptAllRed);
  EXPECT_EQ(entry.MinDuration(), 4);
  EXPECT_EQ(entry.Number(), 0);
  for (int i = 0; i < entry.States().Count(); ++i) EXPECT_EQ(entry.States().Items(i)->State(), psRed);
  EXPECT_EQ(call.Last()->GetState(*trend), psYellow);
  EXPECT_EQ(call.Count(), 3);
}

TEST(PhaseStorageTest, ProjectResetBringsBackTheNewProjectPhases) {
  TProject project;
  TPhaseStg& stg = project.Phases();
  project.AddGroup(0);
  stg.WorkPhases().AddPhase();
  stg.SpecialPhases().AddPhase();
  stg.Call1Phases().SetCallActive(true);
  stg.Call1Phases().AddPhase();
  stg.SetCycleCount(2);

  project.Reset(3);
  EXPECT_EQ(numbersOf(stg.WorkPhases()), (std::vector<int>{1}));
  EXPECT_EQ(stg.SpecialPhases().Count(), 0);
  EXPECT_FALSE(stg.Call1Phases().CallActive());
  EXPECT_EQ(stg.Call1Phases().Count(), 2);
  EXPECT_EQ(stg.CycleCount(), 0);
  EXPECT_EQ(stg.WorkPhases().First()->States().Count(), 0);
  EXPECT_EQ(stg.StartPhases().Item(1)->States().Count(), 0);
  EXPECT_EQ(project.GroupCount(), 0);
}

TEST(PhaseStorageTest, DuplicateCopiesAllButTheNumber) {
  TProject project;
  project.AddGroup(0);
  const TTrend& trend = *project.Groups().Items(0)->Trends().Items(0);
  TPhaseList& work = project.Phases().WorkPhases();
  work.AddPhase();
  TPhase& original = *work.First();
  original.SetMinDuration(12);
  original.SetState(trend, psGreen);
  original.SetSkipStep(0, true);
  original.SetNextPhase(work.Last());

  TPhase* copy = work.DuplicatePhase(original);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(work.IndexOf(copy), 1);
  EXPECT_EQ(copy->Number(), 3);
  EXPECT_EQ(copy->MinDuration(), 12);
  EXPECT_EQ(copy->GetState(trend), psGreen);
  EXPECT_NE(copy->States().Items(0), original.States().Items(0));
  EXPECT_TRUE(copy->IsSkipStep(0));
  EXPECT_EQ(copy->NextPhase(), work.Last());
}

TEST(PhaseStorageTest, AssignTakesOnlyAPhase) {
  TProject project;
  TPhase& phase = *project.Phases().WorkPhases().First();
  TIntList notAPhase;
  try {
    phase.Assign(&notAPhase);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Не могу значение TIntList присвоить TPhase");
  }
  EXPECT_THROW(phase.Assign(nullptr), EConvertError);
}

TEST(PhaseStorageTest, ListEventsTellAboutAddedPhasesAndChanges) {
  TProject project;
  TPhaseList& special = project.Phases().SpecialPhases();
  std::vector<std::string> heard;
  special.OnPhaseAdded = [&](TPhaseList& list, TPhase& phase) {
    heard.push_back("added " + phase.Caption() + " " + std::to_string(list.IndexOf(&phase)));
  };
  special.OnChange = [&](TPhaseList& list) { heard.push_back("changed " + std::to_string(list.Count())); };
  special.AddPhase();
  special.InsertPhase(0);
  special.DeletePhase(1);
  EXPECT_EQ(heard, (std::vector<std::string>{"added Ф2 0", "changed 1", "added Ф3 0", "changed 2", "changed 1"}));
}

}  // namespace
}  // namespace lir
