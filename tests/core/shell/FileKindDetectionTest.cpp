#include "shell/FileKindDetection.h"

#include <gtest/gtest.h>

#include <string>

namespace lir {
namespace {

using S = TFileState;
using R = TReaderRole;
using namespace std::string_literals;

// Eight bytes, so that the length rule is never what decides.
std::string eight(std::string head) {
  head.resize(8, '\0');
  return head;
}

TEST(FileKindDetectionTest, KnownExtensionsDecideWhateverTheBytes) {
  const struct {
    const char* path;
    S state;
  } cases[] = {
      {"/p/a.lir", S::ControllerProject}, {"/p/a.nav", S::GsmProject},    {"/p/a.n0", S::GsmImage},
      {"/p/a.l0", S::ControllerConfig},   {"/p/a.pel", S::GprsProject},   {"/p/a.hrz", S::CommProject},
      {"/p/a.yrs", S::MeterProject},      {"/p/A.LIR", S::ControllerProject}, {"C:\\P\\B.Nav", S::GsmProject},
      {"/p/x.y.N0", S::GsmImage},         {"/p/.hrz", S::CommProject},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(detectFileState(c.path, eight("VN5")), c.state) << c.path;
    EXPECT_EQ(detectFileState(c.path, ""), c.state) << c.path;  // even an empty file
  }
}

TEST(FileKindDetectionTest, OtherFilesGoBySignatureInOrder) {
  const struct {
    std::string bytes;
    S state;
  } cases[] = {
      {eight("\x01\x02\x03\x04\xCB\xC8\xD0"), S::ControllerProject},
      {eight("WEZ"), S::AudibleProject},
      {eight("WE2"), S::PedestrianProject},
      {eight("WEM"), S::AudibleMProject},
      {eight("\x00WEZs"s), S::AudibleImage},
      {eight("\x07PEDs"), S::PedestrianImage},
      {eight("\xFFWEZm"), S::AudibleMImage},
      {eight("nav"), S::GsmProject},
      {eight("NAV1"), S::GsmImage},
      {eight("PEL1"), S::GprsProject},
      {eight("HRZ1"), S::CommProject},
      {eight("VN5"), S::SoundInformerProject},
      // The first match wins: the project signature before "WEZ" at 0, and
      // "WEZ" at 0 before "WEZm" at 1.
      {eight("WEZ\x00\xCB\xC8\xD0"s), S::ControllerProject},
      {eight("WEZWEZm"), S::AudibleProject},
      {eight("nWEZm"), S::AudibleMImage},
      // Signatures are case-sensitive and must be whole.
      {eight("Nav"), S::None},
      {eight("NAV"), S::None},
      {eight("NAV2"), S::None},
      {eight("wez"), S::None},
      {eight("\xCB\xC8\xD0"), S::None},  // the project signature at the wrong place
      {eight(""), S::None},
      {"\xCB\xC8\xD0\x00\xCB\xC8\xD0 and more bytes"s, S::ControllerProject},
  };
  for (const char* path : {"/p/a.wez", "/p/a.w0", "/p/a.vn5", "/p/a.V0", "/p/noext", "/p.lir/file"}) {
    for (const auto& c : cases) {
      EXPECT_EQ(detectFileState(path, c.bytes), c.state) << path << " bytes " << c.bytes;
    }
  }
}

TEST(FileKindDetectionTest, SevenBytesAreEnoughAndFewerAreNot) {
  EXPECT_EQ(detectFileState("/p/a.wez", std::string("\0\0\0\0\xCB\xC8\xD0", 7)), S::ControllerProject);
  EXPECT_EQ(detectFileState("/p/a.wez", std::string("\0WEZs\0\0", 7)), S::AudibleImage);
  EXPECT_EQ(detectFileState("/p/a.vn5", "VN5\0\0\0"), S::None);
  EXPECT_EQ(detectFileState("/p/a.vn5", std::string("VN5\0\0\0", 6)), S::None);
  EXPECT_EQ(detectFileState("/p/a.wez", "WEZ"), S::None);
  EXPECT_EQ(detectFileState("/p/a.wez", ""), S::None);
}

TEST(FileKindDetectionTest, ExtensionIsTakenFromTheNameOnly) {
  EXPECT_EQ(lowerCaseExtension("/p/a.LiR"), ".lir");
  EXPECT_EQ(lowerCaseExtension("/dir.lir/file"), "");
  EXPECT_EQ(lowerCaseExtension("C:\\dir.nav\\file"), "");
  EXPECT_EQ(lowerCaseExtension("file."), ".");
  EXPECT_EQ(lowerCaseExtension("a.tar.N0"), ".n0");
  EXPECT_EQ(lowerCaseExtension("Проект.LIR"), ".lir");
}

TEST(FileKindDetectionTest, StatesGoToTheirKindsAndReaders) {
  const struct {
    S state;
    DeviceKind kind;
    R role;
    bool keepsPath;
    bool joinsRecent;
  } cases[] = {
      {S::ControllerProject, DeviceKind::MainController, R::Project, true, true},
      {S::AudibleProject, DeviceKind::AudibleSignal, R::Project, true, true},
      {S::PedestrianProject, DeviceKind::PedestrianSound, R::Project, true, true},
      {S::AudibleImage, DeviceKind::AudibleSignal, R::Image, false, false},
      {S::PedestrianImage, DeviceKind::PedestrianSound, R::Image, false, false},
      {S::AudibleMProject, DeviceKind::AudibleSignalM, R::Project, true, true},
      {S::AudibleMImage, DeviceKind::AudibleSignalM, R::Image, false, false},
      {S::GsmProject, DeviceKind::GsmModule, R::Project, true, true},
      {S::GsmImage, DeviceKind::GsmModule, R::Image, false, true},
      {S::GprsProject, DeviceKind::GprsModule, R::Project, true, true},
      {S::CommProject, DeviceKind::CommController, R::Project, true, true},
      {S::MeterProject, DeviceKind::MeterController, R::Project, true, true},
      {S::SoundInformerProject, DeviceKind::SoundInformer, R::Project, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.state));
    const TFileKind k = fileKindForState(c.state);
    EXPECT_TRUE(k.ok()) << k.refusal;
    EXPECT_EQ(k.state, c.state);
    EXPECT_EQ(k.kind, c.kind);
    EXPECT_EQ(k.role, c.role);
    EXPECT_EQ(k.keepsPath, c.keepsPath);
    EXPECT_EQ(k.joinsRecentList, c.joinsRecent);
  }
}

TEST(FileKindDetectionTest, ConfigurationFilesAndUnknownBytesAreRefused) {
  EXPECT_EQ(fileKindForState(S::ControllerConfig).refusal,
            "Невозможно восстановить проект из файла конфигурации контроллера.");
  const std::string badSignature = "неверная сигнатура. Формат не поддерживается или файл повреждён.";
  EXPECT_EQ(fileKindForState(S::None).refusal, badSignature);
  // Numbers with no meaning are no state at all.
  for (int n : {13, 14, 15, 18, -1}) {
    const TFileKind k = fileKindForState(static_cast<S>(n));
    EXPECT_EQ(k.state, S::None) << n;
    EXPECT_EQ(k.refusal, badSignature) << n;
  }
  EXPECT_EQ(detectFileKind("/p/a.txt", "Hello, world").refusal, badSignature);
  EXPECT_EQ(detectFileKind("/p/a.L0", eight("WEZ")).state, S::ControllerConfig);
}

TEST(FileKindDetectionTest, StateNumbersAreFixed) {
  const std::pair<S, int> numbers[] = {
      {S::None, 0},         {S::ControllerProject, 1}, {S::ControllerConfig, 2}, {S::AudibleProject, 3},
      {S::PedestrianProject, 4}, {S::AudibleImage, 5}, {S::PedestrianImage, 6},  {S::AudibleMProject, 7},
      {S::AudibleMImage, 8}, {S::GsmProject, 9},       {S::GsmImage, 10},        {S::GprsProject, 11},
      {S::CommProject, 12}, {S::MeterProject, 16},     {S::SoundInformerProject, 17},
  };
  for (const auto& [state, number] : numbers) EXPECT_EQ(static_cast<int>(state), number);
}

}  // namespace
}  // namespace lir
