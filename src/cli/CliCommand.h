#pragma once
// The commands of the command-line tool. Each command is one entry of the
// table in CliCommands.cpp; main() only finds the entry and runs it.

#include <span>

namespace lir::cli {

// Exit codes shared by all commands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the work could not be done
inline constexpr int kExitUsage = 2;    // the command line is wrong

struct TCliCommand {
  const char* Name;
  const char* Summary;  // one line for the command list
  const char* Usage;    // the full help of the command
  // argc/argv start with the command name, as getopt_long expects.
  int (*Run)(int argc, char* argv[]);
};

std::span<const TCliCommand> CliCommands();
const TCliCommand* FindCliCommand(const char* name);

}  // namespace lir::cli
