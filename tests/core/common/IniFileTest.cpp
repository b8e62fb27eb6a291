#include "common/IniFile.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace lir {
namespace {

// A settings file as the program and its users leave it: a comment before the
// first section, sections this module does not know, Cyrillic names and values
// in Windows-1251, odd lines and a duplicate key.
const std::string kFile =
    "; written by hand\r\n"
    "[General]\r\n"
    "AllRedTime=300\r\n"
    "Width = 800 \r\n"
    "Certified=1\r\n"
    "Unknown=kept\r\n"
    "\r\n"
    "[Cities]\r\n"
    "\xCC\xEE\xF1\xEA\xE2\xE0=55,37,3,0\r\n"   // Москва
    "\xD2\xE2\xE5\xF0\xFC=56,35,3\r\n"         // Тверь
    "\r\n"
    "[UserNumbers]\r\n"
    "+79001234567\r\n"
    "=+79007654321\r\n"
    "Ivan=+7900\r\n"
    "Ivan=+7911\r\n"
    "; a comment inside\r\n"
    "[BaseProgUSB]\r\n"
    "Timeout=7000\r\n";

TEST(IniFileTest, UntouchedFileIsWrittenBackByteForByte) {
  EXPECT_EQ(TIniFile::fromBytes(kFile).toBytes(), kFile);
}

TEST(IniFileTest, WritingOneKeyRebuildsOnlyItsLine) {
  TIniFile ini = TIniFile::fromBytes(kFile);
  EXPECT_TRUE(ini.writeInteger("General", "Width", 1024));
  EXPECT_TRUE(ini.writeInteger("General", "AllRedTime", 300));  // same value: line kept as is
  std::string expected = kFile;
  expected.replace(expected.find("Width = 800 "), 12, "Width=1024");
  EXPECT_EQ(ini.toBytes(), expected);
}

TEST(IniFileTest, NewKeysGoAfterTheLastKeyAndNewSectionsAtTheEnd) {
  TIniFile ini = TIniFile::fromBytes(kFile);
  EXPECT_TRUE(ini.writeBool("General", "Maximized", true));
  EXPECT_TRUE(ini.writeBool("Recent", "Flag", false));
  std::string expected = kFile;
  expected.insert(expected.find("\r\n\r\n[Cities]") + 2, "Maximized=1\r\n");
  expected += "\r\n[Recent]\r\nFlag=0\r\n";
  EXPECT_EQ(ini.toBytes(), expected);
}

TEST(IniFileTest, CyrillicIsWindows1251OnDiskAndUtf8InMemory) {
  TIniFile ini = TIniFile::fromBytes(kFile);
  EXPECT_EQ(ini.readString("Cities", "Москва", ""), "55,37,3,0");
  ini.writeString("General", "SchemeDir", "/opt/Шаблоны перекрестков");
  // Ш а б л о н ы  п е р е к р е с т к о в
  const std::string bytes =
      "SchemeDir=/opt/\xD8\xE0\xE1\xEB\xEE\xED\xFB "
      "\xEF\xE5\xF0\xE5\xEA\xF0\xE5\xF1\xF2\xEA\xEE\xE2\r\n";
  EXPECT_NE(ini.toBytes().find(bytes), std::string::npos);
  EXPECT_EQ(TIniFile::fromBytes(ini.toBytes()).readString("general", "schemedir", ""),
            "/opt/Шаблоны перекрестков");
}

TEST(IniFileTest, NamesCompareWithoutCaseInLatinAndCyrillic) {
  const TIniFile ini = TIniFile::fromBytes(
      "[CITIES]\r\n\xCC\xCE\xD1\xCA\xC2\xC0=1\r\n"     // МОСКВА
      "\xA8\xCB\xCA\xC8=2\r\n"                         // ЁЛКИ
      "\x80\xA5\xAA=3\r\n");                           // Ђ Ґ Є
  EXPECT_EQ(ini.readInteger("cities", "москва", 0), 1);
  EXPECT_EQ(ini.readInteger("Cities", "ёлки", 0), 2);
  EXPECT_EQ(ini.readInteger("Cities", "ђґє", 0), 3);
  EXPECT_FALSE(ini.valueExists("Cities", "елки"));  // Ё is not Е
}

TEST(IniFileTest, LineEndsOfEveryKindAreReadAndWrittenAsCrLf) {
  const TIniFile ini = TIniFile::fromBytes("[A]\nx=1\r\ny=2\rz=3");
  EXPECT_EQ(ini.readInteger("A", "x", 0), 1);
  EXPECT_EQ(ini.readInteger("A", "y", 0), 2);
  EXPECT_EQ(ini.readInteger("A", "z", 0), 3);
  EXPECT_EQ(ini.toBytes(), "[A]\r\nx=1\r\ny=2\r\nz=3\r\n");
}

TEST(IniFileTest, Utf8WithByteOrderMarkIsReadAsUtf8AndSavedAsWindows1251) {
  const TIniFile ini = TIniFile::fromBytes("\xEF\xBB\xBF[Cities]\r\nМосква=1\r\nbad=\xFF\r\n");
  EXPECT_EQ(ini.readInteger("Cities", "Москва", 0), 1);
  EXPECT_EQ(ini.readString("Cities", "bad", ""), "\xEF\xBF\xBD");  // U+FFFD
  EXPECT_EQ(ini.toBytes(), "[Cities]\r\n\xCC\xEE\xF1\xEA\xE2\xE0=1\r\nbad=?\r\n");
}

TEST(IniFileTest, NulBytesAndOverlongLinesSurvive) {
  const std::string longValue(100000, 'v');
  const std::string bytes = std::string("[A]\r\nk=a\0b\r\nlong=", 17) + longValue + "\r\n";
  const TIniFile ini = TIniFile::fromBytes(bytes);
  EXPECT_EQ(ini.readString("A", "k", ""), std::string("a\0b", 3));
  EXPECT_EQ(ini.readString("A", "long", ""), longValue);
  EXPECT_EQ(ini.toBytes(), bytes);
}

TEST(IniFileTest, IntegersAreDecimalOrHexadecimalAndJunkGivesTheDefault) {
  struct Case {
    const char* text;
    int expected;
  };
  const Case cases[] = {
      {"5", 5},          {" 7 ", 7},         {"-12", -12},       {"+3", 3},
      {"$FF", 255},      {"0x10", 16},       {"-$10", -16},      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},      {"abc", -99},       {"", -99},
      {"12abc", -99},    {"1.5", -99},       {"- 5", -99},       {"--5", -99},
      {"+-5", -99},      {"$", -99},         {"0x", -99},        {"2147483648", -99},
      {"-2147483649", -99},                  {"99999999999999999999999", -99},
      {"$100000000", -99},
  };
  for (const Case& c : cases) {
    const TIniFile ini = TIniFile::fromBytes(std::string("[S]\r\nk=") + c.text + "\r\n");
    EXPECT_EQ(ini.readInteger("S", "k", -99), c.expected) << '"' << c.text << '"';
  }
  EXPECT_EQ(TIniFile().readInteger("S", "k", -99), -99);
}

TEST(IniFileTest, BooleansAreIntegersAndAnythingElseGivesTheDefault) {
  struct Case {
    const char* text;
    bool withFalseDefault;
    bool withTrueDefault;
  };
  const Case cases[] = {
      {"0", false, false}, {"1", true, true},    {"-1", true, true},  {"2", true, true},
      {"$0", false, false}, {"true", false, true}, {"false", false, true}, {"", false, true},
  };
  for (const Case& c : cases) {
    const TIniFile ini = TIniFile::fromBytes(std::string("[S]\r\nk=") + c.text + "\r\n");
    EXPECT_EQ(ini.readBool("S", "k", false), c.withFalseDefault) << '"' << c.text << '"';
    EXPECT_EQ(ini.readBool("S", "k", true), c.withTrueDefault) << '"' << c.text << '"';
  }
  TIniFile ini;
  ini.writeBool("S", "on", true);
  ini.writeBool("S", "off", false);
  EXPECT_EQ(ini.toBytes(), "[S]\r\non=1\r\noff=0\r\n");
}

TEST(IniFileTest, SectionListsFollowFileOrder) {
  const TIniFile ini = TIniFile::fromBytes(kFile + "[userNUMBERS]\r\nPetr=+7922\r\n");
  EXPECT_EQ(ini.sectionNames(),
            (std::vector<std::string>{"General", "Cities", "UserNumbers", "BaseProgUSB"}));
  // A line without "=" is a key with an empty value; "=x" has an empty key; a
  // section that occurs twice reads as one.
  EXPECT_EQ(ini.sectionValues("UserNumbers"),
            (std::vector<TIniEntry>{{"+79001234567", ""},
                                    {"", "+79007654321"},
                                    {"Ivan", "+7900"},
                                    {"Ivan", "+7911"},
                                    {"Petr", "+7922"}}));
  EXPECT_EQ(ini.sectionKeys("UserNumbers"),
            (std::vector<std::string>{"+79001234567", "Ivan", "Petr"}));
  EXPECT_EQ(ini.readString("UserNumbers", "Ivan", ""), "+7900");  // the first one wins
  EXPECT_EQ(ini.readString("UserNumbers", "Petr", ""), "+7922");
  EXPECT_TRUE(ini.valueExists("UserNumbers", "+79001234567"));
  EXPECT_FALSE(ini.valueExists("UserNumbers", ""));
  EXPECT_FALSE(ini.valueExists("UserNumbers", "; a comment inside"));
  EXPECT_TRUE(ini.sectionValues("Missing").empty());
}

TEST(IniFileTest, ErasingSectionsAndKeysTakesEveryOccurrence) {
  TIniFile ini = TIniFile::fromBytes(kFile + "[cities]\r\nX=1\r\n");
  ini.eraseSection("CITIES");
  ini.deleteKey("UserNumbers", "ivan");
  EXPECT_FALSE(ini.sectionExists("Cities"));
  EXPECT_EQ(ini.toBytes(),
            "; written by hand\r\n[General]\r\nAllRedTime=300\r\nWidth = 800 \r\nCertified=1\r\n"
            "Unknown=kept\r\n\r\n[UserNumbers]\r\n+79001234567\r\n=+79007654321\r\n"
            "; a comment inside\r\n[BaseProgUSB]\r\nTimeout=7000\r\n");
}

TEST(IniFileTest, ReplacingASectionKeepsItsPlaceAndTakesDuplicatesAndEmptyKeys) {
  TIniFile ini = TIniFile::fromBytes(kFile + "[Cities]\r\nX=1\r\n");
  const std::vector<TIniEntry> cities = {{"Омск", "1,2,3,0"}, {"", "x"}, {"A", "1"}, {"A", "2"}};
  EXPECT_TRUE(ini.replaceSection("Cities", cities));
  const std::string cityLines = "\xCE\xEC\xF1\xEA=1,2,3,0\r\n=x\r\nA=1\r\nA=2\r\n";
  std::string expected = kFile;
  const auto from = expected.find("[Cities]\r\n") + 10;
  expected.replace(from, expected.find("\r\n[UserNumbers]") - from, cityLines);
  EXPECT_EQ(ini.toBytes(), expected);
  EXPECT_EQ(TIniFile::fromBytes(ini.toBytes()).sectionValues("Cities"), cities);

  EXPECT_TRUE(ini.replaceSection("New", {{"k", "v"}}));
  EXPECT_EQ(ini.toBytes(), expected + "\r\n[New]\r\nk=v\r\n");
  EXPECT_TRUE(ini.replaceSection("New", {}));
  EXPECT_FALSE(ini.sectionExists("New"));
}

// A value with a line break written as it is would add lines of its own, for
// instance a key that switches expert mode on; such writes are refused.
TEST(IniFileTest, NamesAndValuesThatCannotBeStoredOnOneLineAreRefused) {
  TIniFile ini = TIniFile::fromBytes(kFile);
  EXPECT_FALSE(ini.writeString("General", "FileDir", "/tmp/x\r\n[General]\r\nCertified=1"));
  EXPECT_FALSE(ini.writeString("General", "FileDir", "a\nb"));
  EXPECT_FALSE(ini.writeString("General", "Unknown", "a\rb"));
  EXPECT_FALSE(ini.writeString("General", "a=b", "1"));
  EXPECT_FALSE(ini.writeString("General", "", "1"));
  EXPECT_FALSE(ini.writeString("General", " pad", "1"));
  EXPECT_FALSE(ini.writeString("General", ";x", "1"));
  EXPECT_FALSE(ini.writeString("General", "[x", "1"));
  EXPECT_FALSE(ini.writeString("Gen]eral", "k", "1"));
  EXPECT_FALSE(ini.writeString("", "k", "1"));
  EXPECT_FALSE(ini.writeString("Gen\neral", "k", "1"));
  EXPECT_FALSE(ini.replaceSection("Cities", {{"ok", "1"}, {"bad", "1\n[General]"}, {"a=b", "2"}}));
  EXPECT_EQ(ini.sectionValues("Cities"), (std::vector<TIniEntry>{{"ok", "1"}}));
  EXPECT_EQ(ini.readString("General", "Unknown", ""), "kept");
  EXPECT_EQ(ini.sectionNames().size(), 4u);
}

class IniFileOnDiskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "lir-ini-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string path(const char* name) const { return (folder_ / name).string(); }
  static std::string contents(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static void put(const std::string& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
  }

  std::filesystem::path folder_;
};

TEST_F(IniFileOnDiskTest, MissingFileIsAnEmptyIniAndEditCreatesIt) {
  TIniFile ini = TIniFile::fromBytes(kFile);
  EXPECT_EQ(ini.loadFile(path("none.ini")), "");
  EXPECT_TRUE(ini.sectionNames().empty());
  EXPECT_EQ(editIniFile(path("new.ini"), [](TIniFile& i) { i.writeInteger("A", "k", 1); }), "");
  EXPECT_EQ(contents(path("new.ini")), "[A]\r\nk=1\r\n");
}

TEST_F(IniFileOnDiskTest, EditKeepsWhatOthersWroteAndReportsFailures) {
  put(path("s.ini"), kFile);
  EXPECT_EQ(editIniFile(path("s.ini"), [](TIniFile& i) { i.writeInteger("General", "Width", 9); }),
            "");
  std::string expected = kFile;
  expected.replace(expected.find("Width = 800 "), 12, "Width=9");
  EXPECT_EQ(contents(path("s.ini")), expected);

  // A folder in the place of the file cannot be read, and is not written.
  std::filesystem::create_directory(path("dir.ini"));
  bool edited = false;
  EXPECT_NE(editIniFile(path("dir.ini"), [&](TIniFile&) { edited = true; }), "");
  EXPECT_FALSE(edited);
  TIniFile ini;
  EXPECT_NE(ini.loadFile(path("dir.ini")), "");
  // A file in a folder that does not exist cannot be saved; the reason is told.
  EXPECT_NE(TIniFile::fromBytes(kFile).saveFile(path("no/such/folder.ini")), "");
}

TEST_F(IniFileOnDiskTest, UnreadableFileIsNeverReplaced) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser reads any file";
  put(path("locked.ini"), kFile);
  std::filesystem::permissions(path("locked.ini"), std::filesystem::perms::none);
  EXPECT_NE(editIniFile(path("locked.ini"), [](TIniFile& i) { i.writeInteger("A", "k", 1); }),
            "");
  std::filesystem::permissions(path("locked.ini"), std::filesystem::perms::owner_read);
  EXPECT_EQ(contents(path("locked.ini")), kFile);
}

}  // namespace
}  // namespace lir
