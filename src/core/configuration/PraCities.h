#pragma once
// The cities that fill in the geographic values of the output-block settings:
// a built-in table and the user's own cities, kept in the section "Cities" of
// the settings file as "name=latitude,longitude,time-zone offset,horizon".
//
// City names are the section's keys, so like them they compare without regard
// to case: "москва" in the file is Москва.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lir {

class TIniFile;
class TPRASettings;

inline constexpr const char* kCitiesSection = "Cities";

struct TCityGeoParams {
  std::string Name;
  int Latitude = 0;
  int Longitude = 0;
  int TimeZoneOffset = 0;  // minutes
  int Horizon = 0;

  bool operator==(const TCityGeoParams&) const = default;
};

// A city from one line of the section: at least three whole numbers separated
// by commas (latitude, longitude, time-zone offset), a fourth is the horizon
// and any further ones are not this program's. Nothing when the name is empty,
// a number cannot be read, or a value lies outside what the settings can hold.
std::optional<TCityGeoParams> parseCityEntry(std::string_view name, std::string_view value);
// "%d,%d,%d,%d": latitude, longitude, time-zone offset, horizon.
std::string cityEntryValue(const TCityGeoParams& city);

// Choosing a city copies its name, position, time-zone offset and horizon
// into the settings.
void ChooseCity(TPRASettings& settings, const TCityGeoParams& city);
// The settings' city name (spaces around it dropped) with their values.
TCityGeoParams CurrentCity(const TPRASettings& settings);

class TCityList {
 public:
  // The built-in cities, in name order.
  TCityList();

  static const std::vector<TCityGeoParams>& BuiltInCities();

  const std::vector<TCityGeoParams>& Cities() const { return cities_; }
  const TCityGeoParams* Find(std::string_view name) const;
  // Adds the city, or replaces the values of the city of that name.
  void Put(const TCityGeoParams& city);
  // Name order: alphabetical without regard to case, Ё beside Е.
  void SortByName();

  // Puts every readable entry of the section, then sorts.
  void Read(const TIniFile& ini);
  // The section holds the named cities of the list and nothing else; the
  // section keeps its place and the rest of the file is left alone.
  void Write(TIniFile& ini) const;

  // The built-in cities and then the section of the settings file. Answers the
  // reason when the file cannot be read (the built-in cities are there anyway),
  // else an empty text.
  std::string LoadCities(const std::string& settingsFile);
  // Puts the settings' current city (when it has a name), takes in the cities
  // another program instance wrote to the section meanwhile, sorts and
  // rewrites the section. Answers the reason of a failed save, else empty.
  std::string SaveCities(const std::string& settingsFile, const TPRASettings& settings);

  // The same with this program's settings file.
  std::string LoadCities();
  std::string SaveCities(const TPRASettings& settings);

 private:
  std::vector<TCityGeoParams> cities_;
};

}  // namespace lir
