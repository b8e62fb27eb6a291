#pragma once
// Where the settings file "LIR-3.ini" lives.
//
// A per-user file in the user's configuration folder, created at the first
// start: an installed program's folder is not writable, and settings kept there
// would be lost without a word. A program folder that already holds a
// "LIR-3.ini" is a portable install and keeps its file beside the program.

#include <functional>
#include <string>

namespace lir {

inline constexpr const char* kSettingsFileName = "LIR-3.ini";

// The environment values the location depends on.
struct TSettingsEnvironment {
  std::string xdgConfigHome;  // $XDG_CONFIG_HOME, empty when unset
  std::string home;           // $HOME, else the home folder of the user's account
};

// The portable file when the program folder holds one; else
// <config>/Velmira Ltd/LIR/LIR-3.ini with <config> the absolute
// $XDG_CONFIG_HOME, else $HOME/.config; beside the program when neither is known.
std::string settingsFilePath(const std::string& programFolder, const TSettingsEnvironment& env,
                             const std::function<bool(const std::string&)>& fileExists);

// The process's own values.
TSettingsEnvironment currentSettingsEnvironment();

// Creates the folders of the settings file that are missing, readable by the
// user alone. Answers an empty text or the system's reason.
std::string createSettingsFolder(const std::string& settingsFile);

// The settings file of this process, its folder created when missing. Failing
// to create it is not reported: saves into it then fail, and that is ignored.
std::string prepareSettingsFile();

}  // namespace lir
