#include <cstring>

#include "CliCommand.h"
#include "ModelsCommand.h"

namespace lir::cli {
namespace {

const TCliCommand kCommands[] = {
    {"models", "список моделей контроллеров из модулей *.zml", kModelsUsage, RunModelsCommand},
};

}  // namespace

std::span<const TCliCommand> CliCommands() { return kCommands; }

const TCliCommand* FindCliCommand(const char* name) {
  for (const TCliCommand& command : kCommands) {
    if (std::strcmp(command.Name, name) == 0) return &command;
  }
  return nullptr;
}

}  // namespace lir::cli
