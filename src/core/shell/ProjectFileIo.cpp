#include "shell/ProjectFileIo.h"


#include "common/AtomicFile.h"
#include "common/FileProbe.h"
#include "common/Format.h"

namespace lir {
std::string fileNotFoundMessage(const std::string& path) {
  return sformat("Файл не найден:\r\n%s", path.c_str());
}

std::string cannotOpenMessage(const std::string& path, const std::string& reason) {
  return sformat("Невозможно открыть файл \"%s\":\r\n%s", path.c_str(), reason.c_str());
}

TOpenResult openProjectFile(const std::string& path, const TProjectFormats& formats) {
  TOpenResult result;
  if (path.empty() || !pathExists(path)) {
    result.outcome = TOpenOutcome::Missing;
    result.message = fileNotFoundMessage(path);
    return result;
  }
  std::string bytes;
  std::string error;
  if (!readWholeFile(path, bytes, error)) {
    result.file.refusal = error;
    result.message = cannotOpenMessage(path, error);
    return result;
  }
  result.file = detectFileKind(path, bytes);
  if (!result.file.ok()) {
    result.message = cannotOpenMessage(path, result.file.refusal);
    return result;
  }
  error = formats.read(result.file.kind, result.file.role, path, bytes);
  if (!error.empty()) {
    result.message = cannotOpenMessage(path, error);
    return result;
  }
  result.outcome = TOpenOutcome::Opened;
  return result;
}

std::string saveProjectFile(const std::string& path, DeviceKind kind, const TProjectFormats& formats) {
  std::string bytes;
  const std::string error = formats.write(kind, bytes);
  if (!error.empty()) return error;
  return saveFileAtomically(path, bytes);
}

}  // namespace lir
