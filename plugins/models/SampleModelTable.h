#pragma once
// The sample controller models shipped with the configurator, one row per
// plug-in file. Texts are UTF-8 here; the plug-in hands them out in
// Windows-1251 like any other plug-in.
//
// Outputs are generated from the row:
// - description: OutputPrefix and the 1-based number ("Выход 1");
// - lamp monitoring: CtlPattern is a string of GetOutputCtlOptions digits
//   repeated over the outputs (1 red, 2 green, 3 both, 4 further capability,
//   0 plain);
// - mask: a composite model is three controllers of BoardOutputs outputs each,
//   so output i has bit i mod BoardOutputs, and any output beyond the three
//   boards takes the bits after BoardOutputs; a plain model has BoardOutputs
//   32 and output i simply has bit i.

#include <cstdint>
#include <string_view>

#include "model/LIRModelFlags.h"

namespace lir::samples {

struct TSampleModelRow {
  std::string_view Key;  // the file name without ".zml"
  std::int32_t InternalID;
  std::uint8_t Revision;
  std::uint8_t Family;
  const char* Description;
  const char* FamilyName;
  std::uint32_t Flags;
  std::int32_t MaxRAMSize;
  std::int32_t MaxDayplanItems;
  std::int32_t MaxYearplanItems;
  std::int32_t MaxWorkCycles;
  std::uint8_t OutputCount;
  std::uint8_t InputCount;
  const char* CtlPattern;
  std::uint8_t BoardOutputs;
  const char* OutputPrefix;
};

constexpr std::uint32_t kBaseNetworked = mfYearPlan | mfSeasonTimeSwitchOff | mfAsuddVmSystem;
constexpr std::uint32_t kFullTransitions = mfUniversalTransitions | mfSpecialPhases;
constexpr std::uint32_t kDispatcher = mfRememberDispatcherBit | mfManagementFilterSwitchOff;
constexpr std::uint32_t kExtendedPlans = mfExtendedYearPlan | mfCallsWithExtendedYearPlan | mfRelativeDayPlanTime;

constexpr const char* kFamily3 = "ЛИР-3";
constexpr const char* kFamily4 = "ЛИР-3 адаптивные";
constexpr const char* kFamily6 = "ЛИР-3 для АСУДД";
constexpr const char* kFamily7 = "ЛИР-3С";
constexpr const char* kFamily9 = "ЛИР-3 с выносными блоками";

inline constexpr TSampleModelRow kSampleModels[] = {
    // Family 3: the controllers of the basic line, from the oldest one without
    // any feature to the composite ones.
    {"lir31", 11, 1, 3, "ЛИР-3.1", kFamily3, 0,
     2048, 16, 1, 4, 8, 0, "0", 32, "Выход"},
    {"lir31m", 12, 2, 3, "ЛИР-3.1М", kFamily3, kBaseNetworked | mfSeveralControllers,
     4096, 24, 16, 8, 12, 1, "102", 32, "Выход"},
    {"lir32n", 13, 3, 3, "ЛИР-3.2Н", kFamily3, kBaseNetworked | mfSeveralControllers | kDispatcher | kFullTransitions,
     8192, 48, 32, 16, 16, 2, "102", 32, "Выход"},
    {"lir32nm", 23, 23, 3, "ЛИР-3.2НМ", kFamily3,
     kBaseNetworked | mfSeveralControllers | kFullTransitions | mfRelativeDayPlanTime,
     8192, 84, 63, 32, 16, 1, "1024", 32, "Выход"},
    {"lir33n", 14, 4, 3, "ЛИР-3.3Н", kFamily3,
     kBaseNetworked | mfSeveralControllers | kDispatcher | kFullTransitions | mfPwmLampHeating | kExtendedPlans,
     16384, 64, 63, 32, 24, 2, "3", 32, "Выход"},
    // Three ЛИР-3.2Н boards of 16 outputs.
    {"lir34n", 18, 8, 3, "ЛИР-3.4Н", kFamily3, kBaseNetworked | kDispatcher | kFullTransitions,
     24576, 48, 32, 16, 48, 2, "102", 16, "Выход"},
    // A description that already names its outputs keeps its menu caption.
    {"lir35", 17, 7, 3, "ЛИР-3.5 (32 вых.)", kFamily3,
     mfYearPlan | mfSeasonTimeSwitchOff | mfPwmLampHeating | mfAssUdSystem,
     16384, 64, 48, 24, 32, 1, "1020", 32, "Выход"},
    // Three boards of 21 outputs and one extra output.
    {"lir36n", 20, 10, 3, "ЛИР-3.6Н", kFamily3,
     kBaseNetworked | kDispatcher | kFullTransitions | mfPwmLampHeating | kExtendedPlans | mfAdaptiveControl,
     49152, 84, 63, 64, 64, 2, "3", 21, "Выход"},

    // Family 4: adaptive control, reported to "АСС-УД (Омск)".
    {"lir32a", 21, 21, 4, "ЛИР-3.2А", kFamily4,
     mfYearPlan | mfSeasonTimeSwitchOff | mfAdaptiveControl | mfAssUdSystem | mfSeveralControllers,
     16384, 48, 32, 16, 16, 1, "102", 32, "Выход"},
    {"lir33a", 22, 22, 4, "ЛИР-3.3А", kFamily4,
     mfYearPlan | mfSeasonTimeSwitchOff | mfAdaptiveControl | mfAssUdSystem | mfSeveralControllers |
         mfExtendedYearPlan | mfCallsWithExtendedYearPlan | mfUniversalTransitions,
     32768, 64, 63, 32, 24, 2, "3", 32, "Выход"},

    // Family 6: controllers for the management systems.
    {"lir32u", 24, 24, 6, "ЛИР-3.2У", kFamily6, mfYearPlan | mfSeasonTimeSwitchOff | mfAssUdSystem | kDispatcher,
     8192, 48, 32, 16, 16, 1, "102", 32, "Выход"},
    // Its only management system is the further one.
    {"lir33u", 25, 25, 6, "ЛИР-3.3У", kFamily6,
     mfYearPlan | mfSeasonTimeSwitchOff | mfFurtherManagementSystem | kDispatcher | mfSeveralControllers,
     16384, 64, 63, 32, 24, 0, "1020", 32, "Выход"},

    // Family 7: alone in its family, with its own main-window variant.
    {"lir38s", 19, 19, 7, "ЛИР-3.8С", kFamily7,
     kBaseNetworked | kFullTransitions | mfPwmLampHeating,
     32768, 64, 63, 32, 32, 2, "102", 32, "Выход"},

    // Family 9: signal heads driven through output blocks.
    {"lir39pra", 10, 9, 9, "ЛИР-3.9 ПРА", kFamily9, kBaseNetworked | kFullTransitions,
     16384, 48, 32, 16, 32, 1, "7", 32, "Выход"},
    {"lov1", 15, 14, 9, "ЛОВ-1", kFamily9, mfYearPlan | mfSeasonTimeSwitchOff | kFullTransitions,
     2048, 24, 16, 8, 24, 1, "5", 32, "Канал"},
    {"lov2", 16, 13, 9, "ЛОВ-2", kFamily9,
     mfYearPlan | mfSeasonTimeSwitchOff | kFullTransitions | mfRelativeDayPlanTime,
     2048, 24, 16, 8, 32, 2, "6", 32, "Канал"},
};

constexpr const TSampleModelRow& FindSampleModel(std::string_view key) {
  for (const TSampleModelRow& row : kSampleModels) {
    if (row.Key == key) return row;
  }
  throw "no sample model with this key";  // a compile-time error where it is used
}

}  // namespace lir::samples
