#include "model/TrendKinds.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace lir {
namespace {

// "кжз" → the slot set, from the letters as the grid shows them.
TSlotSet lamps(const std::string& letters) {
  static const std::map<std::string, int> slots = {{"к", 0}, {"ж", 1}, {"з", 2}, {"л", 3},
                                                   {"в", 4}, {"п", 5}, {"н", 6}};
  TSlotSet set = 0;
  for (std::size_t i = 0; i < letters.size(); i += 2) set |= SlotBit(slots.at(letters.substr(i, 2)));
  return set;
}

TSignalStateSet states(std::initializer_list<int> list) {
  TSignalStateSet set = 0;
  for (int s : list) set |= SignalStateBit(s);
  return set;
}

TEST(TrendKindsTest, SlotLabels) {
  EXPECT_EQ(lamps("кжзлвпн"), 0x7F);
  const char* const labels[] = {"к", "ж", "з", "л", "в", "п", "н"};
  for (int s = 0; s < kSlotCount; ++s) EXPECT_EQ(std::string(SlotLabel(s)), labels[s]);
  EXPECT_EQ(std::string(SlotLabel(7)), "");
}

TEST(TrendKindsTest, EveryKindHasItsRowOfTheKindTable) {
  using C = TGroupClass;
  const std::vector<int> all = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  struct Row {
    const char* Suffix;
    TGroupClass Class;
    TSignalStateSet States;
    const char* Slots;
    const char* Auto;
    bool Red, Green, Grid, Phase;
  };
  const Row rows[kTrendKindCount] = {
      {"Т", C::Transport, 0x0FFF, "кжз", "кжз", true, true, true, true},
      {"П", C::Walkman, states({0, 1, 2, 4, 5, 6, 8, 9, 11}), "кз", "кз", false, true, true, true},
      {"Пм", C::WalkmanGB, states({0, 1, 2, 4, 5, 6, 8, 9, 11}), "кз", "кз", false, true, true, true},
      {"С", C::Arrow, states({0, 1, 2, 4, 5, 6, 8, 11}), "кз", "з", true, true, true, true},
      {"Тл", C::Tram, states({0, 1, 4, 5, 6, 8, 11}), "лн", "лн", false, true, true, true},
      {"Тв", C::Tram, states({0, 1, 4, 5, 6, 8, 11}), "вн", "вн", false, true, true, true},
      {"Тп", C::Tram, states({0, 1, 4, 5, 6, 8, 11}), "пн", "пн", false, true, true, true},
      {"", C::Tram, states({0, 1, 4, 5, 6, 8, 9, 11}), "лвп", "лвп", false, false, false, false},
      {"ТВП", C::Call, states({0, 1, 4, 5, 6, 8, 11}), "жз", "жз", false, false, true, false},
      {"См", C::ArrowGB, states({0, 1, 2, 4, 5, 6, 8, 11}), "кз", "з", true, true, true, true},
      {"Р", C::Reverse2, states({0, 1, 4, 5, 6, 8, 11}), "кз", "кз", true, true, true, true},
      {"Рж", C::Reverse3, states({0, 1, 3, 4, 5, 6, 8, 11}), "кжз", "кжз", true, true, true, true},
      {"СВ", C::LedLight, states({0, 1, 2, 4, 5, 6, 8, 11}), "з", "з", false, false, true, true},
  };
  for (int kind = 0; kind < kTrendKindCount; ++kind) {
    SCOPED_TRACE(kind);
    const Row& row = rows[kind];
    const TTrendKindInfo& info = TrendKindInfo(kind);
    EXPECT_EQ(std::string(info.Suffix), row.Suffix);
    EXPECT_EQ(info.Class, row.Class);
    EXPECT_EQ(info.States, row.States);
    EXPECT_EQ(info.Slots, lamps(row.Slots));
    EXPECT_EQ(info.AutoSlots, lamps(row.Auto));
    EXPECT_EQ(info.RedMonitor, row.Red);
    EXPECT_EQ(info.GreenMonitor, row.Green);
    EXPECT_EQ(info.Grid, row.Grid);
    EXPECT_EQ(info.Phase, row.Phase);
    // Tram directions watch their lower lamp, every other kind its з.
    EXPECT_EQ(info.GreenLampSlot, kind >= 4 && kind <= 6 ? osTramLower : osGreen);
  }
  EXPECT_THROW(TrendKindInfo(13), std::out_of_range);
  EXPECT_THROW(TrendKindInfo(-1), std::out_of_range);
}

TEST(TrendKindsTest, LampsLitPerSignalState) {
  struct Row {
    std::vector<int> Kinds;
    const char* Lit[kSignalStateCount];
  };
  const Row rows[] = {
      {{0, 11}, {"з", "з", "з", "ж", "к", "к", "к", "кж", "з", "к", "ж", ""}},
      {{1, 2, 10}, {"з", "з", "з", "", "к", "к", "к", "", "з", "к", "", ""}},
      {{3}, {"з", "з", "з", "", "к", "к", "к", "", "з", "", "", ""}},
      {{4}, {"лн", "лн", "", "", "", "", "", "", "лн", "", "", ""}},
      {{5}, {"вн", "вн", "", "", "", "", "", "", "вн", "", "", ""}},
      {{6}, {"пн", "пн", "", "", "", "", "", "", "пн", "", "", ""}},
      {{7}, {"лвп", "лвп", "", "", "", "", "", "", "лвп", "лвп", "", ""}},
      {{8}, {"з", "з", "з", "ж", "", "", "", "", "", "", "", ""}},
      {{9}, {"з", "з", "з", "", "", "", "", "", "з", "", "", ""}},
      {{12}, {"з", "з", "", "", "", "", "", "", "з", "", "", ""}},
  };
  int covered = 0;
  for (const Row& row : rows) {
    for (int kind : row.Kinds) {
      ++covered;
      for (int s = 0; s < kSignalStateCount; ++s) {
        EXPECT_EQ(TrendKindInfo(kind).Lit[s], lamps(row.Lit[s])) << "kind " << kind << " state " << s;
      }
    }
  }
  EXPECT_EQ(covered, kTrendKindCount);
}

TEST(TrendKindsTest, BlinkingLampsAreLitAndOnlyWhereListed) {
  // kind → state → blinking lamps; every other pair blinks nothing.
  const std::map<int, std::map<int, std::string>> blinking = {
      {0, {{2, "з"}, {10, "ж"}}},
      {1, {{2, "з"}}},
      {3, {{2, "з"}}},
      {2, {{0, "з"}, {1, "з"}, {2, "з"}, {8, "з"}}},
      {9, {{0, "з"}, {1, "з"}, {2, "з"}, {8, "з"}}},
  };
  for (int kind = 0; kind < kTrendKindCount; ++kind) {
    for (int s = 0; s < kSignalStateCount; ++s) {
      std::string expected;
      if (auto k = blinking.find(kind); k != blinking.end()) {
        if (auto e = k->second.find(s); e != k->second.end()) expected = e->second;
      }
      const TTrendKindInfo& info = TrendKindInfo(kind);
      EXPECT_EQ(info.Blinking[s], lamps(expected)) << "kind " << kind << " state " << s;
      EXPECT_EQ(info.Blinking[s] & ~info.Lit[s], 0) << "kind " << kind << " state " << s;
    }
  }
}

TEST(TrendKindsTest, GroupClassesWithNamesTagsAndTrendKinds) {
  struct Row {
    TGroupClass Class;
    const char* Name;
    int MenuTag;
    int TypeId;
    std::vector<int> Kinds;
  };
  using C = TGroupClass;
  const Row rows[] = {
      {C::Transport, "Транспортное", 0, 0, {0}},    {C::Walkman, "Пешеходное", 10, 1, {1}},
      {C::WalkmanGB, "Пешеходное ЗМ", 20, 2, {2}},  {C::Arrow, "Стрелка", 30, 3, {3}},
      {C::Tram, "Трамвай", 40, 4, {4, 5, 6, 7}},    {C::Call, "ТВП", 50, 5, {8}},
      {C::ArrowGB, "Стрелка ЗМ", 35, 6, {9}},       {C::Reverse2, "Реверсивное", 60, 7, {10}},
      {C::Reverse3, "Реверсивное с желтым", 65, 8, {11}}, {C::LedLight, "Светильник", 70, 9, {12}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.Name);
    const TGroupClassInfo& info = GroupClassInfo(row.Class);
    EXPECT_EQ(std::string(info.Name), row.Name);
    EXPECT_EQ(info.MenuTag, row.MenuTag);
    EXPECT_EQ(static_cast<int>(row.Class), row.TypeId);
    TTrendKindSet kinds = 0;
    for (int k : row.Kinds) kinds |= TrendKindBit(k);
    EXPECT_EQ(info.TrendKinds, kinds);
    // Each kind belongs to the class that creates it.
    for (int k : row.Kinds) EXPECT_EQ(TrendKindInfo(k).Class, row.Class) << k;
  }
}

TEST(TrendKindsTest, PhaseGridClicksCycleThroughEachClassesStates) {
  using C = TGroupClass;
  struct Row {
    TGroupClass Class;
    std::vector<TPhaseState> Cycle;
  };
  const Row rows[] = {
      {C::Transport, {psGreen, psRed}},
      {C::Tram, {psGreen, psRed}},
      {C::Call, {psGreen, psRed}},
      {C::Reverse2, {psGreen, psRed}},
      {C::LedLight, {psGreen, psRed}},
      {C::Walkman, {psGreen, psGreenBlinking, psRed}},
      {C::WalkmanGB, {psGreenBlinking, psRed}},
      {C::Arrow, {psGreen, psGreenBlinking, psOff, psRed}},
      {C::ArrowGB, {psGreenBlinking, psOff, psRed}},
      {C::Reverse3, {psGreen, psYellow, psRed}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(GroupClassInfo(row.Class).Name);
    for (int p = 0; p < kPhaseStateCount; ++p) {
      const auto state = static_cast<TPhaseState>(p);
      TPhaseState expected = state;  // off the cycle: stays
      for (std::size_t i = 0; i < row.Cycle.size(); ++i) {
        if (row.Cycle[i] == state) expected = row.Cycle[(i + 1) % row.Cycle.size()];
      }
      EXPECT_EQ(NextPhaseState(row.Class, state), expected) << p;
    }
  }
}

TEST(TrendKindsTest, MenuTagsChooseTheirClassAndUnknownTagsAVehicleGroup) {
  EXPECT_EQ(GroupClassOfMenuTag(40), TGroupClass::Tram);
  EXPECT_EQ(GroupClassOfMenuTag(35), TGroupClass::ArrowGB);
  EXPECT_EQ(GroupClassOfMenuTag(50), TGroupClass::Call);
  EXPECT_EQ(GroupClassOfMenuTag(5), TGroupClass::Transport);
  EXPECT_EQ(GroupClassOfMenuTag(-1), TGroupClass::Transport);
  // The add menu offers every class but the call group, each by its own tag.
  ASSERT_EQ(kAddGroupMenu.size(), 9u);
  EXPECT_EQ(std::string(kAddGroupMenu[5].Caption), "Трамвайное");
  for (const TAddGroupMenuEntry& entry : kAddGroupMenu) {
    const TGroupClass cls = GroupClassOfMenuTag(entry.MenuTag);
    EXPECT_NE(cls, TGroupClass::Call);
    EXPECT_EQ(GroupClassInfo(cls).MenuTag, entry.MenuTag) << entry.Caption;
  }
}

}  // namespace
}  // namespace lir
