#pragma once
// The transfer library: a library outside the program, in the program folder,
// through which images reach most main controllers and the audible-signal
// devices, and which reads the controllers' journals. Every use loads it, calls
// one export and unloads it again.

#include <cstdint>
#include <string>

namespace lir {

// The library's file in the program folder.
inline constexpr const char* kTransferLibraryFileName = "DataExp.so";

// The main window's native handle, handed to the library for its own dialogs.
using TWindowHandle = std::uintptr_t;

struct TTransferCall {
  bool called = false;
  // What the user is to be told when nothing was called; empty when the
  // library could not be loaded at all, which is not reported.
  std::string message;
};

// Calls one of the exports that take only the window ("ReadCrushList",
// "ReadJournal"). The library is looked up in folder (the program folder).
TTransferCall callTransferWindowExport(const std::string& folder, const char* exportName,
                                       TWindowHandle window);

// "Функция <name> не найдена.\r\nОбновите библиотеку <library>."
std::string transferExportMissingMessage(const char* exportName);

}  // namespace lir
