#include "shell/FileKindDetection.h"

#include <cstddef>

namespace lir {
namespace {

struct TExtensionState {
  std::string_view extension;
  TFileState state;
};

constexpr TExtensionState kExtensions[] = {
    {".lir", TFileState::ControllerProject},
    {".nav", TFileState::GsmProject},
    {".n0", TFileState::GsmImage},
    {".l0", TFileState::ControllerConfig},
    {".pel", TFileState::GprsProject},
    {".hrz", TFileState::CommProject},
    {".yrs", TFileState::MeterProject},
};

struct TSignature {
  std::size_t offset;
  std::string_view bytes;
  TFileState state;
};

// Tried in this order; the first match wins.
constexpr TSignature kSignatures[] = {
    {4, "\xCB\xC8\xD0", TFileState::ControllerProject},  // "ЛИР" in Windows-1251
    {0, "WEZ", TFileState::AudibleProject},
    {0, "WE2", TFileState::PedestrianProject},
    {0, "WEM", TFileState::AudibleMProject},
    {1, "WEZs", TFileState::AudibleImage},
    {1, "PEDs", TFileState::PedestrianImage},
    {1, "WEZm", TFileState::AudibleMImage},
    {0, "nav", TFileState::GsmProject},
    {0, "NAV1", TFileState::GsmImage},
    {0, "PEL1", TFileState::GprsProject},
    {0, "HRZ1", TFileState::CommProject},
    {0, "VN5", TFileState::SoundInformerProject},
};

// Every signature lies within the first 7 bytes. A file of exactly 7 bytes
// therefore holds all that is examined and is judged by them: refusing it
// would report a wrong signature where the signature is right, and its reader
// gives the true reason when the rest is missing.
constexpr std::size_t kSignatureLength = 7;

constexpr bool signaturesFit() {
  for (const TSignature& s : kSignatures) {
    if (s.offset + s.bytes.size() > kSignatureLength) return false;
  }
  return true;
}
static_assert(signaturesFit());

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string lowerCaseExtension(std::string_view path) {
  const auto slash = path.find_last_of("/\\");
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const auto dot = name.rfind('.');
  if (dot == std::string_view::npos) return "";
  std::string extension(name.substr(dot));
  for (char& c : extension) c = lowerAscii(c);
  return extension;
}

TFileState detectFileState(std::string_view path, std::string_view bytes) {
  const std::string extension = lowerCaseExtension(path);
  for (const TExtensionState& e : kExtensions) {
    if (extension == e.extension) return e.state;
  }
  if (bytes.size() < kSignatureLength) return TFileState::None;
  for (const TSignature& s : kSignatures) {
    if (bytes.substr(s.offset, s.bytes.size()) == s.bytes) return s.state;
  }
  return TFileState::None;
}

TFileKind fileKindForState(TFileState state) {
  TFileKind k;
  k.state = state;
  auto audible = [&k](DeviceKind kind, TReaderRole role) {
    k.kind = kind;
    k.role = role;
    if (role == TReaderRole::Image) {
      k.keepsPath = false;
      k.joinsRecentList = false;
    }
  };
  switch (state) {
    case TFileState::ControllerProject:
      k.kind = DeviceKind::MainController;
      break;
    case TFileState::ControllerConfig:
      k.refusal = "Невозможно восстановить проект из файла конфигурации контроллера.";
      break;
    case TFileState::AudibleProject:
      audible(DeviceKind::AudibleSignal, TReaderRole::Project);
      break;
    case TFileState::PedestrianProject:
      audible(DeviceKind::PedestrianSound, TReaderRole::Project);
      break;
    case TFileState::AudibleImage:
      audible(DeviceKind::AudibleSignal, TReaderRole::Image);
      break;
    case TFileState::PedestrianImage:
      audible(DeviceKind::PedestrianSound, TReaderRole::Image);
      break;
    case TFileState::AudibleMProject:
      audible(DeviceKind::AudibleSignalM, TReaderRole::Project);
      break;
    case TFileState::AudibleMImage:
      audible(DeviceKind::AudibleSignalM, TReaderRole::Image);
      break;
    case TFileState::SoundInformerProject:
      audible(DeviceKind::SoundInformer, TReaderRole::Project);
      break;
    case TFileState::GsmProject:
      k.kind = DeviceKind::GsmModule;
      break;
    case TFileState::GsmImage:
      // Still a recent file (it opens again the same way), but not the path
      // that Save writes the project to.
      k.kind = DeviceKind::GsmModule;
      k.role = TReaderRole::Image;
      k.keepsPath = false;
      break;
    case TFileState::GprsProject:
      k.kind = DeviceKind::GprsModule;
      break;
    case TFileState::CommProject:
      k.kind = DeviceKind::CommController;
      break;
    case TFileState::MeterProject:
      k.kind = DeviceKind::MeterController;
      break;
    case TFileState::None:
    default:
      k.state = TFileState::None;
      k.refusal = "неверная сигнатура. Формат не поддерживается или файл повреждён.";
      break;
  }
  return k;
}

}  // namespace lir
