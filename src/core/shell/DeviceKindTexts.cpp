#include "shell/DeviceKindTexts.h"

#include <string_view>

#include "common/FileNames.h"
#include "common/Format.h"

namespace lir {
namespace {

constexpr const char* kDefaultProjectName = "Новый перекресток";

// Blanks and control characters at both ends, as a typed name may carry them.
std::string trimmed(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

std::string pathOrDefault(const std::string& path, std::string_view fallback) {
  return path.empty() ? std::string(fallback) : path;
}

}  // namespace

std::string fileNameOf(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string windowCaption(const TProjectTitleData& data) {
  const TDeviceKindInfo& info = deviceKindInfo(data.kind);
  if (data.kind == DeviceKind::TransportDisplay) return "";
  switch (info.family) {
    case TDeviceFamily::MainController:
      return data.projectName + " - " + pathOrDefault(data.currentPath, info.titleWord);
    case TDeviceFamily::Module:
      return data.objectName + " - " + pathOrDefault(data.currentPath, info.titleWord);
    case TDeviceFamily::AudibleSignal:
      // The path wins: a device read from a file shows where it came from even
      // when that file held factory settings.
      return std::string(info.titleWord) + " - " +
             pathOrDefault(data.currentPath, data.factorySettings ? "Заводские установки" : "Новый проект");
  }
  return "";
}

std::string unsavedChangesQuestion(const TProjectTitleData& data) {
  std::string name;
  if (!data.currentPath.empty()) {
    name = fileNameOf(data.currentPath);
  } else if (isMainControllerKind(data.kind)) {
    name = data.projectName;
  } else if (isModuleKind(data.kind)) {
    name = data.objectName;
  }
  // An empty name would show as a bare pair of quotes.
  const std::string placeholder = name.empty() ? "" : " «" + name + "»";
  return sformat("Сохранить изменения в проекте%s?", placeholder.c_str());
}

std::optional<std::string> saveAsDefaultName(const TProjectTitleData& data) {
  const TDeviceKindInfo& info = deviceKindInfo(data.kind);
  const bool hasPath = !data.currentPath.empty();
  switch (info.saveAsName) {
    case TSaveAsNameRule::None:
      return std::nullopt;
    case TSaveAsNameRule::ProjectName: {
      if (hasPath) return std::nullopt;
      // Trimmed once more after cleaning: a name such as "\" \"" would
      // otherwise propose a file called only by a blank.
      std::string name = trimmed(cleanFileName(trimmed(data.projectName)));
      return name.empty() ? std::string(kDefaultProjectName) : name;
    }
    case TSaveAsNameRule::FixedName:
      if (hasPath) return std::nullopt;
      return std::string(info.fixedFileName);
    case TSaveAsNameRule::ObjectName:
      if (hasPath) return std::nullopt;
      return cleanFileName(data.objectName);
    case TSaveAsNameRule::ObjectNameAlways:
      return cleanFileName(data.objectName);
  }
  return std::nullopt;
}

}  // namespace lir
