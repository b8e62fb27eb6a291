#include "shell/SettingsLocation.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/shell/TempFolder.h"
#include "shell/AppSettings.h"

namespace lir {
namespace {

struct LocationCase {
  const char* what;
  const char* xdgConfigHome;
  const char* home;
  bool portableFileExists;
  const char* expected;
};

class SettingsFilePathTest : public ::testing::TestWithParam<LocationCase> {};

TEST_P(SettingsFilePathTest, ChoosesTheFile) {
  const LocationCase& c = GetParam();
  std::vector<std::string> asked;
  const auto probe = [&](const std::string& path) {
    asked.push_back(path);
    return c.portableFileExists;
  };
  EXPECT_EQ(settingsFilePath("/opt/lir/", {c.xdgConfigHome, c.home}, probe), c.expected) << c.what;
  // Only the portable file is looked for; the per-user one need not exist yet.
  EXPECT_EQ(asked, (std::vector<std::string>{"/opt/lir/LIR-3.ini"})) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsFilePathTest,
    ::testing::Values(
        LocationCase{"XDG_CONFIG_HOME set", "/x/cfg", "/home/u", false,
                     "/x/cfg/Velmira Ltd/LIR/LIR-3.ini"},
        LocationCase{"XDG_CONFIG_HOME with a trailing slash", "/x/cfg/", "/home/u", false,
                     "/x/cfg/Velmira Ltd/LIR/LIR-3.ini"},
        LocationCase{"XDG_CONFIG_HOME unset", "", "/home/u", false,
                     "/home/u/.config/Velmira Ltd/LIR/LIR-3.ini"},
        LocationCase{"relative XDG_CONFIG_HOME is ignored", "cfg", "/home/u", false,
                     "/home/u/.config/Velmira Ltd/LIR/LIR-3.ini"},
        LocationCase{"no home at all", "", "", false, "/opt/lir/LIR-3.ini"},
        LocationCase{"relative home", "", "home", false, "/opt/lir/LIR-3.ini"},
        LocationCase{"portable install", "/x/cfg", "/home/u", true, "/opt/lir/LIR-3.ini"}),
    [](const auto& info) { return std::to_string(info.index); });

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment {
 public:
  void set(const char* name, const std::string& value) {
    remember(name);
    ::setenv(name, value.c_str(), 1);
  }
  void unset(const char* name) {
    remember(name);
    ::unsetenv(name);
  }
  ~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->second) {
        ::setenv(it->first.c_str(), it->second->c_str(), 1);
      } else {
        ::unsetenv(it->first.c_str());
      }
    }
  }

 private:
  void remember(const char* name) {
    const char* old = std::getenv(name);
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
  }
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(SettingsLocationTest, ProcessEnvironmentIsRead) {
  ScopedEnvironment env;
  env.set("XDG_CONFIG_HOME", "/x/cfg");
  env.set("HOME", "/home/someone");
  TSettingsEnvironment values = currentSettingsEnvironment();
  EXPECT_EQ(values.xdgConfigHome, "/x/cfg");
  EXPECT_EQ(values.home, "/home/someone");
  env.unset("XDG_CONFIG_HOME");
  env.unset("HOME");
  values = currentSettingsEnvironment();
  EXPECT_EQ(values.xdgConfigHome, "");
  EXPECT_FALSE(values.home.empty());  // the account's home folder stands in
}

TEST(SettingsLocationTest, FoldersAreCreatedPrivateAndExistingOnesLeftAsTheyAre) {
  test::TempFolder home;
  ASSERT_TRUE(home.ok());
  ::chmod(home.path().c_str(), 0755);
  const std::string file = home.file(".config/Velmira Ltd/LIR/LIR-3.ini");
  EXPECT_EQ(createSettingsFolder(file), "");
  EXPECT_EQ(createSettingsFolder(file), "");  // a second start finds it there
  for (const char* made : {".config", ".config/Velmira Ltd", ".config/Velmira Ltd/LIR"}) {
    struct stat st {};
    ASSERT_EQ(::stat(home.file(made).c_str(), &st), 0) << made;
    EXPECT_EQ(st.st_mode & 0777, 0700u) << made;
  }
  struct stat st {};
  ASSERT_EQ(::stat(home.path().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0755u);

  // A file where a folder should be cannot be made into one.
  test::TempFolder::put(home.file("blocked"), "x");
  EXPECT_NE(createSettingsFolder(home.file("blocked/LIR/LIR-3.ini")), "");
}

// The first start of an installed program: the per-user folder does not exist
// yet; it is created, and settings saved at exit are there at the next start.
TEST(SettingsLocationTest, FirstStartCreatesThePerUserFileInTheConfigFolder) {
  test::TempFolder config;
  ASSERT_TRUE(config.ok());
  ScopedEnvironment env;
  env.set("XDG_CONFIG_HOME", config.path());
  const std::string path = prepareSettingsFile();
  ASSERT_EQ(path, config.file("Velmira Ltd/LIR/LIR-3.ini"));
  EXPECT_TRUE(std::filesystem::is_directory(config.file("Velmira Ltd/LIR")));

  TAppSettings settings;
  settings.load(TIniFile(), {"/opt/lir/", 100, {0, 0, 640, 480}});
  settings.DevType = 5;
  EXPECT_EQ(saveAppSettings(path, settings), "");
  TAppSettings next;
  EXPECT_EQ(loadAppSettings(prepareSettingsFile(), {"/opt/lir/", 100, {0, 0, 640, 480}}, next),
            "");
  EXPECT_EQ(next.DevType, 5);
}

}  // namespace
}  // namespace lir
