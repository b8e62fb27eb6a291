#include "ModelsCommand.h"

#include <getopt.h>

#include <cstdio>
#include <string>

#include "CliCommand.h"
#include "CliText.h"
#include "common/ProgramFolder.h"
#include "model/LIRModelException.h"
#include "model/LIRModelList.h"

namespace lir::cli {

const char* const kModelsUsage =
    "Использование: lirconf models [--dir ПАПКА]\n"
    "\n"
    "Загружает модули моделей контроллеров (*.zml) из папки в порядке программы\n"
    "и выводит по строке на модель, поля через табуляцию:\n"
    "InternalID, Revision, Family, описание, число выходов, число входов ТВП,\n"
    "флаги (шестнадцатеричные). Отвергнутые модули сообщаются в поток ошибок.\n"
    "\n"
    "  -d, --dir ПАПКА  папка модулей (по умолчанию папка программы)\n"
    "  -h, --help       эта справка\n"
    "\n"
    "Код выхода: 0, когда папку удалось прочитать; 1, когда нет; 2 при ошибке\n"
    "в командной строке.\n";

int RunModelsCommand(int argc, char* argv[]) {
  static const option kOptions[] = {
      {"dir", required_argument, nullptr, 'd'},
      {"help", no_argument, nullptr, 'h'},
      {nullptr, 0, nullptr, 0},
  };
  std::string folder = programFolder();
  optind = 0;  // a fresh scan, whatever was parsed before
  for (int c; (c = getopt_long(argc, argv, "d:h", kOptions, nullptr)) != -1;) {
    switch (c) {
      case 'd':
        folder = optarg;
        break;
      case 'h':
        std::fputs(kModelsUsage, stdout);
        return kExitOk;
      default:
        std::fputs(kModelsUsage, stderr);
        return kExitUsage;
    }
  }
  if (optind < argc) {
    std::fprintf(stderr, "lirconf models: лишний аргумент «%s».\n", argv[optind]);
    return kExitUsage;
  }

  TLIRModelList models;
  try {
    models.LoadModels(folder, [](const TLIRModelLoadFailure& failure) {
      std::fprintf(stderr, "%s\n", ConsoleText(failure.Message()).c_str());
    });
  } catch (const ELIRModelFolderException& e) {
    std::fprintf(stderr, "lirconf models: %s\n", e.what());
    return kExitFailure;
  }
  for (const auto& model : models) {
    std::printf("%d\t%u\t%u\t%s\t%d\t%d\t0x%08X\n", model->InternalID(), model->Revision(), model->Family(),
                model->Description().c_str(), model->OutputCount(), model->InputCount(), model->Flags());
  }
  return std::fflush(stdout) == 0 ? kExitOk : kExitFailure;
}

}  // namespace lir::cli
