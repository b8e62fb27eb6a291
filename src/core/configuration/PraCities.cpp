#include "configuration/PraCities.h"

#include <algorithm>
#include <charconv>

#include "common/Cp1251.h"
#include "common/Format.h"
#include "common/IniFile.h"
#include "common/TextCase.h"
#include "configuration/PraSettings.h"
#include "shell/SettingsLocation.h"

namespace lir {

namespace {

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::optional<int> wholeNumber(std::string_view text) {
  text = trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool within(int value, int limit) { return value >= -limit && value <= limit; }

// Case folded, with Ё placed right after Е instead of after every other letter.
std::u32string collationKey(std::string_view name) {
  const std::string folded = lowerCaseText(name);
  std::u32string key;
  for (std::size_t pos = 0; pos < folded.size();) {
    const char32_t cp = nextCodePoint(folded, pos);
    constexpr char32_t ye = U'е', yo = U'ё';
    key.push_back(cp == yo ? ye * 2 + 1 : cp * 2);
  }
  return key;
}

bool sameName(std::string_view a, std::string_view b) { return lowerCaseText(a) == lowerCaseText(b); }

}  // namespace

std::optional<TCityGeoParams> parseCityEntry(std::string_view name, std::string_view value) {
  name = trimmed(name);
  if (name.empty()) return std::nullopt;
  std::vector<int> numbers;
  for (std::size_t start = 0;;) {
    const std::size_t comma = value.find(',', start);
    const auto number = wholeNumber(value.substr(start, comma == std::string_view::npos ? value.npos : comma - start));
    if (!number) return std::nullopt;
    numbers.push_back(*number);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (numbers.size() < 3) return std::nullopt;
  TCityGeoParams city{std::string(name), numbers[0], numbers[1], numbers[2], numbers.size() > 3 ? numbers[3] : 0};
  if (!within(city.Latitude, TPRASettings::kLatitudeLimit) || !within(city.Longitude, TPRASettings::kLongitudeLimit) ||
      !within(city.TimeZoneOffset, TPRASettings::kTimeZoneOffsetLimit) ||
      !within(city.Horizon, TPRASettings::kHorizonLimit)) {
    return std::nullopt;
  }
  return city;
}

std::string cityEntryValue(const TCityGeoParams& city) {
  return sformat("%d,%d,%d,%d", city.Latitude, city.Longitude, city.TimeZoneOffset, city.Horizon);
}

void ChooseCity(TPRASettings& settings, const TCityGeoParams& city) {
  settings.SetCity(city.Name);
  settings.SetLatitude(city.Latitude);
  settings.SetLongitude(city.Longitude);
  settings.SetTimeZoneOffset(city.TimeZoneOffset);
  settings.SetHorizon(city.Horizon);
}

TCityGeoParams CurrentCity(const TPRASettings& settings) {
  return {std::string(trimmed(settings.City())), settings.Latitude(), settings.Longitude(), settings.TimeZoneOffset(),
          settings.Horizon()};
}

const std::vector<TCityGeoParams>& TCityList::BuiltInCities() {
  static const std::vector<TCityGeoParams> cities = {
      {"Анапа", 45, 37, 180, 0},
      {"Барнаул", 53, 83, 360, 0},
      {"Братск", 56, 101, 480, 0},
      {"Владивосток", 43, 132, 600, 0},
      {"Душанбе", 38, 68, 300, 0},
      {"Екатеринбург", 56, 60, 300, 0},
      {"Казань", 55, 49, 180, 0},
      {"Краснодар", 42, 39, 180, 0},
      {"Красноярск", 56, 93, 420, 0},
      {"Москва", 55, 37, 180, 0},
      {"Омск", 55, 73, 360, 0},
      {"Петропавловск (Казахстан)", 55, 69, 360, 0},
      {"Ростов-на-Дону", 47, 39, 180, 0},
      {"Талдыкорган", 45, 78, 300, 0},
      {"Уфа", 54, 56, 300, 0},
      {"Челябинск", 55, 61, 300, 0},
      {"Якутск", 62, 129, 540, 0},
  };
  return cities;
}

TCityList::TCityList() : cities_(BuiltInCities()) {}

const TCityGeoParams* TCityList::Find(std::string_view name) const {
  const auto it = std::find_if(cities_.begin(), cities_.end(),
                               [&](const TCityGeoParams& c) { return sameName(c.Name, name); });
  return it == cities_.end() ? nullptr : &*it;
}

void TCityList::Put(const TCityGeoParams& city) {
  const auto it = std::find_if(cities_.begin(), cities_.end(),
                               [&](const TCityGeoParams& c) { return sameName(c.Name, city.Name); });
  if (it == cities_.end()) {
    cities_.push_back(city);
    return;
  }
  std::string name = std::move(it->Name);  // the list keeps the spelling it knows
  *it = city;
  it->Name = std::move(name);
}

void TCityList::SortByName() {
  std::stable_sort(cities_.begin(), cities_.end(), [](const TCityGeoParams& a, const TCityGeoParams& b) {
    return collationKey(a.Name) < collationKey(b.Name);
  });
}

void TCityList::Read(const TIniFile& ini) {
  for (const TIniEntry& entry : ini.sectionValues(kCitiesSection)) {
    if (const auto city = parseCityEntry(entry.key, entry.value)) Put(*city);
  }
  SortByName();
}

void TCityList::Write(TIniFile& ini) const {
  std::vector<TIniEntry> entries;
  for (const TCityGeoParams& city : cities_) {
    if (!city.Name.empty()) entries.push_back({city.Name, cityEntryValue(city)});
  }
  ini.replaceSection(kCitiesSection, entries);
}

std::string TCityList::LoadCities(const std::string& settingsFile) {
  cities_ = BuiltInCities();
  TIniFile ini;
  const std::string error = ini.loadFile(settingsFile);
  Read(ini);
  return error;
}

std::string TCityList::SaveCities(const std::string& settingsFile, const TPRASettings& settings) {
  const TCityGeoParams current = CurrentCity(settings);
  if (!current.Name.empty()) Put(current);
  SortByName();
  return editIniFile(settingsFile, [&](TIniFile& ini) {
    for (const TIniEntry& entry : ini.sectionValues(kCitiesSection)) {
      if (Find(trimmed(entry.key)) != nullptr) continue;
      if (const auto city = parseCityEntry(entry.key, entry.value)) Put(*city);
    }
    SortByName();
    Write(ini);
  });
}

std::string TCityList::LoadCities() { return LoadCities(prepareSettingsFile()); }

std::string TCityList::SaveCities(const TPRASettings& settings) { return SaveCities(prepareSettingsFile(), settings); }

}  // namespace lir
