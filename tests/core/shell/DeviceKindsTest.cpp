#include "shell/DeviceKinds.h"

#include <gtest/gtest.h>

#include <string>

namespace lir {
namespace {

using F = TDeviceFamily;
using N = TSaveAsNameRule;

struct KindRow {
  int kind;
  const char* entry;
  bool hidden;
  const char* titleWord;
  const char* extension;
  const char* filter;
  F family;
  bool disabled;
  N nameRule;
  const char* fixedName;
  const char* appTitle;
};

// Written out from the device kind table, the filter list and the Save As rules.
const KindRow kRows[] = {
    {0, "", false, "Конфигуратор ЛИР", ".lir", "Проекты ЛИР-3 (*.lir)|*.lir", F::MainController, false,
     N::ProjectName, "", "Конфигуратор контроллеров ЛИР"},
    {1, "ВЕЗ-1", false, "Конфигуратор ВЕЗ", ".wez", "Проекты ВЕЗ и ВТЛГ (*.wez)|*.wez", F::AudibleSignal, false,
     N::FixedName, "ВЕЗ. Светофорный объект", "Конфигуратор ВЕЗ"},
    {2, "ВТЛГ-1", false, "Конфигуратор ВТЛГ", ".wez", "Проекты ВЕЗ и ВТЛГ (*.wez)|*.wez", F::AudibleSignal,
     false, N::FixedName, "ВТЛГ. Светофорный объект", "Конфигуратор ВТЛГ"},
    {3, "НАВ-1", false, "Конфигуратор НАВ", ".nav", "Проекты НАВ (*.nav)|*.nav", F::Module, false, N::ObjectName,
     "", "Конфигуратор НАВ"},
    {4, "ПЕЛ-1", false, "Конфигуратор ПЕЛ", ".pel", "Проекты ПЕЛ (*.pel)|*.pel", F::Module, false, N::ObjectName,
     "", "Конфигуратор ПЕЛ"},
    {5, "ХРЗ-1", false, "Конфигуратор ХРЗ", ".hrz", "Проекты ХРЗ (*.hrz)|*.hrz", F::Module, false,
     N::ObjectNameAlways, "", "Конфигуратор ХРЗ"},
    {6, "ЗИН-2", false, "Конфигуратор ЗИН", "", "", F::Module, true, N::None, "", "Конфигуратор ЗИН"},
    {7, "ЖЛМ-1", false, "Конфигуратор ЖЛМ", "", "", F::Module, true, N::None, "", "Конфигуратор ЖЛМ"},
    {8, "ВЕЗ-1М", false, "Конфигуратор ВЕЗ", ".wez", "Проекты ВЕЗ и ВТЛГ (*.wez)|*.wez", F::AudibleSignal,
     false, N::FixedName, "ВЕЗМ. Светофорный объект", "Конфигуратор ВЕЗ"},
    {9, "ФЕК-1", true, "", ".feq", "Проекты FEQ-1 (*.feq)|*.feq", F::AudibleSignal, false, N::FixedName,
     "ФЕК. Светофорный объект", ""},
    {10, "ЯРС-1", false, "Конфигуратор ЯРС", ".yrs", "Проекты ЯРС (*.yrs)|*.yrs", F::Module, false,
     N::ObjectNameAlways, "", "Конфигуратор ЯРС"},
    {11, "РЕЛЗ-1", false, "Конфигуратор РЕЛЗ", "", "", F::Module, true, N::None, "", "Конфигуратор РЕЛЗ"},
    {12, "", false, "Конфигуратор ЛИР", ".lir", "Проекты ЛИР-3 (*.lir)|*.lir", F::MainController, false,
     N::ProjectName, "", "Конфигуратор контроллеров ЛИР"},
    {13, "", false, "Конфигуратор ЛИР", ".lir", "Проекты ЛИР-3 (*.lir)|*.lir", F::MainController, false,
     N::ProjectName, "", "Конфигуратор контроллеров ЛИР"},
    {14, "ВЕН-5", false, "Конфигуратор ВЕН-5", ".vn5", "Проекты ВЕН-5 (*.vn5)|*.vn5", F::AudibleSignal, false,
     N::FixedName, "ВЕН-5. Речевой информатор", "Конфигуратор ВЕН-5"},
};

TEST(DeviceKindsTest, EveryKindCarriesItsRow) {
  ASSERT_EQ(deviceKinds().size(), std::size(kRows));
  for (const KindRow& row : kRows) {
    SCOPED_TRACE("kind " + std::to_string(row.kind));
    const auto kind = static_cast<DeviceKind>(row.kind);
    const TDeviceKindInfo& info = deviceKindInfo(kind);
    EXPECT_EQ(info.kind, kind);
    EXPECT_EQ(info.menuEntry, row.entry);
    EXPECT_EQ(info.menuEntryHidden, row.hidden);
    EXPECT_EQ(info.titleWord, row.titleWord);
    EXPECT_EQ(info.extension, row.extension);
    EXPECT_EQ(info.saveFilter, row.filter);
    EXPECT_EQ(info.family, row.family);
    EXPECT_EQ(info.fileOperationsDisabled, row.disabled);
    EXPECT_EQ(info.saveAsName, row.nameRule);
    EXPECT_EQ(info.fixedFileName, row.fixedName);
    EXPECT_EQ(applicationTitle(kind), row.appTitle);
    EXPECT_EQ(isMainControllerKind(kind), row.family == F::MainController);
    EXPECT_EQ(isAudibleSignalKind(kind), row.family == F::AudibleSignal);
    EXPECT_EQ(isModuleKind(kind), row.family == F::Module);
  }
}

TEST(DeviceKindsTest, OnlyTheStoredRangeIsAKind) {
  EXPECT_FALSE(isDeviceKind(-1));
  EXPECT_TRUE(isDeviceKind(0));
  EXPECT_TRUE(isDeviceKind(14));
  EXPECT_FALSE(isDeviceKind(15));
  EXPECT_FALSE(isDeviceKind(255));
}

TEST(DeviceKindsTest, ModelsWithTheirOwnWindowVariantGetTheirKind) {
  const struct {
    int internalId;
    DeviceKind kind;
  } cases[] = {
      {0, DeviceKind::MainController},     {10, DeviceKind::MainController},
      {14, DeviceKind::MainController},    {15, DeviceKind::MainControllerLov},
      {16, DeviceKind::MainControllerLov}, {17, DeviceKind::MainController},
      {18, DeviceKind::MainController},    {19, DeviceKind::MainController19},
      {20, DeviceKind::MainController},    {-1, DeviceKind::MainController},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(deviceKindForModel(c.internalId), c.kind) << "InternalID " << c.internalId;
  }
}

}  // namespace
}  // namespace lir
