// A sample controller model plug-in. The same source is built once per row of
// SampleModelTable.h; LIR_SAMPLE_MODEL names the row (the file name).

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "SampleModelTable.h"
#include "common/Cp1251.h"
#include "model/LIRModelExports.h"

#ifndef LIR_SAMPLE_MODEL
#error "LIR_SAMPLE_MODEL must name a row of SampleModelTable.h"
#endif

#define LIR_ZML_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

using lir::samples::TSampleModelRow;

constexpr const TSampleModelRow& kRow = lir::samples::FindSampleModel(LIR_SAMPLE_MODEL);
constexpr std::int32_t kBadIndex = 1;

// The texts in Windows-1251, converted once and kept until the library is
// unloaded, as the interface requires.
struct Texts {
  std::string Description;
  std::string FamilyName;
  std::vector<std::string> Outputs;
};

const Texts& texts() {
  static const Texts kTexts = [] {
    Texts t{lir::utf8ToCp1251(kRow.Description), lir::utf8ToCp1251(kRow.FamilyName), {}};
    const std::string prefix = lir::utf8ToCp1251(kRow.OutputPrefix);
    for (int i = 1; i <= kRow.OutputCount; ++i) t.Outputs.push_back(prefix + " " + std::to_string(i));
    return t;
  }();
  return kTexts;
}

bool validIndex(std::int32_t index) { return index >= 0 && index < kRow.OutputCount; }

}  // namespace

LIR_ZML_EXPORT std::uint32_t GetZMLVersion() { return 2; }
LIR_ZML_EXPORT std::uint32_t GetLastClientVersion() { return 1; }
LIR_ZML_EXPORT std::int32_t GetInternalID() { return kRow.InternalID; }
LIR_ZML_EXPORT std::uint8_t GetRevision() { return kRow.Revision; }
LIR_ZML_EXPORT const char* GetDescriptionA() { return texts().Description.c_str(); }
LIR_ZML_EXPORT std::uint8_t GetFamily() { return kRow.Family; }
LIR_ZML_EXPORT const char* GetFamilyNameA() { return texts().FamilyName.c_str(); }
LIR_ZML_EXPORT std::uint32_t GetFlags() { return kRow.Flags; }
LIR_ZML_EXPORT std::int32_t GetMaxRAMSize() { return kRow.MaxRAMSize; }
LIR_ZML_EXPORT std::int32_t GetMaxDayplanItemsCount() { return kRow.MaxDayplanItems; }
LIR_ZML_EXPORT std::int32_t GetMaxYearplanItemsCount() { return kRow.MaxYearplanItems; }
LIR_ZML_EXPORT std::int32_t GetMaxWorkCyclesCount() { return kRow.MaxWorkCycles; }
LIR_ZML_EXPORT std::uint8_t GetOutputCount() { return kRow.OutputCount; }
LIR_ZML_EXPORT std::uint8_t GetInputCount() { return kRow.InputCount; }

LIR_ZML_EXPORT std::int32_t GetOutputDescriptionA(std::int32_t index, const char** description) {
  if (!validIndex(index)) return kBadIndex;
  *description = texts().Outputs[static_cast<std::size_t>(index)].c_str();
  return 0;
}

LIR_ZML_EXPORT std::int32_t GetOutputMask(std::int32_t index, std::uint32_t* mask) {
  if (!validIndex(index)) return kBadIndex;
  const int boards = 3 * kRow.BoardOutputs;
  const int bit = index < boards ? index % kRow.BoardOutputs : kRow.BoardOutputs + (index - boards);
  *mask = std::uint32_t{1} << bit;
  return 0;
}

LIR_ZML_EXPORT std::int32_t GetOutputCtlOptions(std::int32_t index, std::uint32_t* options) {
  if (!validIndex(index)) return kBadIndex;
  const std::string_view pattern = kRow.CtlPattern;
  *options = static_cast<std::uint32_t>(pattern[static_cast<std::size_t>(index) % pattern.size()] - '0');
  return 0;
}

// The definitions above must keep the types the configurator calls them by.
namespace zml = lir::zml;
static_assert(std::is_same_v<decltype(&GetZMLVersion), zml::GetZMLVersionFn>);
static_assert(std::is_same_v<decltype(&GetLastClientVersion), zml::GetLastClientVersionFn>);
static_assert(std::is_same_v<decltype(&GetInternalID), zml::GetInternalIDFn>);
static_assert(std::is_same_v<decltype(&GetRevision), zml::GetRevisionFn>);
static_assert(std::is_same_v<decltype(&GetDescriptionA), zml::GetDescriptionAFn>);
static_assert(std::is_same_v<decltype(&GetFamily), zml::GetFamilyFn>);
static_assert(std::is_same_v<decltype(&GetFamilyNameA), zml::GetFamilyNameAFn>);
static_assert(std::is_same_v<decltype(&GetFlags), zml::GetFlagsFn>);
static_assert(std::is_same_v<decltype(&GetMaxRAMSize), zml::GetMaxRAMSizeFn>);
static_assert(std::is_same_v<decltype(&GetMaxDayplanItemsCount), zml::GetMaxDayplanItemsCountFn>);
static_assert(std::is_same_v<decltype(&GetMaxYearplanItemsCount), zml::GetMaxYearplanItemsCountFn>);
static_assert(std::is_same_v<decltype(&GetMaxWorkCyclesCount), zml::GetMaxWorkCyclesCountFn>);
static_assert(std::is_same_v<decltype(&GetOutputCount), zml::GetOutputCountFn>);
static_assert(std::is_same_v<decltype(&GetInputCount), zml::GetInputCountFn>);
static_assert(std::is_same_v<decltype(&GetOutputDescriptionA), zml::GetOutputDescriptionAFn>);
static_assert(std::is_same_v<decltype(&GetOutputMask), zml::GetOutputMaskFn>);
static_assert(std::is_same_v<decltype(&GetOutputCtlOptions), zml::GetOutputCtlOptionsFn>);
static_assert(kRow.BoardOutputs > 0 && kRow.BoardOutputs <= 32 && kRow.OutputCount <= 2 * kRow.BoardOutputs + 32,
              "every output must get a bit of the 32-bit output word");
