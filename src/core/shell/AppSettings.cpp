#include "shell/AppSettings.h"

#include <algorithm>
#include <string_view>

#include "common/ProgramFolder.h"

namespace lir {
namespace {

std::string_view withoutTrailingDelimiter(std::string_view folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
  return folder;
}

bool sameFolder(std::string_view a, std::string_view b) {
  return withoutTrailingDelimiter(a) == withoutTrailingDelimiter(b);
}

}  // namespace

std::string TAppSettings::templatesFolder(const std::string& programFolder) {
  return joinPath(programFolder, kTemplatesFolderName);
}

void TAppSettings::setBounds(const TWindowRect& rect) {
  Left = rect.left;
  Top = rect.top;
  Width = rect.width;
  Height = rect.height;
}

void TAppSettings::load(const TIniFile& ini, const TAppSettingsDefaults& defaults) {
  const char* s = kSection;
  AllRedTime = std::clamp(ini.readInteger(s, "AllRedTime", 3), 1, 254);
  NoAskAboutFix = ini.readBool(s, "NoAskAboutFix", false);
  CheckAssociation = ini.readBool(s, "CheckAssociation", true);
  CanSetDef = ini.readBool(s, "CanSetDef", false);
  DevType = ini.readInteger(s, "DevType", 0);
  if (DevType < 0 || DevType > kMaxDeviceKind) DevType = 0;
  Certified = ini.readBool(s, "Certified", false);
  FileDir = ini.readString(s, "FileDir", "");
  const std::string templates = templatesFolder(defaults.programFolder);
  SchemeDir = ini.readString(s, "SchemeDir", templates);
  LastFirmwareDir = ini.readString(s, "LastFirmwareDir", "");
  DefLastFileDir = ini.readBool(s, "DefLastFileDir", true);
  DefLastSchemeDir = ini.readBool(s, "DefLastSchemeDir", !sameFolder(SchemeDir, templates));
  TimeLineHeight = ini.readInteger(s, "TimeLineHeight", defaults.timeLineHeight);
  Maximized = ini.readBool(s, "Maximized", false);
  Width = ini.readInteger(s, "Width", defaults.bounds.width);
  Height = ini.readInteger(s, "Height", defaults.bounds.height);
  Left = ini.readInteger(s, "Left", defaults.bounds.left);
  Top = ini.readInteger(s, "Top", defaults.bounds.top);
  Recent.load(ini);
}

void TAppSettings::save(TIniFile& ini,
                        const std::function<bool(const std::string&)>& fileExists) const {
  const char* s = kSection;
  ini.writeBool(s, "CheckAssociation", CheckAssociation);
  ini.writeInteger(s, "DevType", DevType);
  // A folder name with a line break cannot be stored; the old value then stays.
  ini.writeString(s, "FileDir", FileDir);
  ini.writeString(s, "SchemeDir", SchemeDir);
  ini.writeString(s, "LastFirmwareDir", LastFirmwareDir);
  ini.writeBool(s, "DefLastFileDir", DefLastFileDir);
  ini.writeBool(s, "DefLastSchemeDir", DefLastSchemeDir);
  ini.writeInteger(s, "TimeLineHeight", TimeLineHeight);
  ini.writeBool(s, "Maximized", Maximized);
  ini.writeInteger(s, "Width", Width);
  ini.writeInteger(s, "Height", Height);
  ini.writeInteger(s, "Left", Left);
  ini.writeInteger(s, "Top", Top);
  Recent.save(ini, fileExists);
}

std::string loadAppSettings(const std::string& path, const TAppSettingsDefaults& defaults,
                            TAppSettings& settings) {
  TIniFile ini;
  const std::string error = ini.loadFile(path);
  settings.load(ini, defaults);
  return error;
}

std::string saveAppSettings(const std::string& path, const TAppSettings& settings) {
  return editIniFile(path, [&](TIniFile& ini) { settings.save(ini, pathExists); });
}

}  // namespace lir
