#include "configuration/PraCities.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/Cp1251.h"
#include "common/IniFile.h"
#include "configuration/PraSettings.h"
#include "core/shell/TempFolder.h"

namespace lir {
namespace {

std::vector<std::string> names(const TCityList& list) {
  std::vector<std::string> result;
  for (const TCityGeoParams& c : list.Cities()) result.push_back(c.Name);
  return result;
}

TEST(PraCityEntryTest, ThreeOrFourWholeNumbers) {
  struct Case {
    const char* value;
    std::optional<TCityGeoParams> city;
  };
  const Case cases[] = {
      {"54,20,120", TCityGeoParams{"Город", 54, 20, 120, 0}},
      {"54,20,120,-5", TCityGeoParams{"Город", 54, 20, 120, -5}},
      {" 54 , +20 ,\t120 ", TCityGeoParams{"Город", 54, 20, 120, 0}},
      {"-90,-180,-1439,-90", TCityGeoParams{"Город", -90, -180, -1439, -90}},
      {"54,20,120,3,77", TCityGeoParams{"Город", 54, 20, 120, 3}},  // later numbers are not ours
      {"54,20", std::nullopt},
      {"54", std::nullopt},
      {"", std::nullopt},
      {"54,20,abc", std::nullopt},
      {"54,,120", std::nullopt},
      {"54,20,120,", std::nullopt},
      {"54.5,20,120", std::nullopt},
      {"54;20;120", std::nullopt},
      {"91,20,120", std::nullopt},
      {"54,181,120", std::nullopt},
      {"54,20,1440", std::nullopt},
      {"54,20,120,91", std::nullopt},
      {"54,20,99999999999", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(parseCityEntry("Город", c.value), c.city) << '"' << c.value << '"';
  EXPECT_EQ(parseCityEntry("", "54,20,120"), std::nullopt);
  EXPECT_EQ(cityEntryValue({"Город", -54, 20, 120, -3}), "-54,20,120,-3");
}

TEST(PraCityListTest, BuiltInCitiesInNameOrder) {
  const TCityList list;
  ASSERT_EQ(list.Cities().size(), 17u);
  EXPECT_EQ(list.Cities().front(), (TCityGeoParams{"Анапа", 45, 37, 180, 0}));
  EXPECT_EQ(*list.Find("Петропавловск (Казахстан)"), (TCityGeoParams{"Петропавловск (Казахстан)", 55, 69, 360, 0}));
  EXPECT_EQ(list.Cities().back(), (TCityGeoParams{"Якутск", 62, 129, 540, 0}));
  TCityList sorted;
  sorted.SortByName();
  EXPECT_EQ(names(sorted), names(list));
}

TEST(PraCityListTest, SectionAddsReplacesAndSkips) {
  TCityList list;
  list.Read(TIniFile::fromBytes(utf8ToCp1251(
      "[General]\r\nМинск=1,2,3\r\n"
      "[Cities]\r\n"
      "Новгород=58,31,180\r\n"      // three numbers: added with horizon 0
      "Тверь=56,35\r\n"             // two: skipped
      "москва=50,30,120,7\r\n"      // four: replaces Москва, whatever the case
      "Елабуга=55,52,180,1\r\n"
      "Ёлкино=56,60,300\r\n"
      "=10,10,10\r\n"
      "Анапа=bad\r\n")));
  EXPECT_EQ(*list.Find("Новгород"), (TCityGeoParams{"Новгород", 58, 31, 180, 0}));
  EXPECT_EQ(list.Find("Тверь"), nullptr);
  EXPECT_EQ(list.Find("Минск"), nullptr);  // another section
  EXPECT_EQ(*list.Find("Москва"), (TCityGeoParams{"Москва", 50, 30, 120, 7}));
  EXPECT_EQ(*list.Find("Анапа"), (TCityGeoParams{"Анапа", 45, 37, 180, 0}));
  EXPECT_EQ(list.Cities().size(), 20u);
  // Ё sorts beside Е, not after Я.
  EXPECT_EQ(names(list), (std::vector<std::string>{
                             "Анапа", "Барнаул", "Братск", "Владивосток", "Душанбе", "Екатеринбург",
                             "Елабуга", "Ёлкино", "Казань", "Краснодар", "Красноярск", "Москва", "Новгород",
                             "Омск", "Петропавловск (Казахстан)", "Ростов-на-Дону", "Талдыкорган", "Уфа",
                             "Челябинск", "Якутск"}));
}

TEST(PraCityListTest, ChoosingACityFillsTheSettings) {
  TPRASettings settings;
  ChooseCity(settings, {"Уфа", 54, 56, 300, -2});
  EXPECT_EQ(settings.City(), "Уфа");
  EXPECT_EQ(settings.Latitude(), 54);
  EXPECT_EQ(settings.Longitude(), 56);
  EXPECT_EQ(settings.TimeZoneOffset(), 300);
  EXPECT_EQ(settings.Horizon(), -2);
  EXPECT_EQ(CurrentCity(settings), (TCityGeoParams{"Уфа", 54, 56, 300, -2}));
}

class PraCitiesFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.ok()); }
  void put(const std::string& text) { test::TempFolder::put(file_, utf8ToCp1251(text)); }
  std::string contents() const { return cp1251ToUtf8(test::TempFolder::contents(file_)); }

  test::TempFolder folder_;
  std::string file_ = folder_.file("LIR-3.ini");
};

TEST_F(PraCitiesFileTest, SaveRewritesTheSectionInNameOrderAndLeavesTheRest) {
  put("[General]\r\nDevType=0\r\n"
      "[Cities]\r\nЯрославль=57,39,180\r\nТверь=56,35\r\n"
      "[Recent]\r\n1=/home/a.lir\r\n");
  TCityList list;
  ASSERT_EQ(list.LoadCities(file_), "");
  TPRASettings settings;
  ChooseCity(settings, *list.Find("Омск"));
  settings.SetHorizon(4);  // an edited value goes back under the city's name
  // Meanwhile another part of the program, or another instance, writes the file.
  ASSERT_EQ(editIniFile(file_,
                        [](TIniFile& ini) {
                          ini.writeInteger("General", "DevType", 12);
                          ini.writeString("Cities", "Псков", "57,28,180,0");
                        }),
            "");

  ASSERT_EQ(list.SaveCities(file_, settings), "");

  EXPECT_EQ(contents(),
            "[General]\r\nDevType=12\r\n"
            "[Cities]\r\n"
            "Анапа=45,37,180,0\r\nБарнаул=53,83,360,0\r\nБратск=56,101,480,0\r\n"
            "Владивосток=43,132,600,0\r\nДушанбе=38,68,300,0\r\nЕкатеринбург=56,60,300,0\r\n"
            "Казань=55,49,180,0\r\nКраснодар=42,39,180,0\r\nКрасноярск=56,93,420,0\r\n"
            "Москва=55,37,180,0\r\nОмск=55,73,360,4\r\nПетропавловск (Казахстан)=55,69,360,0\r\n"
            "Псков=57,28,180,0\r\nРостов-на-Дону=47,39,180,0\r\nТалдыкорган=45,78,300,0\r\n"
            "Уфа=54,56,300,0\r\nЧелябинск=55,61,300,0\r\nЯкутск=62,129,540,0\r\n"
            "Ярославль=57,39,180,0\r\n"
            "[Recent]\r\n1=/home/a.lir\r\n");
  EXPECT_EQ(*list.Find("Псков"), (TCityGeoParams{"Псков", 57, 28, 180, 0}));

  TCityList again;
  ASSERT_EQ(again.LoadCities(file_), "");
  EXPECT_EQ(again.Cities(), list.Cities());
}

TEST_F(PraCitiesFileTest, NewTypedCityIsAddedAndAMissingFileCreated) {
  TCityList list;
  ASSERT_EQ(list.LoadCities(file_), "");  // no file yet: the built-in cities
  EXPECT_EQ(list.Cities(), TCityList::BuiltInCities());
  TPRASettings settings;
  settings.SetCity("  Абакан ");
  settings.SetLatitude(53);
  settings.SetLongitude(91);
  settings.SetTimeZoneOffset(420);
  ASSERT_EQ(list.SaveCities(file_, settings), "");
  EXPECT_EQ(list.Cities().front(), (TCityGeoParams{"Абакан", 53, 91, 420, 0}));
  const TIniFile ini = TIniFile::fromBytes(test::TempFolder::contents(file_));
  const auto entries = ini.sectionValues(kCitiesSection);
  ASSERT_EQ(entries.size(), 18u);
  EXPECT_EQ(entries.front(), (TIniEntry{"Абакан", "53,91,420,0"}));

  // Without a city name nothing is added.
  TPRASettings unnamed;
  unnamed.SetLatitude(1);
  ASSERT_EQ(list.SaveCities(file_, unnamed), "");
  EXPECT_EQ(TIniFile::fromBytes(test::TempFolder::contents(file_)).sectionValues(kCitiesSection), entries);
}

}  // namespace
}  // namespace lir
