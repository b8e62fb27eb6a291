#pragma once
// The main window's settings in the section "General" of the settings file, and
// its recent files in the section "Recent". They are read once when the main
// window is created and written once when it goes.

#include <functional>
#include <string>

#include "common/IniFile.h"
#include "shell/RecentList.h"
#include "shell/WindowBounds.h"

namespace lir {

// Values the main window knows only at run time and that stand in for missing keys.
struct TAppSettingsDefaults {
  std::string programFolder;
  int timeLineHeight = 0;  // the timing-diagram box's height as laid out
  TWindowRect bounds;      // the window's bounds as laid out
};

class TAppSettings {
 public:
  static constexpr const char* kSection = "General";
  static constexpr const char* kTemplatesFolderName = "Шаблоны перекрестков";
  static constexpr int kMaxDeviceKind = 14;

  // Read only: the program never writes these back, so they keep whatever the
  // user put into the file.
  int AllRedTime = 3;  // 1..254
  bool NoAskAboutFix = false;
  bool CanSetDef = false;
  bool Certified = false;

  // Read and written.
  bool CheckAssociation = true;
  int DevType = 0;  // 0..14; anything else starts with the main controller kind
  std::string FileDir;
  std::string SchemeDir;
  std::string LastFirmwareDir;
  bool DefLastFileDir = true;
  bool DefLastSchemeDir = false;
  int TimeLineHeight = 0;  // as stored: the window clamps it (clampTimeLineHeight)
  bool Maximized = false;
  int Left = 0;  // the bounds as stored: the window fits them (fitWindowBounds)
  int Top = 0;
  int Width = 0;
  int Height = 0;

  TRecentList Recent;

  // Every field from the INI, missing or unreadable keys taking their defaults.
  void load(const TIniFile& ini, const TAppSettingsDefaults& defaults);
  // Writes the read-and-written keys and the recent list (only files that still
  // exist); nothing else in the INI changes.
  void save(TIniFile& ini, const std::function<bool(const std::string&)>& fileExists) const;

  TWindowRect bounds() const { return {Left, Top, Width, Height}; }
  void setBounds(const TWindowRect& rect);

  // The folder of scheme pictures shipped with the program.
  static std::string templatesFolder(const std::string& programFolder);
};

// Reads the settings file; a missing file gives the defaults. Answers the reason
// when the file exists but cannot be read (the defaults are then in settings).
std::string loadAppSettings(const std::string& path, const TAppSettingsDefaults& defaults,
                            TAppSettings& settings);
// Reads the file afresh, writes the settings into it and saves it, so that other
// sections and keys, and changes made to them meanwhile, stay as they are. The
// program ignores a failure; the reason is answered for those who care.
std::string saveAppSettings(const std::string& path, const TAppSettings& settings);

}  // namespace lir
