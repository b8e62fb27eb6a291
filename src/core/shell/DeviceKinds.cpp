#include "shell/DeviceKinds.h"

#include <array>

namespace lir {
namespace {

using F = TDeviceFamily;
using N = TSaveAsNameRule;

constexpr std::string_view kControllerTitle = "Конфигуратор ЛИР";
constexpr std::string_view kControllerFilter = "Проекты ЛИР-3 (*.lir)|*.lir";
constexpr std::string_view kWezFilter = "Проекты ВЕЗ и ВТЛГ (*.wez)|*.wez";

constexpr std::array<TDeviceKindInfo, kDeviceKindCount> kKinds = {{
    {DeviceKind::MainController, "", false, kControllerTitle, ".lir", kControllerFilter, F::MainController,
     false, N::ProjectName, ""},
    {DeviceKind::AudibleSignal, "ВЕЗ-1", false, "Конфигуратор ВЕЗ", ".wez", kWezFilter, F::AudibleSignal, false,
     N::FixedName, "ВЕЗ. Светофорный объект"},
    {DeviceKind::PedestrianSound, "ВТЛГ-1", false, "Конфигуратор ВТЛГ", ".wez", kWezFilter, F::AudibleSignal,
     false, N::FixedName, "ВТЛГ. Светофорный объект"},
    {DeviceKind::GsmModule, "НАВ-1", false, "Конфигуратор НАВ", ".nav", "Проекты НАВ (*.nav)|*.nav", F::Module,
     false, N::ObjectName, ""},
    {DeviceKind::GprsModule, "ПЕЛ-1", false, "Конфигуратор ПЕЛ", ".pel", "Проекты ПЕЛ (*.pel)|*.pel", F::Module,
     false, N::ObjectName, ""},
    {DeviceKind::CommController, "ХРЗ-1", false, "Конфигуратор ХРЗ", ".hrz", "Проекты ХРЗ (*.hrz)|*.hrz",
     F::Module, false, N::ObjectNameAlways, ""},
    {DeviceKind::DetectorBlock, "ЗИН-2", false, "Конфигуратор ЗИН", "", "", F::Module, true, N::None, ""},
    {DeviceKind::StartLights, "ЖЛМ-1", false, "Конфигуратор ЖЛМ", "", "", F::Module, true, N::None, ""},
    {DeviceKind::AudibleSignalM, "ВЕЗ-1М", false, "Конфигуратор ВЕЗ", ".wez", kWezFilter, F::AudibleSignal,
     false, N::FixedName, "ВЕЗМ. Светофорный объект"},
    {DeviceKind::TransportDisplay, "ФЕК-1", true, "", ".feq", "Проекты FEQ-1 (*.feq)|*.feq", F::AudibleSignal,
     false, N::FixedName, "ФЕК. Светофорный объект"},
    {DeviceKind::MeterController, "ЯРС-1", false, "Конфигуратор ЯРС", ".yrs", "Проекты ЯРС (*.yrs)|*.yrs",
     F::Module, false, N::ObjectNameAlways, ""},
    {DeviceKind::UpsController, "РЕЛЗ-1", false, "Конфигуратор РЕЛЗ", "", "", F::Module, true, N::None, ""},
    {DeviceKind::MainControllerLov, "", false, kControllerTitle, ".lir", kControllerFilter, F::MainController,
     false, N::ProjectName, ""},
    {DeviceKind::MainController19, "", false, kControllerTitle, ".lir", kControllerFilter, F::MainController,
     false, N::ProjectName, ""},
    {DeviceKind::SoundInformer, "ВЕН-5", false, "Конфигуратор ВЕН-5", ".vn5", "Проекты ВЕН-5 (*.vn5)|*.vn5",
     F::AudibleSignal, false, N::FixedName, "ВЕН-5. Речевой информатор"},
}};

// The lookup indexes the table by value; a row out of place would silently
// give one kind another kind's texts.
constexpr bool tableInOrder() {
  for (std::size_t i = 0; i < kKinds.size(); ++i) {
    if (static_cast<std::size_t>(kKinds[i].kind) != i) return false;
  }
  return true;
}
static_assert(tableInOrder());

}  // namespace

std::span<const TDeviceKindInfo> deviceKinds() { return kKinds; }

bool isDeviceKind(int value) { return value >= 0 && value < kDeviceKindCount; }

const TDeviceKindInfo& deviceKindInfo(DeviceKind kind) {
  const auto index = static_cast<std::size_t>(kind);
  // A value cast from outside the enum falls back to the main controller
  // rather than reading past the table.
  return index < kKinds.size() ? kKinds[index] : kKinds[0];
}

std::string_view applicationTitle(DeviceKind kind) {
  if (isMainControllerKind(kind)) return "Конфигуратор контроллеров ЛИР";
  return deviceKindInfo(kind).titleWord;
}

DeviceKind deviceKindForModel(int internalId) {
  switch (internalId) {
    case 15:
    case 16:
      return DeviceKind::MainControllerLov;
    case 19:
      return DeviceKind::MainController19;
    default:
      return DeviceKind::MainController;
  }
}

}  // namespace lir
