#include "model/SignalStates.h"

#include <gtest/gtest.h>

#include <string>

namespace lir {
namespace {

TEST(SignalStatesTest, SignalStatesHaveTheirNamesByNumber) {
  const char* const names[] = {
      "Зеленый",
      "Доп. зеленый",
      "Зеленый мигающий",
      "Желтый",
      "Опережающий красный",
      "Красный",
      "Доп. красный",
      "Красный с желтым",
      "Опережающий зеленый",
      "Все красные",
      "ЖМ (желтое мигание)",
      "ОС (отключенное состояние)",
  };
  for (int s = 0; s < kSignalStateCount; ++s) EXPECT_EQ(std::string(SignalStateName(s)), names[s]) << s;
  EXPECT_EQ(std::string(SignalStateName(-1)), "");
  EXPECT_EQ(std::string(SignalStateName(12)), "");
}

TEST(SignalStatesTest, PhaseStatesAreOpenOnlyForGreenAndShowTheirSteadySignal) {
  struct Row {
    TPhaseState State;
    bool Open;
    int Steady;
    const char* Name;
  };
  const Row rows[] = {
      {psGreen, true, 1, "Зеленый"},
      {psGreenBlinking, true, 2, "Зеленый мигающий"},
      {psRed, false, 6, "Красный"},
      {psYellow, false, 3, "Желтый"},
      {psYellowFlashing, false, 10, "ЖМ (желтое мигание)"},
      {psOff, false, 11, "ОС (отключенное состояние)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.State));
    EXPECT_EQ(IsOpenPhaseState(row.State), row.Open);
    EXPECT_EQ(static_cast<int>(SteadySignalState(row.State)), row.Steady);
    EXPECT_EQ(std::string(PhaseStateName(row.State)), row.Name);
  }
  EXPECT_EQ(std::string(PhaseStateName(6)), "");
}

}  // namespace
}  // namespace lir
