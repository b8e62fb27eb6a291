#pragma once
// The device kinds the main window can hold: one project of the main controller
// family, or the settings of one of the side devices. Everything the window
// shows or proposes per kind lives in one table, so adding a kind or changing a
// text never means hunting through branches.

#include <cstdint>
#include <span>
#include <string_view>

namespace lir {

// The value is stored as the settings key DevType, so the numbers never change.
enum class DeviceKind : std::uint8_t {
  MainController = 0,
  AudibleSignal = 1,
  PedestrianSound = 2,
  GsmModule = 3,
  GprsModule = 4,
  CommController = 5,
  DetectorBlock = 6,
  StartLights = 7,
  AudibleSignalM = 8,
  TransportDisplay = 9,
  MeterController = 10,
  UpsController = 11,
  MainControllerLov = 12,  // models with InternalID 15 and 16
  MainController19 = 13,   // the model with InternalID 19
  SoundInformer = 14,
};

inline constexpr int kDeviceKindCount = 15;

enum class TDeviceFamily : std::uint8_t {
  MainController,  // kinds 0, 12, 13: a project of controllers and plans
  AudibleSignal,   // kinds 1, 2, 8, 9, 14: one audible-signal device object
  Module,          // the other kinds: one module device with its own pages
};

// What the Save As dialog proposes as the file name.
enum class TSaveAsNameRule : std::uint8_t {
  None,               // the kind saves nothing
  ProjectName,        // trimmed and cleaned project name, only without a current path
  FixedName,          // TDeviceKindInfo::fixedFileName, only without a current path
  ObjectName,         // cleaned device object name, only without a current path
  ObjectNameAlways,   // cleaned device object name, also over a current path
};

struct TDeviceKindInfo {
  DeviceKind kind;
  std::string_view menuEntry;   // entry of the New menu; empty for the controller kinds (their models fill the menu)
  bool menuEntryHidden;         // the entry exists but is never shown
  std::string_view titleWord;   // empty for kind 9
  std::string_view extension;   // project file extension with its dot; empty when the kind has no project file
  std::string_view saveFilter;  // save dialog filter; empty when the kind has no project file
  TDeviceFamily family;
  bool fileOperationsDisabled;  // open, save, save as and the device operations
  TSaveAsNameRule saveAsName;
  std::string_view fixedFileName;  // for TSaveAsNameRule::FixedName
};

// Every kind, in the order of its value.
std::span<const TDeviceKindInfo> deviceKinds();
const TDeviceKindInfo& deviceKindInfo(DeviceKind kind);

// False for any number outside 0..14 (e.g. a DevType edited by hand).
bool isDeviceKind(int value);

inline bool isMainControllerKind(DeviceKind kind) {
  return deviceKindInfo(kind).family == TDeviceFamily::MainController;
}
inline bool isAudibleSignalKind(DeviceKind kind) {
  return deviceKindInfo(kind).family == TDeviceFamily::AudibleSignal;
}
inline bool isModuleKind(DeviceKind kind) { return deviceKindInfo(kind).family == TDeviceFamily::Module; }

// The caption of the main window's message boxes.
std::string_view applicationTitle(DeviceKind kind);

// The kind a new project takes when the user picks a controller model: some
// models need their own variant of the main window.
DeviceKind deviceKindForModel(int internalId);

}  // namespace lir
