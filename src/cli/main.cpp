// lirconf: the configurator's work without its windows, one command per call.

#include <cstdio>
#include <cstring>

#include "CliCommand.h"

namespace {

using namespace lir::cli;

void printOverview(std::FILE* out) {
  std::fputs(
      "Использование: lirconf КОМАНДА [ПАРАМЕТРЫ]\n"
      "       lirconf help [КОМАНДА]\n"
      "\n"
      "Команды:\n",
      out);
  for (const TCliCommand& command : CliCommands()) std::fprintf(out, "  %-10s %s\n", command.Name, command.Summary);
  std::fputs("\nСправка по команде: lirconf КОМАНДА --help\n", out);
}

int runHelp(int argc, char* argv[]) {
  if (argc < 3) {
    printOverview(stdout);
    return kExitOk;
  }
  const TCliCommand* command = FindCliCommand(argv[2]);
  if (command == nullptr) {
    std::fprintf(stderr, "lirconf: неизвестная команда «%s».\n", argv[2]);
    return kExitUsage;
  }
  std::fputs(command->Usage, stdout);
  return kExitOk;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    printOverview(stderr);
    return kExitUsage;
  }
  const char* name = argv[1];
  if (std::strcmp(name, "help") == 0 || std::strcmp(name, "--help") == 0 || std::strcmp(name, "-h") == 0) {
    return runHelp(argc, argv);
  }
  const TCliCommand* command = FindCliCommand(name);
  if (command == nullptr) {
    std::fprintf(stderr, "lirconf: неизвестная команда «%s».\n", name);
    printOverview(stderr);
    return kExitUsage;
  }
  return command->Run(argc - 1, argv + 1);
}
