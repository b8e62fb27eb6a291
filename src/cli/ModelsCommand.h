#pragma once

namespace lir::cli {

// lirconf models [--dir DIR]: lists the controller models of the plug-ins.
int RunModelsCommand(int argc, char* argv[]);
extern const char* const kModelsUsage;

}  // namespace lir::cli
