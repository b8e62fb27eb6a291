#pragma once
// Controller models for the signal-group tests, described output by output
// with the lamp monitoring each output offers.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/Format.h"
#include "model/LIRModels.h"

namespace lir::test {

// GetOutputCtlOptions answers.
enum TOutputKind : std::uint32_t { P = 0, R = 1, G = 2, RG = 3 };

inline std::unique_ptr<TLIRModel> makeModel(const std::vector<TOutputKind>& outputs,
                                            const std::string& description = "ЛИР-3.2Н",
                                            std::uint32_t flags = mfSeveralControllers, std::uint8_t family = 3) {
  TLIRModelData data;
  data.Description = description;
  data.Family = family;
  data.Flags = flags;
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    data.Outputs.push_back({sformat("Выход %zu", i + 1), 1u << (i % 32), outputs[i]});
  }
  return std::make_unique<TLIRModel>(data);
}

// The outputs of a model as runs of one kind each, in order: {{16, G}, {32, P}}.
inline std::vector<TOutputKind> outputRuns(std::initializer_list<std::pair<int, TOutputKind>> runs) {
  std::vector<TOutputKind> outputs;
  for (const auto& [count, kind] : runs) outputs.insert(outputs.end(), static_cast<std::size_t>(count), kind);
  return outputs;
}

}  // namespace lir::test
