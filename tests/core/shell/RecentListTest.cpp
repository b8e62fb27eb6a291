#include "shell/RecentList.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace lir {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentListTest, KeepsFiveNewestFirstWithoutDuplicates) {
  TRecentList list;
  for (const char* path : {"/a", "/b", "/c", "/d", "/e", "/f"}) list.add(path);
  EXPECT_EQ(list.paths(), (Paths{"/f", "/e", "/d", "/c", "/b"}));
  list.add("/d");  // moves up; nothing is dropped
  EXPECT_EQ(list.paths(), (Paths{"/d", "/f", "/e", "/c", "/b"}));
  list.add("/D");  // only exactly the same text counts as the same entry
  EXPECT_EQ(list.paths(), (Paths{"/D", "/d", "/f", "/e", "/c"}));
}

TEST(RecentListTest, LoadAddsKeysOneToFiveSoThatFiveEndsOnTop) {
  const TIniFile ini = TIniFile::fromBytes(
      "[Recent]\r\n"
      "2=/b\r\n"
      "1=/a\r\n"
      "5=/e\r\n"
      "3=\r\n"     // empty: names no file
      "6=/z\r\n"   // beyond the five keys
      "4=/a\r\n");  // the same file again moves it up
  TRecentList list;
  list.add("/old");
  list.load(ini);
  EXPECT_EQ(list.paths(), (Paths{"/e", "/a", "/b"}));
}

TEST(RecentListTest, SaveRewritesTheSectionInPlaceWithExistingFilesOnly) {
  TIniFile ini = TIniFile::fromBytes(
      "[General]\r\nDevType=0\r\n\r\n"
      "[Recent]\r\n; old comment\r\n1=/x\r\n7=/junk\r\n\r\n"
      "[Cities]\r\nA=1,2,3\r\n");
  TRecentList list;
  for (const char* path : {"/a", "/b", "/c", "/d", "/e"}) list.add(path);
  const std::set<std::string> existing = {"/a", "/c", "/e"};
  list.save(ini, [&](const std::string& p) { return existing.count(p) > 0; });
  EXPECT_EQ(ini.toBytes(),
            "[General]\r\nDevType=0\r\n\r\n"
            "[Recent]\r\n3=/e\r\n2=/c\r\n1=/a\r\n\r\n"
            "[Cities]\r\nA=1,2,3\r\n");

  TRecentList restarted;
  restarted.load(TIniFile::fromBytes(ini.toBytes()));
  EXPECT_EQ(restarted.paths(), (Paths{"/e", "/c", "/a"}));
}

TEST(RecentListTest, SaveWithoutExistingFilesLeavesNoSection) {
  TIniFile ini = TIniFile::fromBytes("[Recent]\r\n1=/x\r\n[Cities]\r\nA=1,2,3\r\n");
  TRecentList list;
  list.add("/gone");
  list.save(ini, [](const std::string&) { return false; });
  EXPECT_EQ(ini.toBytes(), "[Cities]\r\nA=1,2,3\r\n");
}

// A file name may hold a line break on this system; written as it is, it would
// add keys of its own to the settings file.
TEST(RecentListTest, PathWithLineBreakIsNotWritten) {
  TIniFile ini;
  TRecentList list;
  list.add("/ok.lir");
  list.add("/evil\n[General]\nCertified=1.lir");
  list.save(ini, [](const std::string&) { return true; });
  EXPECT_FALSE(ini.sectionExists("General"));
  TRecentList restarted;
  restarted.load(TIniFile::fromBytes(ini.toBytes()));
  EXPECT_EQ(restarted.paths(), (Paths{"/ok.lir"}));
}

}  // namespace
}  // namespace lir
