// How long the start-up spends on the model plug-ins: loading the sample model
// folder as the program does, against merely loading and unloading the same
// files, so that the ratio shows what asking the plug-ins adds.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "common/ProgramFolder.h"
#include "common/SharedLibrary.h"
#include "model/LIRModelFiles.h"
#include "model/LIRModelList.h"

namespace {

// The whole folder has to load within this, or the first showing of the main
// window lags noticeably.
constexpr double kFloorMs = 20.0;

// lir_bench lives in the program folder beside the sample plug-ins.
const std::string& sampleFolder() {
  static const std::string folder = lir::programFolder();
  return folder;
}

void reportPerPlugin(benchmark::State& state, std::size_t plugins) {
  state.counters["plugins"] = static_cast<double>(plugins);
  state.counters["per_plugin"] = benchmark::Counter(static_cast<double>(plugins),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}

void BM_LoadSampleModelFolder(benchmark::State& state) {
  std::size_t loaded = 0;
  std::size_t refused = 0;
  for (auto _ : state) {
    lir::TLIRModelList models;
    refused = 0;
    models.LoadModels(sampleFolder(), [&](const lir::TLIRModelLoadFailure&) { ++refused; });
    loaded = static_cast<std::size_t>(models.Count());
    benchmark::DoNotOptimize(loaded);
  }
  if (loaded == 0 || refused != 0) state.SkipWithError("the sample models did not all load");
  reportPerPlugin(state, loaded);
  state.counters["floor_ms"] = kFloorMs;
  state.SetLabel("floor 20 ms for the folder");
}
BENCHMARK(BM_LoadSampleModelFolder)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BareDlopenDlclose(benchmark::State& state) {
  std::vector<std::string> paths;
  for (const std::string& name : lir::ListModelLibraryFiles(sampleFolder())) {
    paths.push_back(lir::joinPath(sampleFolder(), name));
  }
  for (auto _ : state) {
    for (const std::string& path : paths) {
      lir::SharedLibrary library(path);
      benchmark::DoNotOptimize(library.isLoaded());
    }
  }
  reportPerPlugin(state, paths.size());
}
BENCHMARK(BM_BareDlopenDlclose)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
