// Plug-in files that are damaged or not libraries at all: each is refused
// with the per-file message and the program goes on. A copy that broke off
// inside its loadable segments used to take the process down with SIGBUS
// inside the system loader.

#include <elf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "LIRModelTestSupport.h"

namespace lir {
namespace {

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Where the file data of the last loadable segment ends.
std::size_t loadedDataEnd(const std::string& image) {
  Elf64_Ehdr header;
  std::copy_n(image.data(), sizeof header, reinterpret_cast<char*>(&header));
  std::size_t end = 0;
  for (int i = 0; i < header.e_phnum; ++i) {
    Elf64_Phdr segment;
    std::copy_n(image.data() + header.e_phoff + i * sizeof segment, sizeof segment, reinterpret_cast<char*>(&segment));
    if (segment.p_type == PT_LOAD) end = std::max<std::size_t>(end, segment.p_offset + segment.p_filesz);
  }
  return end;
}

std::string randomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

TEST(LIRModelHostileFileTest, DamagedOrForeignFilesAreRefusedOneByOne) {
  const std::string original = readAll(test::sampleModelFolder() + "/lir32n.zml");
  ASSERT_GT(original.size(), sizeof(Elf64_Ehdr));
  const std::size_t end = loadedDataEnd(original);
  ASSERT_GT(end, 4096u);

  test::TScratchFolder folder("hostile");
  std::vector<std::string> names;
  const auto add = [&](const std::string& name, const std::string& bytes) {
    writeAll(folder.file(name), bytes);
    names.push_back(name);
  };
  for (const std::size_t size : {std::size_t{16}, std::size_t{64}, std::size_t{200}, end / 4, end / 2, end - 1}) {
    add("cut_" + std::to_string(size) + ".zml", original.substr(0, size));
  }
  add("empty.zml", "");
  add("random_small.zml", randomBytes(1000, 1));
  add("random_large.zml", randomBytes(65536, 2));
  add("random_elf.zml", "\x7F" "ELF" + randomBytes(4096, 3));
  // The ELF header of a real library with the rest of the file garbage.
  add("header_only.zml", original.substr(0, sizeof(Elf64_Ehdr)) + randomBytes(8192, 4));
  std::sort(names.begin(), names.end());

  const auto loaded = test::loadFolder(folder.path());

  EXPECT_EQ(loaded.Models->Count(), 0);
  ASSERT_EQ(loaded.Failures.size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    const auto& failure = loaded.Failures[i];
    EXPECT_EQ(failure.FileName, names[i]);
    EXPECT_FALSE(failure.Reason.empty()) << names[i];
    EXPECT_EQ(failure.Message().rfind("Ошибка при загрузке библиотеки " + names[i] + ".\r\n", 0), 0u);
  }
}

TEST(LIRModelHostileFileTest, WholeCopyUnderAnotherNameStillLoads) {
  test::TScratchFolder folder("copy");
  writeAll(folder.file("copy.zml"), readAll(test::sampleModelFolder() + "/lir32n.zml"));
  const auto loaded = test::loadFolder(folder.path());
  EXPECT_TRUE(loaded.Failures.empty());
  ASSERT_EQ(loaded.Models->Count(), 1);
  EXPECT_EQ(loaded.Models->Items(0).Description(), "ЛИР-3.2Н");
}

}  // namespace
}  // namespace lir
