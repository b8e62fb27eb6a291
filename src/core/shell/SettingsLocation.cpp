#include "shell/SettingsLocation.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "common/ProgramFolder.h"
#include "shell/RecentList.h"

namespace lir {
namespace {

constexpr const char* kVendorFolder = "Velmira Ltd";
constexpr const char* kProgramFolderName = "LIR";

std::string environmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string accountHome() {
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
      !found->pw_dir) {
    return {};
  }
  return found->pw_dir;
}

bool isAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

}  // namespace

std::string settingsFilePath(const std::string& programFolder, const TSettingsEnvironment& env,
                             const std::function<bool(const std::string&)>& fileExists) {
  const std::string portable = joinPath(programFolder, kSettingsFileName);
  if (fileExists(portable)) return portable;
  // A relative $XDG_CONFIG_HOME is meant to be ignored: it would depend on the
  // folder the program happens to be started from.
  std::string config;
  if (isAbsolute(env.xdgConfigHome)) {
    config = env.xdgConfigHome;
  } else if (isAbsolute(env.home)) {
    config = joinPath(env.home, ".config");
  } else {
    return portable;
  }
  return joinPath(joinPath(joinPath(config, kVendorFolder), kProgramFolderName),
                  kSettingsFileName);
}

TSettingsEnvironment currentSettingsEnvironment() {
  TSettingsEnvironment env;
  env.xdgConfigHome = environmentValue("XDG_CONFIG_HOME");
  env.home = environmentValue("HOME");
  if (env.home.empty()) env.home = accountHome();
  return env;
}

std::string createSettingsFolder(const std::string& settingsFile) {
  const std::filesystem::path folder = std::filesystem::path(settingsFile).parent_path();
  if (folder.empty()) return {};
  // Each missing folder on the way down, so that only the folders made here get
  // the private mode and existing ones keep theirs.
  std::filesystem::path partial;
  for (const auto& part : folder) {
    partial /= part;
    if (::mkdir(partial.c_str(), 0700) == 0 || errno == EEXIST) continue;
    const int reason = errno;
    // Some file systems answer another error for a folder that exists.
    std::error_code ec;
    if (std::filesystem::is_directory(partial, ec)) continue;
    return std::strerror(reason);
  }
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return std::strerror(ENOTDIR);
  return {};
}

std::string prepareSettingsFile() {
  const std::string path =
      settingsFilePath(programFolder(), currentSettingsEnvironment(), pathExists);
  createSettingsFolder(path);
  return path;
}

}  // namespace lir
