#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/ProLists.h"

namespace lir {
namespace {

using Ints = std::vector<int32_t>;

// A list holding the values (added in order under Accept), then given its policies.
struct Filled : TIntList {
  explicit Filled(const Ints& values, TDuplicates duplicates = TDuplicates::Accept, bool sorted = false) {
    for (const int32_t v : values) Add(v);
    SetDuplicates(duplicates);
    SetSorted(sorted);
  }
};

TEST(IntListTest, Defaults) {
  TIntList list;
  EXPECT_EQ(list.Min(), -2147483647);
  EXPECT_EQ(list.Max(), 2147483647);
  EXPECT_EQ(list.Duplicates(), TDuplicates::Accept);
  EXPECT_FALSE(list.Sorted());
  EXPECT_EQ(list.Count(), 0);
  EXPECT_THROW(list.Add(-2147483647 - 1), EIntegerListError);
}

struct AddCase {
  const char* name;
  bool sorted;
  TDuplicates duplicates;
  Ints before;
  int32_t value;
  int index;  // -1: raises "Integer list duplicates error"
  Ints after;
};

class IntListAdd : public testing::TestWithParam<AddCase> {};

TEST_P(IntListAdd, PlacesOrRefusesValue) {
  const AddCase& c = GetParam();
  Filled list(c.before, c.duplicates, c.sorted);
  if (c.index < 0) {
    try {
      list.Add(c.value);
      FAIL() << "no error";
    } catch (const EIntegerListError& e) {
      EXPECT_STREQ(e.what(), "Integer list duplicates error");
    }
  } else {
    EXPECT_EQ(list.Add(c.value), c.index);
  }
  EXPECT_EQ(list.Values(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    IntList, IntListAdd,
    testing::Values(
        AddCase{"SortedIgnoreKeepsPresent", true, TDuplicates::Ignore, {1, 5, 9}, 5, 1, {1, 5, 9}},
        AddCase{"SortedAcceptAfterEqual", true, TDuplicates::Accept, {1, 5, 9}, 5, 2, {1, 5, 5, 9}},
        AddCase{"SortedAcceptAfterLastEqual", true, TDuplicates::Accept, {1, 5, 5, 9}, 5, 3, {1, 5, 5, 5, 9}},
        AddCase{"SortedErrorRefuses", true, TDuplicates::Error, {1, 5, 9}, 5, -1, {1, 5, 9}},
        AddCase{"SortedSmallestAtFront", true, TDuplicates::Error, {1, 5, 9}, 0, 0, {0, 1, 5, 9}},
        AddCase{"SortedLargestAtEnd", true, TDuplicates::Ignore, {1, 5, 9}, 10, 3, {1, 5, 9, 10}},
        AddCase{"SortedIntoEmpty", true, TDuplicates::Ignore, {}, 4, 0, {4}},
        AddCase{"UnsortedAcceptAppends", false, TDuplicates::Accept, {9, 1, 9}, 9, 3, {9, 1, 9, 9}},
        AddCase{"UnsortedIgnoreAnswersLastPresent", false, TDuplicates::Ignore, {9, 1, 9}, 9, 2, {9, 1, 9}},
        AddCase{"UnsortedErrorRefuses", false, TDuplicates::Error, {9, 1}, 1, -1, {9, 1}},
        AddCase{"UnsortedNewValueAppends", false, TDuplicates::Error, {9, 1}, 4, 2, {9, 1, 4}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IntListTest, ValuesOutsideBoundsAreRefused) {
  TIntList list;
  list.SetMin(1);
  list.SetMax(255);
  EXPECT_EQ(list.Add(1), 0);
  EXPECT_EQ(list.Add(255), 1);
  const std::vector<std::function<void()>> stores = {
      [&] { list.Add(0); }, [&] { list.Add(256); }, [&] { list.Put(0, 0); }, [&] { list.Insert(0, 256); }};
  for (const auto& store : stores) {
    try {
      store();
      ADD_FAILURE() << "no error";
    } catch (const EIntegerListError& e) {
      EXPECT_STREQ(e.what(), "Value out of range [min, max]");
    }
  }
  EXPECT_EQ(list.Values(), (Ints{1, 255}));
}

TEST(IntListTest, BoundsCannotExcludeElementsOrCross) {
  Filled list({2, 7});
  struct Case {
    bool setMin;
    int32_t value;
    const char* text;
  };
  const Case refused[] = {
      {true, 3, "Set int list min value error"},   // 2 is below
      {false, 6, "Set int list max value error"},  // 7 is above
  };
  for (const Case& c : refused) {
    try {
      c.setMin ? list.SetMin(c.value) : list.SetMax(c.value);
      ADD_FAILURE() << c.text;
    } catch (const EIntegerListError& e) {
      EXPECT_STREQ(e.what(), c.text);
    }
  }
  list.SetMin(2);
  list.SetMax(7);
  EXPECT_EQ(list.Min(), 2);
  EXPECT_EQ(list.Max(), 7);

  TIntList empty;
  empty.SetMin(10);
  EXPECT_THROW(empty.SetMax(9), EIntegerListError);
  empty.SetMax(10);
  EXPECT_THROW(empty.SetMin(11), EIntegerListError);
  EXPECT_EQ(empty.Min(), 10);
  EXPECT_EQ(empty.Max(), 10);
}

TEST(IntListTest, PutFollowsDuplicatesPolicyAndOrder) {
  Filled ignore({1, 5, 9}, TDuplicates::Ignore);
  ignore.Put(0, 9);
  EXPECT_EQ(ignore.Values(), (Ints{1, 5, 9}));

  Filled error({1, 5, 9}, TDuplicates::Error);
  error.Put(1, 5);  // unchanged value: not a repeat
  EXPECT_THROW(error.Put(0, 9), EIntegerListError);
  EXPECT_EQ(error.Values(), (Ints{1, 5, 9}));

  Filled sorted({1, 5, 9}, TDuplicates::Accept, true);
  sorted.Put(0, 7);
  EXPECT_EQ(sorted.Values(), (Ints{5, 7, 9}));
  sorted.Put(2, 5);
  EXPECT_EQ(sorted.Values(), (Ints{5, 5, 7}));
  EXPECT_THROW(sorted.Put(3, 1), EIntegerListError);
}

TEST(IntListTest, SortedListRefusesPositionalChanges) {
  Filled list({9, 1, 5});
  list.SetSorted(true);
  EXPECT_EQ(list.Values(), (Ints{1, 5, 9}));
  const std::pair<std::function<void()>, const char*> refused[] = {
      {[&] { list.Insert(0, 3); }, "Can't insert item in sorted list"},
      {[&] { list.Exchange(0, 2); }, "Can't exchange items in sorted list"},
      {[&] { list.Move(0, 2); }, "Can't move item in sorted list"},
  };
  for (const auto& [change, text] : refused) {
    try {
      change();
      ADD_FAILURE() << text;
    } catch (const EIntegerListError& e) {
      EXPECT_STREQ(e.what(), text);
    }
  }
  EXPECT_EQ(list.Values(), (Ints{1, 5, 9}));

  Filled equal({4, 4}, TDuplicates::Accept, true);
  equal.Exchange(0, 1);  // equal elements: nothing to do, so no error
  list.SetSorted(false);
  list.Exchange(0, 2);
  EXPECT_EQ(list.Values(), (Ints{9, 5, 1}));
}

TEST(IntListTest, UnsortedPositionalChanges) {
  Filled list({1, 2, 3});
  list.Move(0, 2);
  EXPECT_EQ(list.Values(), (Ints{2, 3, 1}));
  list.Insert(3, 8);
  list.Insert(0, 7);
  EXPECT_EQ(list.Values(), (Ints{7, 2, 3, 1, 8}));
  list.Delete(1);
  EXPECT_EQ(list.Values(), (Ints{7, 3, 1, 8}));
  EXPECT_THROW(list.Insert(5, 0), EIntegerListError);
  EXPECT_THROW(list.Get(4), EIntegerListError);
  EXPECT_THROW(list.Delete(-1), EIntegerListError);
  list.Sort();
  EXPECT_EQ(list.Values(), (Ints{1, 3, 7, 8}));

  Filled ignore({1, 2}, TDuplicates::Ignore);
  ignore.Insert(0, 2);
  EXPECT_EQ(ignore.Values(), (Ints{1, 2}));
  Filled error({1, 2}, TDuplicates::Error);
  EXPECT_THROW(error.Insert(0, 2), EIntegerListError);
  EXPECT_EQ(error.Values(), (Ints{1, 2}));
}

TEST(IntListTest, FindAnswersHighestIndex) {
  const Filled list({4, 6, 4, 8});
  int index = 99;
  EXPECT_TRUE(list.Find(4, index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(list.Find(5, index));
  EXPECT_EQ(index, -1);
  EXPECT_EQ(list.IndexOf(8), 3);
  EXPECT_EQ(list.IndexOf(0), -1);
}

TEST(IntListTest, AddListIsAllOrNothing) {
  Filled target({3}, TDuplicates::Error);
  const Filled source({1, 2, 3, 4});
  EXPECT_THROW(target.AddList(source), EIntegerListError);
  EXPECT_EQ(target.Values(), (Ints{3}));

  Filled self({1, 2});
  self.AddList(self);
  EXPECT_EQ(self.Values(), (Ints{1, 2, 1, 2}));
}

TEST(IntListTest, AssignTakesBoundsPoliciesAndValues) {
  Filled source({7, 3, 3});
  source.SetMin(1);
  source.SetMax(10);
  source.SetDuplicates(TDuplicates::Ignore);

  Filled target({100});
  target.Assign(&source);
  EXPECT_EQ(target.Min(), 1);
  EXPECT_EQ(target.Max(), 10);
  EXPECT_EQ(target.Duplicates(), TDuplicates::Ignore);
  EXPECT_EQ(target.Values(), (Ints{7, 3}));  // the repeat follows the copied policy

  source.SetSorted(true);
  target.Assign(&source);
  EXPECT_TRUE(target.Sorted());
  EXPECT_EQ(target.Values(), (Ints{3, 7}));
}

TEST(IntListTest, FailedAssignLeavesTargetUnchanged) {
  Filled source({5, 5});
  source.SetDuplicates(TDuplicates::Error);  // holds a repeat it would now refuse
  Filled target({100, 200}, TDuplicates::Ignore);
  target.SetMax(300);

  EXPECT_THROW(target.Assign(&source), EIntegerListError);
  TSafeObjList notIntegers(classOf<TObject>(), false);
  try {
    target.Assign(&notIntegers);
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TSafeObjList to a TIntList");
  }
  try {
    target.Assign(nullptr);
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a nil to a TIntList");
  }
  target.Assign(&target);

  EXPECT_EQ(target.Values(), (Ints{100, 200}));
  EXPECT_EQ(target.Max(), 300);
  EXPECT_EQ(target.Min(), TIntList::kDefaultMin);
  EXPECT_EQ(target.Duplicates(), TDuplicates::Ignore);
  EXPECT_FALSE(target.Sorted());
}

}  // namespace
}  // namespace lir
