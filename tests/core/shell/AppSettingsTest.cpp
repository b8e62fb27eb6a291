#include "shell/AppSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "common/Cp1251.h"
#include "core/shell/TempFolder.h"

namespace lir {
namespace {

const TAppSettingsDefaults kDefaults = {"/opt/lir/", 180, {10, 20, 800, 600}};

TAppSettings loaded(const std::string& general) {
  TAppSettings settings;
  settings.load(TIniFile::fromBytes(utf8ToCp1251("[General]\r\n" + general)), kDefaults);
  return settings;
}

TEST(AppSettingsTest, MissingFileGivesTheDefaults) {
  test::TempFolder folder;
  ASSERT_TRUE(folder.ok());
  TAppSettings s;
  s.Recent.add("/stale");
  EXPECT_EQ(loadAppSettings(folder.file("LIR-3.ini"), kDefaults, s), "");
  EXPECT_EQ(s.AllRedTime, 3);
  EXPECT_FALSE(s.NoAskAboutFix);
  EXPECT_TRUE(s.CheckAssociation);
  EXPECT_FALSE(s.CanSetDef);
  EXPECT_EQ(s.DevType, 0);
  EXPECT_FALSE(s.Certified);
  EXPECT_EQ(s.FileDir, "");
  EXPECT_EQ(s.SchemeDir, "/opt/lir/Шаблоны перекрестков");
  EXPECT_EQ(s.LastFirmwareDir, "");
  EXPECT_TRUE(s.DefLastFileDir);
  EXPECT_FALSE(s.DefLastSchemeDir);  // the scheme folder is the templates folder
  EXPECT_EQ(s.TimeLineHeight, 180);
  EXPECT_FALSE(s.Maximized);
  EXPECT_EQ(s.bounds(), (TWindowRect{10, 20, 800, 600}));
  EXPECT_TRUE(s.Recent.paths().empty());
}

TEST(AppSettingsTest, AllRedTimeIsClampedAndJunkGivesTheDefault) {
  struct Case {
    const char* text;
    int expected;
  };
  const Case cases[] = {
      {"0", 1},     {"1", 1},     {"254", 254},         {"255", 254},
      {"300", 254}, {"-5", 1},    {"2147483647", 254},  {"-2147483648", 1},
      {"abc", 3},   {"", 3},      {"99999999999", 3},   {"7.5", 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(loaded(std::string("AllRedTime=") + c.text + "\r\n").AllRedTime, c.expected)
        << '"' << c.text << '"';
  }
}

TEST(AppSettingsTest, UnknownDeviceKindStartsWithTheMainController) {
  struct Case {
    const char* text;
    int expected;
  };
  const Case cases[] = {{"14", 14}, {"9", 9}, {"12", 12}, {"15", 0}, {"-1", 0}, {"255", 0},
                        {"x", 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(loaded(std::string("DevType=") + c.text + "\r\n").DevType, c.expected) << c.text;
  }
}

TEST(AppSettingsTest, SchemeFolderFollowingDependsOnTheStoredFolder) {
  struct Case {
    const char* general;
    bool expected;
  };
  const Case cases[] = {
      {"", false},
      {"SchemeDir=/opt/lir/Шаблоны перекрестков/\r\n", false},
      {"SchemeDir=/home/u/schemes\r\n", true},
      {"SchemeDir=/home/u/schemes\r\nDefLastSchemeDir=0\r\n", false},
      {"DefLastSchemeDir=1\r\n", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(loaded(c.general).DefLastSchemeDir, c.expected) << c.general;
  }
}

TEST(AppSettingsTest, ValuesAreReadWithoutRegardToCase) {
  TAppSettings r;
  r.load(TIniFile::fromBytes("[general]\r\ncertified=1\r\nCANSETDEF=-1\r\nnoaskaboutfix=0\r\n"
                             "MAXIMIZED=1\r\nWidth=1024\r\n[RECENT]\r\n1=/a\r\n"),
         kDefaults);
  EXPECT_TRUE(r.Certified);
  EXPECT_TRUE(r.CanSetDef);
  EXPECT_FALSE(r.NoAskAboutFix);
  EXPECT_TRUE(r.Maximized);
  EXPECT_EQ(r.Width, 1024);
  EXPECT_EQ(r.Height, 600);
  EXPECT_EQ(r.Recent.paths(), (std::vector<std::string>{"/a"}));
}

class AppSettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.ok());
    ini_ = folder_.file("LIR-3.ini");
    existing_ = folder_.file("a.lir");
    test::TempFolder::put(existing_, "x");
  }

  test::TempFolder folder_;
  std::string ini_;
  std::string existing_;
};

// Read-only keys keep exactly what the user wrote, other sections and unknown
// keys stay where they are, and only the written keys change.
TEST_F(AppSettingsFileTest, SaveTouchesOnlyTheKeysItOwns) {
  const std::string before =
      "[General]\r\n"
      "AllRedTime=300\r\n"
      "Certified = 1\r\n"
      "NoAskAboutFix=7\r\n"
      "CanSetDef=abc\r\n"
      "DevType=3\r\n"
      "Width = 800\r\n"
      "Private=keep me\r\n"
      "\r\n"
      "[Cities]\r\n"
      "\xCC\xEE\xF1\xEA\xE2\xE0=55,37,3,0\r\n"
      "\r\n"
      "[BaseProgForm]\r\n"
      "Log=0\r\n"
      "\r\n"
      "[Recent]\r\n"
      "1=/gone.lir\r\n";
  test::TempFolder::put(ini_, before);
  TAppSettings s;
  ASSERT_EQ(loadAppSettings(ini_, kDefaults, s), "");
  EXPECT_EQ(s.AllRedTime, 254);
  s.AllRedTime = 5;  // read only: must not reach the file
  s.Certified = false;
  s.DevType = 12;
  s.SchemeDir = "/srv/Шаблоны";
  s.Recent.add(existing_);
  ASSERT_EQ(saveAppSettings(ini_, s), "");

  const std::string after =
      "[General]\r\n"
      "AllRedTime=300\r\n"
      "Certified = 1\r\n"
      "NoAskAboutFix=7\r\n"
      "CanSetDef=abc\r\n"
      "DevType=12\r\n"
      "Width = 800\r\n"
      "Private=keep me\r\n"
      "CheckAssociation=1\r\n"
      "FileDir=\r\n"
      "SchemeDir=/srv/\xD8\xE0\xE1\xEB\xEE\xED\xFB\r\n"
      "LastFirmwareDir=\r\n"
      "DefLastFileDir=1\r\n"
      "DefLastSchemeDir=0\r\n"
      "TimeLineHeight=180\r\n"
      "Maximized=0\r\n"
      "Height=600\r\n"
      "Left=10\r\n"
      "Top=20\r\n"
      "\r\n"
      "[Cities]\r\n"
      "\xCC\xEE\xF1\xEA\xE2\xE0=55,37,3,0\r\n"
      "\r\n"
      "[BaseProgForm]\r\n"
      "Log=0\r\n"
      "\r\n"
      "[Recent]\r\n"
      "1=" + existing_ + "\r\n";
  EXPECT_EQ(test::TempFolder::contents(ini_), after);
}

TEST_F(AppSettingsFileTest, ReadOnlyKeysAreNeverAdded) {
  TAppSettings s;
  ASSERT_EQ(loadAppSettings(ini_, kDefaults, s), "");
  ASSERT_EQ(saveAppSettings(ini_, s), "");
  const TIniFile written = TIniFile::fromBytes(test::TempFolder::contents(ini_));
  for (const char* key : {"AllRedTime", "NoAskAboutFix", "CanSetDef", "Certified"}) {
    EXPECT_FALSE(written.valueExists("General", key)) << key;
  }
  EXPECT_EQ(written.sectionKeys("General").size(), 13u);
}

TEST_F(AppSettingsFileTest, RestartGivesBackWhatWasSaved) {
  TAppSettings s;
  s.load(TIniFile(), kDefaults);
  s.CheckAssociation = false;
  s.DevType = 14;
  s.FileDir = "/home/u/Проекты";
  s.SchemeDir = "/home/u/Схемы";
  s.LastFirmwareDir = "/fw";
  s.DefLastFileDir = false;
  s.DefLastSchemeDir = true;
  s.TimeLineHeight = 250;
  s.Maximized = true;
  s.setBounds({-50, -10, 3000, 2000});
  const std::string other = folder_.file("b.lir");
  test::TempFolder::put(other, "x");
  s.Recent.add(folder_.file("deleted.lir"));
  s.Recent.add(existing_);
  s.Recent.add(other);
  ASSERT_EQ(saveAppSettings(ini_, s), "");

  TAppSettings r;
  ASSERT_EQ(loadAppSettings(ini_, kDefaults, r), "");
  EXPECT_FALSE(r.CheckAssociation);
  EXPECT_EQ(r.DevType, 14);
  EXPECT_EQ(r.FileDir, s.FileDir);
  EXPECT_EQ(r.SchemeDir, s.SchemeDir);
  EXPECT_EQ(r.LastFirmwareDir, "/fw");
  EXPECT_FALSE(r.DefLastFileDir);
  EXPECT_TRUE(r.DefLastSchemeDir);
  EXPECT_EQ(r.TimeLineHeight, 250);
  EXPECT_TRUE(r.Maximized);
  EXPECT_EQ(r.bounds(), (TWindowRect{-50, -10, 3000, 2000}));
  EXPECT_EQ(r.Recent.paths(), (std::vector<std::string>{other, existing_}));
}

// The file is read afresh when saving, so sections another part of the program
// wrote during the session are not undone by the main window's save at exit.
TEST_F(AppSettingsFileTest, SaveKeepsWhatOthersWroteMeanwhile) {
  test::TempFolder::put(ini_, "[General]\r\nDevType=1\r\n");
  TAppSettings s;
  ASSERT_EQ(loadAppSettings(ini_, kDefaults, s), "");
  ASSERT_EQ(editIniFile(ini_, [](TIniFile& ini) {
              ini.replaceSection("UserNumbers", {{"Ivan", "+7900"}});
              ini.writeInteger("General", "AllRedTime", 9);
            }),
            "");
  ASSERT_EQ(saveAppSettings(ini_, s), "");
  const TIniFile written = TIniFile::fromBytes(test::TempFolder::contents(ini_));
  EXPECT_EQ(written.readString("UserNumbers", "Ivan", ""), "+7900");
  EXPECT_EQ(written.readInteger("General", "AllRedTime", 0), 9);
}

TEST_F(AppSettingsFileTest, FolderNameWithLineBreakCannotSwitchOnExpertMode) {
  TAppSettings s;
  s.load(TIniFile(), kDefaults);
  s.FileDir = "/tmp/x\n[General]\nCertified=1";
  s.Recent.add(existing_ + "\nCertified=1");
  ASSERT_EQ(saveAppSettings(ini_, s), "");
  TAppSettings r;
  ASSERT_EQ(loadAppSettings(ini_, kDefaults, r), "");
  EXPECT_FALSE(r.Certified);
  EXPECT_EQ(r.FileDir, "");
}

TEST_F(AppSettingsFileTest, UnwritableOrUnreadablePlaceIsReportedAndLeftAlone) {
  TAppSettings s;
  s.load(TIniFile(), kDefaults);
  EXPECT_NE(saveAppSettings(folder_.file("missing/LIR-3.ini"), s), "");
  // A folder where the file should be: reported on reading, and never replaced.
  const std::string dir = folder_.file("dir.ini");
  std::filesystem::create_directory(dir);
  EXPECT_NE(loadAppSettings(dir, kDefaults, s), "");
  EXPECT_EQ(s.AllRedTime, 3);
  EXPECT_NE(saveAppSettings(dir, s), "");
  EXPECT_TRUE(std::filesystem::is_directory(dir));
}

TEST(AppSettingsHostileTest, JunkFilesGiveValuesInRange) {
  std::mt19937 random(4242);
  const std::string_view pieces[] = {
      "[General]\r\n", "[Recent]\r\n", "AllRedTime=", "DevType=", "Width=", "TimeLineHeight=",
      "1=",  "2=",  "5=", "-", "999999999999", "$7FFFFFFF", "abc", "\r\n", "\n", "=", "0", "\xFF",
      "SchemeDir=", "/opt/lir/\xD8\xE0\xE1", "Certified="};
  for (int round = 0; round < 500; ++round) {
    std::string bytes;
    for (int i = 0, n = static_cast<int>(random() % 60); i < n; ++i) {
      bytes += random() % 8 ? std::string(pieces[random() % std::size(pieces)])
                            : std::string(1, static_cast<char>(random()));
    }
    TAppSettings s;
    s.load(TIniFile::fromBytes(bytes), kDefaults);
    ASSERT_GE(s.AllRedTime, 1);
    ASSERT_LE(s.AllRedTime, 254);
    ASSERT_GE(s.DevType, 0);
    ASSERT_LE(s.DevType, TAppSettings::kMaxDeviceKind);
    ASSERT_LE(s.Recent.paths().size(), TRecentList::kMaxCount);
    for (const std::string& path : s.Recent.paths()) ASSERT_FALSE(path.empty());
    TIniFile out = TIniFile::fromBytes(bytes);
    s.save(out, [](const std::string&) { return true; });
    TAppSettings again;
    again.load(TIniFile::fromBytes(out.toBytes()), kDefaults);
    ASSERT_EQ(again.DevType, s.DevType);
    ASSERT_EQ(again.Recent.paths(), s.Recent.paths());
    ASSERT_EQ(again.bounds(), s.bounds());
  }
}

}  // namespace
}  // namespace lir
