// The settings file is edited by hand and shared with other programs' writers:
// whatever bytes it holds, reading, querying, writing and saving must stay sound.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "common/Cp1251.h"
#include "common/IniFile.h"

namespace lir {
namespace {

const std::string kSeed =
    "; comment\r\n"
    "[General]\r\n"
    "AllRedTime=3\r\n"
    "DevType = 12\r\n"
    "SchemeDir=/opt/lir/\xD8\xE0\xE1\xEB\xEE\xED\xFB\r\n"
    "\r\n"
    "[Recent]\r\n"
    "1=/home/u/a.lir\r\n"
    "5=/home/u/b.lir\r\n"
    "[Cities]\r\n"
    "\xCC\xEE\xF1\xEA\xE2\xE0=55,37,3,0\r\n"
    "[ServiceNumbers]\r\n"
    "+79001234567=MTS\r\n"
    "lonely line\r\n"
    "=empty key\r\n"
    "[BaseProgUSB]\r\n"
    "VID=$1002\r\n";

bool isValidUtf8(std::string_view text) {
  std::string again;
  std::size_t pos = 0;
  while (pos < text.size()) appendUtf8(again, nextCodePoint(text, pos));
  return again == text;
}

void exercise(std::string_view bytes) {
  TIniFile ini = TIniFile::fromBytes(bytes);
  const std::string out = ini.toBytes();
  // Saving what was read and reading it again changes nothing more. (A file
  // whose first bytes spell a UTF-8 byte-order mark is read differently.)
  if (!std::string_view(out).starts_with("\xEF\xBB\xBF")) {
    ASSERT_EQ(TIniFile::fromBytes(out).toBytes(), out);
  }
  for (const std::string& section : ini.sectionNames()) {
    ASSERT_TRUE(isValidUtf8(section));
    ASSERT_TRUE(ini.sectionExists(section));
    for (const TIniEntry& entry : ini.sectionValues(section)) {
      ASSERT_TRUE(isValidUtf8(entry.key));
      ASSERT_TRUE(isValidUtf8(entry.value));
      ASSERT_EQ(entry.key.find_first_of("\r\n"), std::string::npos);
      ASSERT_EQ(entry.value.find_first_of("\r\n"), std::string::npos);
    }
    for (const std::string& key : ini.sectionKeys(section)) {
      ASSERT_TRUE(ini.valueExists(section, key));
      (void)ini.readInteger(section, key, 0);
      (void)ini.readBool(section, key, true);
      (void)ini.readString(section, key, "");
    }
  }
  ini.writeInteger("General", "Width", 800);
  ini.writeString("General", "FileDir", "/home/u/Проекты");
  ini.replaceSection("Recent", {{"2", "/x"}, {"1", "/y"}});
  ini.deleteKey("ServiceNumbers", "+79001234567");
  ini.eraseSection("Cities");
  const TIniFile reread = TIniFile::fromBytes(ini.toBytes());
  ASSERT_EQ(reread.readInteger("General", "Width", 0), 800);
  ASSERT_EQ(reread.readString("General", "FileDir", ""), "/home/u/Проекты");
  ASSERT_EQ(reread.readString("Recent", "2", ""), "/x");
  ASSERT_FALSE(reread.sectionExists("Cities"));
}

TEST(IniFileHostileTest, EveryTruncationIsSound) {
  for (const std::string& seed : {kSeed, "\xEF\xBB\xBF" + cp1251ToUtf8(kSeed)}) {
    for (std::size_t length = 0; length <= seed.size(); ++length) {
      SCOPED_TRACE(length);
      exercise(std::string_view(seed).substr(0, length));
      if (HasFatalFailure()) return;
    }
  }
}

TEST(IniFileHostileTest, RandomByteFlipsAreSound) {
  std::mt19937 random(20240501);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes = kSeed;
    const int flips = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < flips; ++i) {
      bytes[random() % bytes.size()] ^= static_cast<char>(1 + random() % 255);
    }
    SCOPED_TRACE(round);
    exercise(bytes);
    if (HasFatalFailure()) return;
  }
}

TEST(IniFileHostileTest, RandomBytesAreSound) {
  std::mt19937 random(77);
  // Half of the bytes come from the INI's own punctuation, so the junk forms
  // sections, keys and odd lines rather than one long line.
  const std::string_view structure = "[]=;\r\n \t$0x-+1\xEF\xBB\xBF\xC0\xFF";
  for (int round = 0; round < 400; ++round) {
    std::string bytes(random() % 2048, '\0');
    for (char& c : bytes) {
      c = random() % 2 ? static_cast<char>(random()) : structure[random() % structure.size()];
    }
    if (round % 4 == 0) bytes.insert(0, "\xEF\xBB\xBF");
    SCOPED_TRACE(round);
    exercise(bytes);
    if (HasFatalFailure()) return;
  }
}

// Listing names must not slow down with the square of their number: a big
// file of many sections or keys is read in a moment.
TEST(IniFileHostileTest, ManySectionsAndKeysAreListedQuickly) {
  std::string bytes;
  for (int i = 0; i < 50000; ++i) bytes += "[s" + std::to_string(i) + "]\r\n";
  bytes += "[keys]\r\n";
  for (int i = 0; i < 50000; ++i) bytes += "k" + std::to_string(i) + "=1\r\n";
  for (int i = 0; i < 1000; ++i) bytes += "[keys]\r\nk=1\r\n";
  TIniFile ini = TIniFile::fromBytes(bytes);
  EXPECT_EQ(ini.sectionNames().size(), 50001u);
  EXPECT_EQ(ini.sectionKeys("keys").size(), 50001u);
  EXPECT_TRUE(ini.replaceSection("keys", {{"only", "1"}}));
  EXPECT_EQ(ini.sectionValues("keys"), (std::vector<TIniEntry>{{"only", "1"}}));
}

}  // namespace
}  // namespace lir
