#include "common/LibraryFileCheck.h"

#include <elf.h>
#include <link.h>

#include <cstring>
#include <fstream>
#include <vector>

namespace lir {
namespace {

constexpr const char* kDamaged = "Файл библиотеки повреждён: он короче, чем указано в его заголовке.";
constexpr unsigned char kHostClass = sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32;
constexpr unsigned char kHostData = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? ELFDATA2LSB : ELFDATA2MSB;

// True when [offset, offset + length) lies inside a file of the given size.
bool fitsInFile(std::uint64_t offset, std::uint64_t length, std::uint64_t fileSize) {
  return offset <= fileSize && length <= fileSize - offset;
}

}  // namespace

std::string checkLibraryFileIntact(const std::string& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return {};  // the loader says why it cannot be opened
  const auto fileSize = static_cast<std::uint64_t>(file.tellg());

  ElfW(Ehdr) header;
  if (fileSize < sizeof header) return {};
  file.seekg(0);
  if (!file.read(reinterpret_cast<char*>(&header), sizeof header)) return {};
  if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != kHostClass ||
      header.e_ident[EI_DATA] != kHostData) {
    return {};  // not ours to judge; the loader refuses it before mapping anything
  }

  if (header.e_phentsize != sizeof(ElfW(Phdr)) ||
      !fitsInFile(header.e_phoff, std::uint64_t{header.e_phnum} * sizeof(ElfW(Phdr)), fileSize)) {
    return kDamaged;
  }
  std::vector<ElfW(Phdr)> segments(header.e_phnum);
  file.seekg(static_cast<std::streamoff>(header.e_phoff));
  if (!file.read(reinterpret_cast<char*>(segments.data()),
                 static_cast<std::streamsize>(segments.size() * sizeof(ElfW(Phdr))))) {
    return kDamaged;
  }
  for (const ElfW(Phdr)& segment : segments) {
    const bool mapped = segment.p_type == PT_LOAD || segment.p_type == PT_DYNAMIC;
    if (mapped && !fitsInFile(segment.p_offset, segment.p_filesz, fileSize)) return kDamaged;
  }
  return {};
}

}  // namespace lir
