#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/LinkedObjs.h"

namespace lir {
namespace {

// A two-byte record: a little-endian word, like a day-plan item's start time.
class TWordItem : public TLinkedObjItem {
  LIR_CLASS(TWordItem, TLinkedObjItem)
  int DataSize() const override { return 2; }
  uint16_t Word() const { return static_cast<uint16_t>(Data()[0] | Data()[1] << 8); }
};

// An item with a field beyond its record, which copies must carry too.
class TFlaggedItem : public TWordItem {
  LIR_CLASS(TFlaggedItem, TWordItem)
  bool flag = false;
  void Assign(const TLinkedObjItem& source) override {
    TWordItem::Assign(source);
    if (const auto* s = dynamic_cast<const TFlaggedItem*>(&source)) flag = s->flag;
  }
};

class TPickyPlan : public TLinkedObject {
  LIR_CLASS(TPickyPlan, TLinkedObject)
  TPickyPlan() : TLinkedObject("picky", &itemClassOf<TWordItem>()) {}
  bool CanAddItem(int index) const override { return index >= 0; }
};

std::array<uint8_t, 2> Word(uint16_t w) { return {static_cast<uint8_t>(w & 0xFF), static_cast<uint8_t>(w >> 8)}; }

std::vector<uint16_t> Words(const TLinkedObject& obj) {
  std::vector<uint16_t> out;
  for (int i = 0; i < obj.Count(); ++i) out.push_back(static_cast<const TWordItem*>(obj.Item(i))->Word());
  return out;
}

struct PositionCase {
  std::vector<uint16_t> before;
  int index;
  std::vector<uint16_t> after;  // the new item holds 99
};

class LinkedObjsAddItem : public testing::TestWithParam<PositionCase> {};

TEST_P(LinkedObjsAddItem, InsertsAfterIndex) {
  const PositionCase& c = GetParam();
  TLinkedObject plan("plan", &itemClassOf<TWordItem>());
  for (const uint16_t w : c.before) plan.AddItem(plan.Count() - 1, Word(w).data(), nullptr);
  TLinkedObjItem* item = plan.AddItem(c.index, Word(99).data(), nullptr);
  ASSERT_NE(item, nullptr);
  EXPECT_STREQ(item->ClassName(), "TWordItem");
  EXPECT_EQ(Words(plan), c.after);
}

INSTANTIATE_TEST_SUITE_P(LinkedObjs, LinkedObjsAddItem,
                         testing::Values(PositionCase{{}, -1, {99}},                   //
                                         PositionCase{{}, 5, {99}},                    //
                                         PositionCase{{1, 2, 3}, -1, {99, 1, 2, 3}},   //
                                         PositionCase{{1, 2, 3}, 0, {1, 99, 2, 3}},    //
                                         PositionCase{{1, 2, 3}, 1, {1, 2, 99, 3}},    //
                                         PositionCase{{1, 2, 3}, 2, {1, 2, 3, 99}},    //
                                         PositionCase{{1, 2, 3}, 40, {1, 2, 3, 99}}));

TEST(LinkedObjsTest, RecordHoldsExactlyDataSizeBytes) {
  TLinkedObject plan("plan", &itemClassOf<TWordItem>());
  const uint8_t source[4] = {0x34, 0x12, 0xEE, 0xEE};
  TLinkedObjItem* item = plan.AddItem(-1, source, nullptr);
  EXPECT_EQ(item->Data().size(), 2u);
  uint8_t out[4] = {0xAA, 0xAA, 0xAA, 0xAA};
  item->GetData(out);
  EXPECT_EQ((std::vector<uint8_t>(out, out + 4)), (std::vector<uint8_t>{0x34, 0x12, 0xAA, 0xAA}));
  EXPECT_EQ(static_cast<TWordItem*>(item)->Word(), 0x1234);

  item->SetData(nullptr);
  EXPECT_EQ(static_cast<TWordItem*>(item)->Word(), 0);

  std::unique_ptr<TLinkedObjItem> base(TLinkedObjItem::Create<TLinkedObjItem>(source, nullptr));
  EXPECT_EQ((std::vector<uint8_t>(base->Data().begin(), base->Data().end())),
            (std::vector<uint8_t>{0x34, 0x12, 0xEE, 0xEE}));
}

TEST(LinkedObjsTest, LinksCountTheirItems) {
  TLinkedObject cycleA("A"), cycleB("B");
  {
    TLinkedObject plan("plan", &itemClassOf<TWordItem>());
    TLinkedObjItem* first = plan.AddItem(-1, Word(0).data(), &cycleA);
    TLinkedObjItem* second = plan.AddItem(0, Word(60).data(), &cycleA);
    plan.AddItem(1, Word(120).data(), &cycleB);
    EXPECT_EQ(cycleA.RefCount(), 2);
    EXPECT_EQ(cycleB.RefCount(), 1);

    second->SetLink(&cycleB);
    second->SetLink(&cycleB);
    EXPECT_EQ(cycleA.RefCount(), 1);
    EXPECT_EQ(cycleB.RefCount(), 2);

    EXPECT_EQ(plan.Remove(first), 0);
    EXPECT_EQ(cycleA.RefCount(), 0);
    plan.Delete(0);
    EXPECT_EQ(cycleB.RefCount(), 1);
    EXPECT_EQ(plan.IndexOf(first), -1);
    EXPECT_THROW(plan.Delete(1), EListError);
  }
  EXPECT_EQ(cycleB.RefCount(), 0);  // destroying the plan released its items

  cycleA.Release();
  EXPECT_EQ(cycleA.RefCount(), 0);
  cycleA.AddRef();
  cycleA.Release();
  cycleA.Release();
  EXPECT_EQ(cycleA.RefCount(), 0);
}

TEST(LinkedObjsTest, RefusedItemsTakeNoReference) {
  TLinkedObject cycle("cycle");
  TLinkedObject noItems("plain");
  EXPECT_EQ(noItems.Items(), nullptr);
  EXPECT_EQ(noItems.AddItem(-1, nullptr, &cycle), nullptr);
  EXPECT_EQ(noItems.Count(), 0);
  EXPECT_EQ(noItems.Last(), nullptr);
  EXPECT_EQ(noItems.IndexOf(nullptr), -1);
  EXPECT_THROW(noItems.Item(0), EListError);

  TPickyPlan picky;
  EXPECT_EQ(picky.AddItem(-1, nullptr, &cycle), nullptr);
  TLinkedObject plan("plan", &itemClassOf<TWordItem>());
  EXPECT_THROW(plan.AddItem(-2, nullptr, &cycle), EListError);
  EXPECT_EQ(cycle.RefCount(), 0);
  EXPECT_EQ(plan.Count(), 0);
}

TEST(LinkedObjsTest, AssignCopiesItemsAsNewItemsWithTheSameLinks) {
  TLinkedObject cycleA("A"), cycleB("B"), old("old");
  auto source = std::make_unique<TLinkedObject>("source", &itemClassOf<TFlaggedItem>());
  static_cast<TFlaggedItem*>(source->AddItem(-1, Word(10).data(), &cycleA))->flag = true;
  source->AddItem(0, Word(20).data(), &cycleB);
  source->AddItem(1, Word(30).data(), &cycleA);
  source->AddRef();

  TLinkedObject target("target", &itemClassOf<TWordItem>());
  target.AddItem(-1, Word(1).data(), &old);
  target.AddRef();
  target.AddRef();
  target.Assign(source.get());

  EXPECT_EQ(target.Name(), "source");
  EXPECT_EQ(target.ItemClass(), &itemClassOf<TFlaggedItem>());
  EXPECT_EQ(Words(target), (std::vector<uint16_t>{10, 20, 30}));
  EXPECT_EQ(target.RefCount(), 2);  // still what links to target
  EXPECT_EQ(cycleA.RefCount(), 4);
  EXPECT_EQ(cycleB.RefCount(), 2);
  EXPECT_EQ(old.RefCount(), 0);
  for (int i = 0; i < 3; ++i) {
    EXPECT_NE(target.Item(i), source->Item(i));
    EXPECT_EQ(target.Item(i)->Link(), source->Item(i)->Link());
  }
  EXPECT_TRUE(static_cast<TFlaggedItem*>(target.Item(0))->flag);
  EXPECT_FALSE(static_cast<TFlaggedItem*>(target.Item(1))->flag);

  source.reset();  // the copies must survive their originals
  EXPECT_EQ(cycleA.RefCount(), 2);
  EXPECT_EQ(Words(target), (std::vector<uint16_t>{10, 20, 30}));

  target.Assign(&target);
  EXPECT_EQ(Words(target), (std::vector<uint16_t>{10, 20, 30}));
  EXPECT_EQ(cycleA.RefCount(), 2);

  TLinkedObject plain("plain");
  target.Assign(&plain);
  EXPECT_EQ(target.Items(), nullptr);
  EXPECT_EQ(cycleA.RefCount(), 0);
  EXPECT_EQ(cycleB.RefCount(), 0);
}

TEST(LinkedObjsTest, AssignFromNothingIsRefused) {
  TLinkedObject cycle("cycle");
  TPickyPlan plan;
  plan.AddItem(0, Word(5).data(), &cycle);
  try {
    plan.Assign(nullptr);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Не могу значение nil присвоить TPickyPlan");
  }
  EXPECT_EQ(plan.Name(), "picky");
  EXPECT_EQ(plan.Count(), 1);
  EXPECT_EQ(cycle.RefCount(), 1);
}

}  // namespace
}  // namespace lir
