#pragma once
// Opening and saving a project file of any kind: the file system, the choice
// of the reader and the texts the user sees. What the window does around it
// (reset, pages, recent list) stays with the window.

#include <string>

#include "shell/FileKindDetection.h"
#include "shell/ProjectFormats.h"

namespace lir {

enum class TOpenOutcome : unsigned char {
  Opened,
  Missing,  // nothing was read and nothing is to change
  Failed,   // the window falls back to an empty project
};

struct TOpenResult {
  TOpenOutcome outcome = TOpenOutcome::Failed;
  // What the file was taken for. When file.ok(), the project is now of
  // file.kind, also after a failed read; otherwise the kind stays as it was.
  TFileKind file;
  // For Missing and Failed: the whole text of the error box.
  std::string message;
};

// "Файл не найден:\r\n<path>"
std::string fileNotFoundMessage(const std::string& path);
// "Невозможно открыть файл \"<path>\":\r\n<reason>"
std::string cannotOpenMessage(const std::string& path, const std::string& reason);

TOpenResult openProjectFile(const std::string& path, const TProjectFormats& formats);

// Writes the project of the kind to path; the old file stays whole when either
// the writer or the file system fails. Empty on success, else the reason.
std::string saveProjectFile(const std::string& path, DeviceKind kind, const TProjectFormats& formats);

}  // namespace lir
