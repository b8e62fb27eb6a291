#pragma once
// The pages of the main window and which of their buttons the second toolbar
// shows for a device kind and the state of the project.

#include <string>
#include <vector>

#include "model/ProjectOptions.h"

namespace lir {

class TLIRModel;

// The tag of each page; the add and delete actions and the timing diagram
// dispatch on it, so the numbers of pages 1 to 18 never change.
enum class TNavigationPage : int {
  Controllers = 1,
  SignalGroups = 2,
  WorkPhases = 3,
  WorkCycles = 4,
  DayPlans = 5,
  WeekPlans = 6,
  YearPlan = 7,
  SpecialPhases = 8,
  Call1 = 9,
  Call2 = 10,
  // The audible-signal devices.
  Device = 11,
  DeviceDayPlans = 12,
  DeviceWeekPlans = 13,
  DeviceYearPlan = 14,
  DeviceHolidays = 15,
  OutputBlocks = 16,
  Programs = 17,  // the work cycles while the extended year plan is on
  Adaptive = 18,
  // The sound informer and the module devices.
  Sounds = 19,
  SoundProgramsGreen = 20,
  SoundProgramsRed = 21,
  Nav = 22,
  NavMessages = 23,
  Pel = 24,
  Hrz = 25,
  Identifiers = 26,  // ХРЗ and ЯРС
  Ethernet = 27,
  Gprs = 28,
  Zin = 29,
  Zhlm = 30,
  Yrs = 31,
  Relz = 32,
  // Further pages of a main-controller project.
  StreetLight = 39,
  SmartLights = 40,
};

// What the project tells about itself beyond its options and model. The
// defaults are those of a project that has none of these things.
struct TNavigationState {
  TProjectOptions Options = kNewProjectOptions;
  const TLIRModel* FirstModel = nullptr;  // null while there is no controller
  int YearPlanItemCount = 0;
  bool SpecialPhasesExist = false;
  bool Call1Linked = false;  // the ТВП1 list has a call group
  bool Call2Linked = false;
  bool AdaptiveDetectorsExist = false;
};

// The buttons shown for the device kind, left to right; the first is the page
// the kind opens on. Empty for a number that is no device kind.
std::vector<TNavigationPage> visibleNavigationButtons(int deviceKind, const TNavigationState& state);

// The page a button leads to: «Рабочие циклы» opens the programs while the
// extended year plan is on.
TNavigationPage navigationTarget(TNavigationPage button, TProjectOptions options);

// The caption of a page's button; the audible-signal device page is named
// after the device of the kind.
std::string navigationCaption(TNavigationPage page, int deviceKind);

}  // namespace lir
