#pragma once
// The program folder: the folder of the running program file, with a trailing
// path delimiter. Model plug-ins, the transfer library, the help file and a
// portable settings file are looked up there.

#include <string>

namespace lir {

std::string programFolder();

// Joins a folder and a name with exactly one delimiter between them.
std::string joinPath(const std::string& folder, const std::string& name);

}  // namespace lir
