#pragma once
// The texts the main window builds from the current project: its caption, the
// question before unsaved work is lost and the name the Save As dialog proposes.

#include <optional>
#include <string>

#include "shell/DeviceKinds.h"

namespace lir {

// What the texts are made of. projectName matters for the controller kinds,
// objectName (the device's object name) for the module kinds.
struct TProjectTitleData {
  DeviceKind kind = DeviceKind::MainController;
  std::string projectName;
  std::string currentPath;  // empty for a project never saved or opened
  std::string objectName;
  bool factorySettings = false;  // the audible-signal device holds restored factory settings
};

std::string windowCaption(const TProjectTitleData& data);

// "Сохранить изменения в проекте «name»?" or, with no name to show,
// "Сохранить изменения в проекте?".
std::string unsavedChangesQuestion(const TProjectTitleData& data);

// The name the Save As dialog is to show; no value when the dialog keeps the
// name it already has (the file's own name once the project has a path).
std::optional<std::string> saveAsDefaultName(const TProjectTitleData& data);

// The last component of a path, with either separator.
std::string fileNameOf(const std::string& path);

}  // namespace lir
