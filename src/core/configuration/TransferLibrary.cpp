#include "configuration/TransferLibrary.h"

#include "common/FileProbe.h"
#include "common/Format.h"
#include "common/ProgramFolder.h"
#include "common/SharedLibrary.h"

namespace lir {
namespace {

// The library's exports use the platform's plain C calling convention.
using TWindowExportFn = void (*)(TWindowHandle window);

}  // namespace

std::string transferExportMissingMessage(const char* exportName) {
  return sformat("Функция %s не найдена.\r\nОбновите библиотеку %s.", exportName,
                 kTransferLibraryFileName);
}

TTransferCall callTransferWindowExport(const std::string& folder, const char* exportName,
                                       TWindowHandle window) {
  const std::string path = joinPath(folder, kTransferLibraryFileName);
  if (!isRegularFile(path)) return {false, sformat("Файл не найден:\r\n%s", path.c_str())};
  const SharedLibrary library(path);
  if (!library.isLoaded()) return {false, {}};
  const auto function = library.function<TWindowExportFn>(exportName);
  if (function == nullptr) return {false, transferExportMissingMessage(exportName)};
  function(window);
  return {true, {}};
}

}  // namespace lir
