#include "shell/ProjectFormats.h"

#include <exception>

namespace lir {
namespace {

// A format that throws must not take the window down with it: its text is
// shown like any other reason.
template <typename Call>
std::string guarded(Call&& call) {
  try {
    return call();
  } catch (const std::exception& e) {
    const std::string text = e.what();
    return text.empty() ? TProjectFormats::kUnknownErrorText : text;
  } catch (...) {
    return TProjectFormats::kUnknownErrorText;
  }
}

}  // namespace

void TProjectFormats::Register(DeviceKind kind, TReaderRole role, TProjectReader reader,
                               TProjectWriter writer) {
  formats_[{kind, role}] = TFormat{std::move(reader), std::move(writer)};
}

const TProjectFormats::TFormat* TProjectFormats::find(DeviceKind kind, TReaderRole role) const {
  const auto it = formats_.find({kind, role});
  return it == formats_.end() ? nullptr : &it->second;
}

bool TProjectFormats::hasReader(DeviceKind kind, TReaderRole role) const {
  const TFormat* format = find(kind, role);
  return format && format->reader;
}

bool TProjectFormats::hasWriter(DeviceKind kind, TReaderRole role) const {
  const TFormat* format = find(kind, role);
  return format && format->writer;
}

std::string TProjectFormats::read(DeviceKind kind, TReaderRole role, const std::string& path,
                                  std::string_view bytes) const {
  const TFormat* format = find(kind, role);
  if (!format || !format->reader) return kNoReaderText;
  return guarded([&] { return format->reader(path, bytes); });
}

std::string TProjectFormats::write(DeviceKind kind, std::string& bytes, TReaderRole role) const {
  const TFormat* format = find(kind, role);
  if (!format || !format->writer) {
    return deviceKindInfo(kind).extension.empty() ? kNoProjectFileText : kNoWriterText;
  }
  bytes.clear();
  return guarded([&] { return format->writer(bytes); });
}

}  // namespace lir
