#include "model/LIRModelLibrary.h"

#include "common/Cp1251.h"
#include "common/Format.h"
#include "common/SharedLibrary.h"
#include "model/LIRModelException.h"
#include "model/LIRModelExports.h"

namespace lir {
namespace {

constexpr const char* kOutdated = "Библиотека устарела и не поддерживается в данной версии.";
constexpr const char* kNeedsNewerClient = "Библиотека требует более новую версию конфигуратора.";

template <typename Fn>
Fn requireExport(const SharedLibrary& library, const char* name) {
  const Fn fn = library.function<Fn>(name);
  if (fn == nullptr) throw ELIRModelException(sformat("Функция %s не найдена.", name));
  return fn;
}

void requireSuccess(std::int32_t result, const char* name) {
  if (result != 0) throw ELIRModelException(sformat("Функция %s вернула ошибку %d.", name, result));
}

std::string textFrom(const char* cp1251) { return cp1251 != nullptr ? cp1251ToUtf8(cp1251) : std::string(); }

void checkInterfaceVersion(const SharedLibrary& library) {
  if (library.symbol(zml::kOutdatedMarker) != nullptr) throw ELIRModelException(kOutdated);
  const auto zmlVersion = library.function<zml::GetZMLVersionFn>("GetZMLVersion");
  if (zmlVersion == nullptr || zmlVersion() < zml::kMinZMLVersion) throw ELIRModelException(kOutdated);
  const auto clientVersion = library.function<zml::GetLastClientVersionFn>("GetLastClientVersion");
  if (clientVersion == nullptr) throw ELIRModelException(kOutdated);
  if (clientVersion() > zml::kClientVersion) throw ELIRModelException(kNeedsNewerClient);
}

// Each export is resolved and called before the next one is looked at, so a
// missing export is reported only after the earlier ones have answered.
void readModelValues(const SharedLibrary& library, TLIRModelData& data) {
  data.InternalID = requireExport<zml::GetInternalIDFn>(library, "GetInternalID")();
  data.Revision = requireExport<zml::GetRevisionFn>(library, "GetRevision")();
  data.Description = textFrom(requireExport<zml::GetDescriptionAFn>(library, "GetDescriptionA")());
  data.Family = requireExport<zml::GetFamilyFn>(library, "GetFamily")();
  data.FamilyName = textFrom(requireExport<zml::GetFamilyNameAFn>(library, "GetFamilyNameA")());
  data.Flags = requireExport<zml::GetFlagsFn>(library, "GetFlags")();
  data.MaxRAMSize = requireExport<zml::GetMaxRAMSizeFn>(library, "GetMaxRAMSize")();
  data.MaxDayplanItems = requireExport<zml::GetMaxDayplanItemsCountFn>(library, "GetMaxDayplanItemsCount")();
  data.MaxYearplanItems = requireExport<zml::GetMaxYearplanItemsCountFn>(library, "GetMaxYearplanItemsCount")();
  data.MaxWorkCycles = requireExport<zml::GetMaxWorkCyclesCountFn>(library, "GetMaxWorkCyclesCount")();
}

void readOutputs(const SharedLibrary& library, TLIRModelData& data) {
  const auto description = requireExport<zml::GetOutputDescriptionAFn>(library, "GetOutputDescriptionA");
  const auto mask = requireExport<zml::GetOutputMaskFn>(library, "GetOutputMask");
  const auto ctlOptions = requireExport<zml::GetOutputCtlOptionsFn>(library, "GetOutputCtlOptions");
  const int count = requireExport<zml::GetOutputCountFn>(library, "GetOutputCount")();
  data.Outputs.reserve(static_cast<std::size_t>(count));
  for (std::int32_t index = 0; index < count; ++index) {
    const char* text = "";
    std::uint32_t maskValue = 0;
    std::uint32_t optionsValue = 0;
    requireSuccess(description(index, &text), "GetOutputDescriptionA");
    requireSuccess(mask(index, &maskValue), "GetOutputMask");
    requireSuccess(ctlOptions(index, &optionsValue), "GetOutputCtlOptions");
    data.Outputs.push_back({textFrom(text), maskValue, optionsValue});
  }
}

}  // namespace

TLIRModelData ReadModelLibrary(const std::string& path) {
  const SharedLibrary library(path);
  if (!library.isLoaded()) throw ELIRModelException(library.errorText());

  checkInterfaceVersion(library);
  TLIRModelData data;
  readModelValues(library, data);
  readOutputs(library, data);
  data.InputCount = requireExport<zml::GetInputCountFn>(library, "GetInputCount")();
  return data;
}

}  // namespace lir
