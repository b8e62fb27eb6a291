#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/ProLists.h"

namespace lir {
namespace {

int gLiveAnimals = 0;

class TAnimal : public TObject {
  LIR_CLASS(TAnimal, TObject)
  TAnimal() { ++gLiveAnimals; }
  ~TAnimal() override { --gLiveAnimals; }
};

class TDog : public TAnimal {
  LIR_CLASS(TDog, TAnimal)
};

class TCar : public TObject {
  LIR_CLASS(TCar, TObject)
};

// Objects offered to a list. Those an owning list admitted belong to the list;
// the pool frees the rest, so a leak or a second delete shows up (under the
// sanitizers as an error, otherwise in the live count).
class Pool {
 public:
  TObject* Make(char token) {
    switch (token) {
      case 'A': objects_.push_back(std::make_unique<TAnimal>()); break;
      case 'D': objects_.push_back(std::make_unique<TDog>()); break;
      case 'C': objects_.push_back(std::make_unique<TCar>()); break;
      default: return nullptr;
    }
    return objects_.back().get();
  }
  void HandOver(const TObject* obj) {
    for (auto& o : objects_) {
      if (o.get() == obj) o.release();
    }
  }

 private:
  std::vector<std::unique_ptr<TObject>> objects_;
};

std::vector<const TObject*> Contents(const TSafeObjList& list) {
  std::vector<const TObject*> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.Items(i));
  return out;
}

TEST(SafeObjListTest, ClassReferencesKnowTheirAncestry) {
  EXPECT_TRUE(classOf<TDog>().InheritsFrom(classOf<TAnimal>()));
  EXPECT_TRUE(classOf<TDog>().InheritsFrom(classOf<TObject>()));
  EXPECT_FALSE(classOf<TAnimal>().InheritsFrom(classOf<TDog>()));
  EXPECT_FALSE(classOf<TCar>().InheritsFrom(classOf<TAnimal>()));
  TDog dog;
  const TObject* asObject = &dog;
  EXPECT_STREQ(asObject->ClassName(), "TDog");
  EXPECT_STREQ(classOf<TDog>().name, "TDog");
  EXPECT_TRUE(classOf<TAnimal>().isInstance(&dog));
  EXPECT_FALSE(classOf<TAnimal>().isInstance(nullptr));
  EXPECT_STREQ(ClassNameOf(nullptr), "nil");
}

TEST(SafeObjListTest, PoliciesFollowOwnership) {
  TSafeObjList owning(classOf<TAnimal>(), true);
  TSafeObjList viewing(classOf<TAnimal>(), false);
  EXPECT_FALSE(owning.AllowNil());
  EXPECT_TRUE(viewing.AllowNil());
  EXPECT_TRUE(owning.AllowDuplicates());
  EXPECT_TRUE(viewing.AllowDuplicates());
}

// Objects are named by a letter; a repeated letter offers the same object again.
// Upper case letters make new objects, the digit 0 is null.
struct AdmissionCase {
  const char* name;
  bool owns;
  bool allowDuplicates;
  const char* offers;       // e.g. "A1A1" = animal #1 twice
  std::vector<int> results;  // Add's answers in order
};

class SafeObjListAdmission : public testing::TestWithParam<AdmissionCase> {};

TEST_P(SafeObjListAdmission, AddAnswersIndexOrMinusOne) {
  const AdmissionCase& c = GetParam();
  gLiveAnimals = 0;
  {
    Pool pool;
    TSafeObjList list(classOf<TAnimal>(), c.owns);
    list.SetAllowDuplicates(c.allowDuplicates);
    std::vector<std::pair<std::string, TObject*>> named;
    std::vector<int> results;
    const std::string offers = c.offers;
    for (std::size_t i = 0; i + 1 < offers.size(); i += 2) {
      const std::string key = offers.substr(i, 2);
      TObject* obj = nullptr;
      bool found = false;
      for (auto& [k, o] : named) {
        if (k == key) obj = o, found = true;
      }
      if (!found) named.emplace_back(key, obj = pool.Make(key[0]));
      const int before = list.Count();
      const int index = list.Add(obj);
      results.push_back(index);
      EXPECT_EQ(list.Count(), before + (index >= 0 ? 1 : 0));
      if (index >= 0) {
        EXPECT_EQ(list.Items(index), obj);
        if (c.owns) pool.HandOver(obj);
      }
    }
    EXPECT_EQ(results, c.results);
  }
  EXPECT_EQ(gLiveAnimals, 0);
}

INSTANTIATE_TEST_SUITE_P(
    SafeObjList, SafeObjListAdmission,
    testing::Values(
        AdmissionCase{"OwningRejectsNull", true, true, "0_A1", {-1, 0}},
        AdmissionCase{"ViewAcceptsManyNullsWithoutDuplicates", false, false, "0_0_A10_", {0, 1, 2, 3}},
        AdmissionCase{"WrongClassRejected", false, true, "A1C1D1", {0, -1, 1}},
        AdmissionCase{"ViewAcceptsRepeatWhenAllowed", false, true, "A1A1", {0, 1}},
        AdmissionCase{"ViewRejectsRepeatWhenForbidden", false, false, "A1D1A1D1", {0, 1, -1, -1}},
        AdmissionCase{"OwningNeverHoldsAnObjectTwice", true, true, "A1D1A1D1A2", {0, 1, -1, -1, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SafeObjListTest, InsertAppliesTheSameAdmission) {
  gLiveAnimals = 0;
  {
    TSafeObjList list(classOf<TAnimal>(), true);
    auto* a = new TAnimal;
    auto* b = new TDog;
    TCar car;
    EXPECT_TRUE(list.Insert(0, a));
    EXPECT_TRUE(list.Insert(0, b));
    EXPECT_FALSE(list.Insert(1, a));  // already owned
    EXPECT_FALSE(list.Insert(0, &car));
    EXPECT_FALSE(list.Insert(2, nullptr));
    EXPECT_EQ(Contents(list), (std::vector<const TObject*>{b, a}));
    auto* spare = new TAnimal;
    EXPECT_THROW(list.Insert(3, spare), EListError);
    EXPECT_EQ(list.Count(), 2);
    delete spare;  // refused, so still the caller's
    EXPECT_TRUE(list.Insert(2, new TAnimal));
    EXPECT_EQ(gLiveAnimals, 3);
  }
  EXPECT_EQ(gLiveAnimals, 0);
}

TEST(SafeObjListTest, ForbiddingDuplicatesKeepsFirstOccurrences) {
  TAnimal a, b;
  TSafeObjList list(classOf<TAnimal>(), false);
  for (TObject* o : {&a, &b, &a, &a, &b}) list.Add(o);
  list.SetAllowDuplicates(false);
  EXPECT_EQ(Contents(list), (std::vector<const TObject*>{&a, &b}));

  TSafeObjList withNulls(classOf<TAnimal>(), false);
  for (TObject* o : {static_cast<TObject*>(nullptr), static_cast<TObject*>(&a), static_cast<TObject*>(nullptr),
                     static_cast<TObject*>(&a), static_cast<TObject*>(&b)}) {
    withNulls.Add(o);
  }
  withNulls.SetAllowDuplicates(false);
  EXPECT_EQ(Contents(withNulls), (std::vector<const TObject*>{nullptr, &a, nullptr, &b}));
}

TEST(SafeObjListTest, ForbiddingDuplicatesOnOwningListDestroysNothing) {
  gLiveAnimals = 0;
  {
    TSafeObjList list(classOf<TAnimal>(), true);
    TAnimal* a = new TAnimal;
    list.Add(a);
    list.Add(a);  // refused, not a second entry
    list.Add(new TAnimal);
    list.SetAllowDuplicates(false);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(gLiveAnimals, 2);
    EXPECT_EQ(list.Items(0), a);
  }
  EXPECT_EQ(gLiveAnimals, 0);
}

TEST(SafeObjListTest, OwningListDestroysWhatLeavesExceptExtracted) {
  gLiveAnimals = 0;
  {
    TSafeObjList list(classOf<TAnimal>(), true);
    TAnimal* a = new TAnimal;
    TAnimal* b = new TAnimal;
    TAnimal* c = new TAnimal;
    TAnimal* d = new TAnimal;
    for (TAnimal* o : {a, b, c, d}) list.Add(o);

    EXPECT_EQ(list.Remove(b), 1);
    EXPECT_EQ(gLiveAnimals, 3);
    EXPECT_EQ(list.Remove(b), -1);

    EXPECT_EQ(list.Extract(c), c);
    EXPECT_EQ(gLiveAnimals, 3);
    EXPECT_EQ(list.Extract(c), nullptr);
    EXPECT_EQ(Contents(list), (std::vector<const TObject*>{a, d}));
    delete c;

    list.Delete(0);
    EXPECT_EQ(gLiveAnimals, 1);
    EXPECT_THROW(list.Delete(1), EListError);
    EXPECT_THROW(list.Items(-1), EListError);
    list.Add(new TAnimal);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(gLiveAnimals, 0);
    list.Add(new TAnimal);
  }
  EXPECT_EQ(gLiveAnimals, 0);  // the destructor frees the rest
}

TEST(SafeObjListTest, ViewingListNeverDestroys) {
  gLiveAnimals = 0;
  TAnimal a, b;
  {
    TSafeObjList list(classOf<TAnimal>(), false);
    list.Add(&a);
    list.Add(&b);
    list.Add(&a);
    EXPECT_EQ(list.Remove(&a), 0);
    list.Delete(0);
    EXPECT_EQ(Contents(list), (std::vector<const TObject*>{&a}));
  }
  EXPECT_EQ(gLiveAnimals, 2);
}

TEST(SafeObjListTest, MoveAndExchangeReorder) {
  TAnimal a, b, c;
  TSafeObjList list(classOf<TAnimal>(), false);
  for (TObject* o : {&a, &b, &c}) list.Add(o);
  list.Move(0, 2);
  EXPECT_EQ(Contents(list), (std::vector<const TObject*>{&b, &c, &a}));
  list.Exchange(0, 2);
  EXPECT_EQ(Contents(list), (std::vector<const TObject*>{&a, &c, &b}));
  EXPECT_THROW(list.Move(0, 3), EListError);
  EXPECT_THROW(list.Exchange(-1, 0), EListError);
}

TEST(SafeObjListTest, AssignCopiesReferencesAndPolicies) {
  TAnimal a;
  TCar car;
  TSafeObjList source(classOf<TCar>(), false);
  source.SetAllowDuplicates(false);
  source.Add(&car);
  source.Add(nullptr);

  TSafeObjList target(classOf<TAnimal>(), false);
  target.Add(&a);
  target.Assign(&source);
  EXPECT_EQ(Contents(target), (std::vector<const TObject*>{&car, nullptr}));
  EXPECT_EQ(&target.ItemClass(), &classOf<TCar>());
  EXPECT_FALSE(target.AllowDuplicates());
  EXPECT_EQ(target.Add(&a), -1);  // the item class came along
  EXPECT_EQ(target.Add(&car), -1);
}

TEST(SafeObjListTest, AssignRefusalsLeaveTargetUnchanged) {
  gLiveAnimals = 0;
  {
    TAnimal a;
    TCar car;
    TSafeObjList view(classOf<TAnimal>(), false);
    view.Add(&a);
    TSafeObjList owning(classOf<TAnimal>(), true);
    TAnimal* owned = new TAnimal;
    owning.Add(owned);

    struct Refusal {
      TSafeObjList* target;
      const TObject* source;
      const char* text;
    };
    const Refusal refusals[] = {
        {&view, &car, "Cannot assign a TCar to a TSafeObjList"},
        {&view, nullptr, "Cannot assign a nil to a TSafeObjList"},
        // the owning list would destroy an object that another holds
        {&owning, &view, "Cannot assign a TSafeObjList to a TSafeObjList"},
    };
    for (const Refusal& r : refusals) {
      const auto before = Contents(*r.target);
      try {
        r.target->Assign(r.source);
        ADD_FAILURE() << r.text;
      } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), r.text);
      }
      EXPECT_EQ(Contents(*r.target), before);
    }

    owning.Assign(&owning);
    view.Assign(&view);
    EXPECT_EQ(Contents(owning), (std::vector<const TObject*>{owned}));
    EXPECT_EQ(Contents(view), (std::vector<const TObject*>{&a}));

    // An owning list may take the policies of a list without objects.
    TSafeObjList empty(classOf<TDog>(), false);
    empty.Add(nullptr);
    owning.Assign(&empty);
    EXPECT_EQ(Contents(owning), (std::vector<const TObject*>{nullptr}));
    EXPECT_EQ(gLiveAnimals, 1);  // only the local a
  }
  EXPECT_EQ(gLiveAnimals, 0);
}

TEST(SafeObjListTest, TypedListKeepsItsElementType) {
  TAnimal a;
  TDog d;
  TObjList<TAnimal> animals(false);
  animals.Add(&a);
  animals.Add(&d);
  TAnimal* first = animals.Items(0);
  EXPECT_EQ(first, &a);
  EXPECT_EQ(animals.Last(), &d);
  EXPECT_STREQ(animals.ClassName(), "TSafeObjList");

  TObjList<TAnimal> dogsOnly(classOf<TDog>(), false);
  EXPECT_EQ(dogsOnly.Add(&a), -1);
  EXPECT_EQ(dogsOnly.Add(&d), 0);
  EXPECT_THROW(TObjList<TDog>(classOf<TAnimal>(), false), std::invalid_argument);

  TSafeObjList cars(classOf<TCar>(), false);
  EXPECT_THROW(animals.Assign(&cars), EConvertError);
  EXPECT_EQ(animals.Count(), 2);
  animals.Assign(&dogsOnly);  // a narrower class is fine
  EXPECT_EQ(animals.Count(), 1);
  EXPECT_EQ(animals.Items(0), &d);
}

}  // namespace
}  // namespace lir
