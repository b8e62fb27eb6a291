#include "shell/DeviceKindTexts.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lir {
namespace {

TProjectTitleData data(int kind, std::string path = "", bool factory = false) {
  TProjectTitleData d;
  d.kind = static_cast<DeviceKind>(kind);
  d.projectName = "Ленина - Мира";
  d.objectName = "Объект 7";
  d.currentPath = std::move(path);
  d.factorySettings = factory;
  return d;
}

TEST(DeviceKindsTextsTest, CaptionOfEveryKindWithAndWithoutPath) {
  const std::string path = "/home/user/проект.x";
  const struct {
    int kind;
    const char* noPath;
    std::string withPath;
  } cases[] = {
      {0, "Ленина - Мира - Конфигуратор ЛИР", "Ленина - Мира - " + path},
      {1, "Конфигуратор ВЕЗ - Новый проект", "Конфигуратор ВЕЗ - " + path},
      {2, "Конфигуратор ВТЛГ - Новый проект", "Конфигуратор ВТЛГ - " + path},
      {3, "Объект 7 - Конфигуратор НАВ", "Объект 7 - " + path},
      {4, "Объект 7 - Конфигуратор ПЕЛ", "Объект 7 - " + path},
      {5, "Объект 7 - Конфигуратор ХРЗ", "Объект 7 - " + path},
      {6, "Объект 7 - Конфигуратор ЗИН", "Объект 7 - " + path},
      {7, "Объект 7 - Конфигуратор ЖЛМ", "Объект 7 - " + path},
      {8, "Конфигуратор ВЕЗ - Новый проект", "Конфигуратор ВЕЗ - " + path},
      {9, "", ""},
      {10, "Объект 7 - Конфигуратор ЯРС", "Объект 7 - " + path},
      {11, "Объект 7 - Конфигуратор РЕЛЗ", "Объект 7 - " + path},
      {12, "Ленина - Мира - Конфигуратор ЛИР", "Ленина - Мира - " + path},
      {13, "Ленина - Мира - Конфигуратор ЛИР", "Ленина - Мира - " + path},
      {14, "Конфигуратор ВЕН-5 - Новый проект", "Конфигуратор ВЕН-5 - " + path},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(windowCaption(data(c.kind)), c.noPath) << "kind " << c.kind;
    EXPECT_EQ(windowCaption(data(c.kind, path)), c.withPath) << "kind " << c.kind;
  }
}

TEST(DeviceKindsTextsTest, FactorySettingsShowOnlyForAudibleDevicesWithoutPath) {
  EXPECT_EQ(windowCaption(data(1, "", true)), "Конфигуратор ВЕЗ - Заводские установки");
  EXPECT_EQ(windowCaption(data(14, "", true)), "Конфигуратор ВЕН-5 - Заводские установки");
  EXPECT_EQ(windowCaption(data(8, "/a.wez", true)), "Конфигуратор ВЕЗ - /a.wez");
  EXPECT_EQ(windowCaption(data(0, "", true)), "Ленина - Мира - Конфигуратор ЛИР");
  EXPECT_EQ(windowCaption(data(3, "", true)), "Объект 7 - Конфигуратор НАВ");
}

TEST(DeviceKindsTextsTest, QuestionNamesTheFileOrTheNewProject) {
  const struct {
    TProjectTitleData data;
    const char* question;
  } cases[] = {
      {data(0), "Сохранить изменения в проекте «Ленина - Мира»?"},
      {data(13), "Сохранить изменения в проекте «Ленина - Мира»?"},
      {data(5), "Сохранить изменения в проекте «Объект 7»?"},
      {data(11), "Сохранить изменения в проекте «Объект 7»?"},
      {data(1), "Сохранить изменения в проекте?"},
      {data(14), "Сохранить изменения в проекте?"},
      {data(9), "Сохранить изменения в проекте?"},
      // With a path the file's own name is shown, whatever the kind.
      {data(0, "/home/user/Перекресток 1.lir"), "Сохранить изменения в проекте «Перекресток 1.lir»?"},
      {data(2, "/w/a.wez"), "Сохранить изменения в проекте «a.wez»?"},
      {data(3, "C:\\Проекты\\n.nav"), "Сохранить изменения в проекте «n.nav»?"},
      {data(4, "plain.pel"), "Сохранить изменения в проекте «plain.pel»?"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(unsavedChangesQuestion(c.data), c.question) << c.data.currentPath;
  }
  TProjectTitleData unnamed = data(0);
  unnamed.projectName.clear();
  EXPECT_EQ(unsavedChangesQuestion(unnamed), "Сохранить изменения в проекте?");
}

TEST(DeviceKindsTextsTest, SaveAsProposesACleanName) {
  const std::optional<std::string> keep;
  auto named = [](int kind, std::string project, std::string object, std::string path = "") {
    TProjectTitleData d = data(kind, std::move(path));
    d.projectName = std::move(project);
    d.objectName = std::move(object);
    return saveAsDefaultName(d);
  };
  // Controller kinds: the project name, trimmed and cleaned of the nine characters.
  EXPECT_EQ(named(0, "  Ленина/Мира: \"сев\" <*?>\\|  ", ""), "ЛенинаМира сев");
  EXPECT_EQ(named(12, "Мира", ""), "Мира");
  EXPECT_EQ(named(13, "\tМира\r\n", ""), "Мира");
  EXPECT_EQ(named(0, "   ", ""), "Новый перекресток");
  EXPECT_EQ(named(0, "?*:", ""), "Новый перекресток");
  EXPECT_EQ(named(0, "\" \"", ""), "Новый перекресток");  // only a blank left after cleaning
  EXPECT_EQ(named(0, "Мира", "", "/p/old.lir"), keep);
  // Fixed names for the audible-signal kinds.
  EXPECT_EQ(named(1, "x", "y"), "ВЕЗ. Светофорный объект");
  EXPECT_EQ(named(2, "x", "y"), "ВТЛГ. Светофорный объект");
  EXPECT_EQ(named(8, "x", "y"), "ВЕЗМ. Светофорный объект");
  EXPECT_EQ(named(9, "x", "y"), "ФЕК. Светофорный объект");
  EXPECT_EQ(named(14, "x", "y"), "ВЕН-5. Речевой информатор");
  EXPECT_EQ(named(14, "x", "y", "/p/a.vn5"), keep);
  // Module kinds: the object name, cleaned; kinds 5 and 10 also over a path.
  EXPECT_EQ(named(3, "x", "НАВ: пост/1"), "НАВ пост1");
  EXPECT_EQ(named(4, "x", "ПЕЛ|2"), "ПЕЛ2");
  EXPECT_EQ(named(3, "x", "НАВ", "/p/a.nav"), keep);
  EXPECT_EQ(named(4, "x", "ПЕЛ", "/p/a.pel"), keep);
  EXPECT_EQ(named(5, "x", "ХРЗ*1", "/p/a.hrz"), "ХРЗ1");
  EXPECT_EQ(named(10, "x", "ЯРС?", "/p/a.yrs"), "ЯРС");
  EXPECT_EQ(named(10, "x", "ЯРС"), "ЯРС");
  // Kinds without a project file propose nothing.
  for (int kind : {6, 7, 11}) EXPECT_EQ(named(kind, "x", "y"), keep) << kind;
}

}  // namespace
}  // namespace lir
