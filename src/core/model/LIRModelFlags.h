#pragma once
// Feature bits of a controller model (TLIRModel::Flags). Bits not named here
// carry no meaning for the configurator.

#include <cstdint>

namespace lir {

enum TLIRModelFlag : std::uint32_t {
  // Lamp heating by pulse-width modulation: "Все светофоры — ламповые" may be set.
  mfPwmLampHeating = 0x00001,
  // Several week plans and year-plan items.
  mfYearPlan = 0x00002,
  // Management-system logic "Велмира АСУДД-ВМ".
  mfAsuddVmSystem = 0x00004,
  // Up to three controllers of one family in a project.
  mfSeveralControllers = 0x00008,
  mfSeasonTimeSwitchOff = 0x00010,
  mfRememberDispatcherBit = 0x00020,
  mfManagementFilterSwitchOff = 0x00040,
  mfUniversalTransitions = 0x00080,
  mfSpecialPhases = 0x00100,
  mfRelativeDayPlanTime = 0x00800,
  // Management-system logic "АСС-УД (Омск)".
  mfAssUdSystem = 0x01000,
  mfExtendedYearPlan = 0x02000,
  // Pedestrian calls (ТВП) while the extended year plan is on.
  mfCallsWithExtendedYearPlan = 0x04000,
  mfAdaptiveControl = 0x08000,
  // A further management-system logic; only makes the management settings appear.
  mfFurtherManagementSystem = 0x10000,
};

}  // namespace lir
