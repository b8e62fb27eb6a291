#include "shell/ProjectFormats.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "core/shell/TempFolder.h"
#include "shell/ProjectFileIo.h"

namespace lir {
namespace {

using R = TReaderRole;

// A format standing for a device's code: it reads into and writes from a
// device object it captured when it registered.
struct FakeDevice {
  std::string content;
  std::string readPath;
  int reads = 0;
};

void registerFake(TProjectFormats& formats, DeviceKind kind, R role, FakeDevice& device) {
  formats.Register(
      kind, role,
      [&device](const std::string& path, std::string_view bytes) {
        ++device.reads;
        device.readPath = path;
        if (bytes.find("broken") != std::string_view::npos) return std::string("Данные повреждены.");
        device.content = std::string(bytes);
        return std::string();
      },
      [&device](std::string& bytes) {
        if (device.content.empty()) return std::string("Нечего сохранять.");
        bytes = device.content;
        return std::string();
      });
}

class ProjectFormatsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.ok()); }

  std::string put(const std::string& name, const std::string& bytes) {
    const std::string path = folder_.file(name);
    test::TempFolder::put(path, bytes);
    return path;
  }

  test::TempFolder folder_;
  TProjectFormats formats_;
};

TEST_F(ProjectFormatsTest, UnregisteredKindsAnswerAnErrorNeverSuccess) {
  for (const auto& info : deviceKinds()) {
    SCOPED_TRACE(static_cast<int>(info.kind));
    EXPECT_FALSE(formats_.hasReader(info.kind, R::Project));
    EXPECT_EQ(formats_.read(info.kind, R::Project, "/p/a", "bytes"), TProjectFormats::kNoReaderText);
    EXPECT_EQ(formats_.read(info.kind, R::Image, "/p/a", "bytes"), TProjectFormats::kNoReaderText);
    std::string bytes = "stale";
    const std::string error = formats_.write(info.kind, bytes);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(error, info.extension.empty() ? "Неизвестная ошибка!" : TProjectFormats::kNoWriterText);
  }
}

TEST_F(ProjectFormatsTest, ReaderIsChosenByKindAndRole) {
  FakeDevice project, image;
  registerFake(formats_, DeviceKind::GsmModule, R::Project, project);
  registerFake(formats_, DeviceKind::GsmModule, R::Image, image);

  const std::string navPath = put("a.NAV", "project bytes");
  const TOpenResult opened = openProjectFile(navPath, formats_);
  EXPECT_EQ(opened.outcome, TOpenOutcome::Opened);
  EXPECT_EQ(opened.message, "");
  EXPECT_EQ(opened.file.kind, DeviceKind::GsmModule);
  EXPECT_EQ(project.content, "project bytes");
  EXPECT_EQ(project.readPath, navPath);
  EXPECT_EQ(image.reads, 0);

  const TOpenResult imageOpened = openProjectFile(put("b.bin", "NAV1 image"), formats_);
  EXPECT_EQ(imageOpened.outcome, TOpenOutcome::Opened);
  EXPECT_EQ(imageOpened.file.role, R::Image);
  EXPECT_FALSE(imageOpened.file.keepsPath);
  EXPECT_EQ(image.content, "NAV1 image");
  EXPECT_EQ(project.reads, 1);
}

TEST_F(ProjectFormatsTest, OpenFailuresCarryTheirTexts) {
  FakeDevice device;
  registerFake(formats_, DeviceKind::MainController, R::Project, device);

  const std::string missing = folder_.file("нет такого.lir");
  const TOpenResult m = openProjectFile(missing, formats_);
  EXPECT_EQ(m.outcome, TOpenOutcome::Missing);
  EXPECT_EQ(m.message, "Файл не найден:\r\n" + missing);
  EXPECT_EQ(device.reads, 0);

  const std::string broken = put("broken.lir", "broken project");
  const TOpenResult b = openProjectFile(broken, formats_);
  EXPECT_EQ(b.outcome, TOpenOutcome::Failed);
  EXPECT_EQ(b.message, "Невозможно открыть файл \"" + broken + "\":\r\nДанные повреждены.");
  EXPECT_TRUE(b.file.ok());  // the kind is known: the window resets to it
  EXPECT_EQ(b.file.kind, DeviceKind::MainController);

  const std::string config = put("c.l0", "whatever");
  const TOpenResult c = openProjectFile(config, formats_);
  EXPECT_EQ(c.outcome, TOpenOutcome::Failed);
  EXPECT_FALSE(c.file.ok());
  EXPECT_EQ(c.message, "Невозможно открыть файл \"" + config +
                           "\":\r\nНевозможно восстановить проект из файла конфигурации контроллера.");

  const std::string unknown = put("d.txt", "plain text file");
  EXPECT_EQ(openProjectFile(unknown, formats_).message,
            "Невозможно открыть файл \"" + unknown +
                "\":\r\nневерная сигнатура. Формат не поддерживается или файл повреждён.");

  // A kind nobody registered yet fails through the same path.
  const std::string pel = put("e.pel", "PEL1....");
  const TOpenResult p = openProjectFile(pel, formats_);
  EXPECT_EQ(p.outcome, TOpenOutcome::Failed);
  EXPECT_EQ(p.file.kind, DeviceKind::GprsModule);
  EXPECT_EQ(p.message, "Невозможно открыть файл \"" + pel + "\":\r\n" + TProjectFormats::kNoReaderText);

  // A folder exists but cannot be read as a file.
  const TOpenResult f = openProjectFile(folder_.path(), formats_);
  EXPECT_EQ(f.outcome, TOpenOutcome::Failed);
  EXPECT_NE(f.message.find("Невозможно открыть файл"), std::string::npos);
}

TEST_F(ProjectFormatsTest, ThrowingFormatsBecomeErrorTexts) {
  formats_.Register(
      DeviceKind::CommController, R::Project,
      [](const std::string&, std::string_view) -> std::string { throw std::runtime_error("Конец данных."); },
      [](std::string&) -> std::string { throw 42; });
  const std::string path = put("a.hrz", "HRZ1");
  const TOpenResult r = openProjectFile(path, formats_);
  EXPECT_EQ(r.outcome, TOpenOutcome::Failed);
  EXPECT_EQ(r.message, "Невозможно открыть файл \"" + path + "\":\r\nКонец данных.");
  EXPECT_EQ(saveProjectFile(path, DeviceKind::CommController, formats_), TProjectFormats::kUnknownErrorText);
  EXPECT_EQ(test::TempFolder::contents(path), "HRZ1");
}

TEST_F(ProjectFormatsTest, SavingWritesTheWholeFileOrLeavesTheOldOne) {
  FakeDevice device;
  registerFake(formats_, DeviceKind::AudibleSignal, R::Project, device);
  const std::string path = put("a.wez", "old file");

  EXPECT_EQ(saveProjectFile(path, DeviceKind::AudibleSignal, formats_), "Нечего сохранять.");
  EXPECT_EQ(test::TempFolder::contents(path), "old file");

  // Kind 2 shares the file format but registered no writer: no silent success.
  EXPECT_EQ(saveProjectFile(path, DeviceKind::PedestrianSound, formats_), TProjectFormats::kNoWriterText);
  EXPECT_EQ(saveProjectFile(path, DeviceKind::TransportDisplay, formats_), TProjectFormats::kNoWriterText);
  EXPECT_EQ(saveProjectFile(path, DeviceKind::UpsController, formats_), "Неизвестная ошибка!");
  EXPECT_EQ(test::TempFolder::contents(path), "old file");

  device.content = "WEZ new";
  EXPECT_EQ(saveProjectFile(path, DeviceKind::AudibleSignal, formats_), "");
  EXPECT_EQ(test::TempFolder::contents(path), "WEZ new");
}

TEST_F(ProjectFormatsTest, LaterRegistrationReplacesAndEmptyHalvesCount) {
  FakeDevice first, second;
  registerFake(formats_, DeviceKind::MeterController, R::Project, first);
  registerFake(formats_, DeviceKind::MeterController, R::Project, second);
  EXPECT_EQ(formats_.read(DeviceKind::MeterController, R::Project, "/a.yrs", "data"), "");
  EXPECT_EQ(first.reads, 0);
  EXPECT_EQ(second.reads, 1);

  formats_.Register(DeviceKind::MeterController, R::Project, {}, {});
  EXPECT_FALSE(formats_.hasReader(DeviceKind::MeterController, R::Project));
  EXPECT_FALSE(formats_.hasWriter(DeviceKind::MeterController));
  EXPECT_EQ(formats_.read(DeviceKind::MeterController, R::Project, "/a.yrs", "data"),
            TProjectFormats::kNoReaderText);
}

}  // namespace
}  // namespace lir
