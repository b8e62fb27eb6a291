#pragma once
// The readers and writers of project files, one pair per device kind and
// reader role. Each device's code registers its own pair, capturing whatever it
// reads into (the controller project with its model list, a device object), so
// the main window opens and saves any kind through this one table.

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "shell/DeviceKinds.h"
#include "shell/FileKindDetection.h"

namespace lir {

// Fills the project from the whole file. Answers an empty text on success, else
// the reason for the user; the path is there for messages and for formats that
// look beside the file.
using TProjectReader = std::function<std::string(const std::string& path, std::string_view bytes)>;
// Puts the whole file into bytes. Answers an empty text on success, else the
// reason for the user.
using TProjectWriter = std::function<std::string(std::string& bytes)>;

class TProjectFormats {
 public:
  // Answers of a kind that has no reader or writer registered: a plain refusal
  // through the normal error path rather than an empty project or an empty file
  // passed off as success.
  static constexpr const char* kNoReaderText = "Чтение файлов этого типа не поддерживается.";
  static constexpr const char* kNoWriterText = "Сохранение проектов этого типа не поддерживается.";
  // A kind without any project file (the firmware-only devices).
  static constexpr const char* kNoProjectFileText = "Неизвестная ошибка!";
  // A reader or writer that failed by throwing without a text of its own.
  static constexpr const char* kUnknownErrorText = "Неизвестная ошибка!";

  // A later call for the same kind and role replaces the pair. Either half may
  // be empty.
  void Register(DeviceKind kind, TReaderRole role, TProjectReader reader, TProjectWriter writer = {});

  bool hasReader(DeviceKind kind, TReaderRole role) const;
  bool hasWriter(DeviceKind kind, TReaderRole role = TReaderRole::Project) const;

  // Empty on success, else the reason. Exceptions of the reader or writer come
  // back as their text.
  std::string read(DeviceKind kind, TReaderRole role, const std::string& path, std::string_view bytes) const;
  std::string write(DeviceKind kind, std::string& bytes, TReaderRole role = TReaderRole::Project) const;

 private:
  struct TFormat {
    TProjectReader reader;
    TProjectWriter writer;
  };
  const TFormat* find(DeviceKind kind, TReaderRole role) const;

  std::map<std::pair<DeviceKind, TReaderRole>, TFormat> formats_;
};

}  // namespace lir
