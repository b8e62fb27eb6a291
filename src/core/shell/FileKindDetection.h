#pragma once
// Which reader an opened file goes to: first by its extension, then by its
// first bytes. The states keep the numbers they have always had, since the
// readers' and the window's code speak of them.

#include <string>
#include <string_view>

#include "shell/DeviceKinds.h"

namespace lir {

enum class TFileState : int {
  None = 0,
  ControllerProject = 1,      // ".lir" or the project signature at bytes 4..6
  ControllerConfig = 2,       // ".l0": a configuration file, not a project
  AudibleProject = 3,         // "WEZ"
  PedestrianProject = 4,      // "WE2"
  AudibleImage = 5,           // "WEZs" at byte 1
  PedestrianImage = 6,        // "PEDs" at byte 1
  AudibleMProject = 7,        // "WEM"
  AudibleMImage = 8,          // "WEZm" at byte 1
  GsmProject = 9,             // ".nav" or "nav"
  GsmImage = 10,              // ".n0" or "NAV1"
  GprsProject = 11,           // ".pel" or "PEL1"
  CommProject = 12,           // ".hrz" or "HRZ1"
  MeterProject = 16,          // ".yrs"
  SoundInformerProject = 17,  // "VN5"
};

// How a device reads the file: as its project file or as the configuration
// image that goes into the device.
enum class TReaderRole : unsigned char { Project, Image };

// The lower-case extension of the path's last component with its dot; empty
// when the name has none.
std::string lowerCaseExtension(std::string_view path);

// The extension decides first; any other file needs its first 7 bytes.
TFileState detectFileState(std::string_view path, std::string_view bytes);

struct TFileKind {
  TFileState state = TFileState::None;
  DeviceKind kind = DeviceKind::MainController;
  TReaderRole role = TReaderRole::Project;
  // After reading, the project keeps the file as its current path. A
  // configuration image does not: Save would write a project into it.
  bool keepsPath = true;
  // After reading, the file joins the recent list.
  bool joinsRecentList = true;
  // Not empty: the file cannot be opened, for this reason; kind and role then
  // mean nothing and the window keeps its kind.
  std::string refusal;

  bool ok() const { return refusal.empty(); }
};

TFileKind fileKindForState(TFileState state);

inline TFileKind detectFileKind(std::string_view path, std::string_view bytes) {
  return fileKindForState(detectFileState(path, bytes));
}

}  // namespace lir
