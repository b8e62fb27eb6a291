#include "common/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace lir {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "lir-atomic-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
  }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  static void write(const std::string& file, const std::string& content) {
    std::ofstream(file, std::ios::binary) << content;
  }

  static std::string read(const std::string& file) {
    std::string bytes, error;
    EXPECT_TRUE(readWholeFile(file, bytes, error)) << error;
    return bytes;
  }

  // Names in the folder, to see that no temporary file stays behind.
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

TEST_F(AtomicFileTest, SaveReplacesContentAndKeepsPermissions) {
  const std::string target = path("project.lir");
  write(target, "old content that is longer than the new one");
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);

  const std::string bytes("new\0bytes\xFF", 10);
  EXPECT_EQ(saveFileAtomically(target, bytes), "");
  EXPECT_EQ(read(target), bytes);
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  EXPECT_EQ(entries(), std::vector<std::string>{"project.lir"});
}

TEST_F(AtomicFileTest, SaveCreatesANewFileAndTakesSpans) {
  const std::vector<std::uint8_t> bytes = {0x4C, 0x49, 0x52, 0x00};
  EXPECT_EQ(saveFileAtomically(path("new.l0"), bytes), "");
  EXPECT_EQ(read(path("new.l0")), std::string("LIR\0", 4));
  EXPECT_EQ(saveFileAtomically(path("empty.l0"), std::string()), "");
  EXPECT_EQ(read(path("empty.l0")), "");
}

TEST_F(AtomicFileTest, SaveOntoAFolderFailsAndLeavesNoTemporaryFile) {
  fs::create_directory(path("folder"));
  const std::string reason = saveFileAtomically(path("folder"), std::string("data"));
  EXPECT_NE(reason, "");
  EXPECT_TRUE(fs::is_directory(path("folder")));
  EXPECT_EQ(entries(), std::vector<std::string>{"folder"});
}

TEST_F(AtomicFileTest, SaveIntoAMissingFolderFails) {
  EXPECT_NE(saveFileAtomically(path("missing/file.lir"), std::string("data")), "");
  EXPECT_TRUE(entries().empty());
}

TEST_F(AtomicFileTest, SaveIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
  const std::string target = path("ro/project.lir");
  fs::create_directory(path("ro"));
  write(target, "old");
  ASSERT_EQ(::chmod(path("ro").c_str(), 0555), 0);
  if (::access(path("ro").c_str(), W_OK) == 0) GTEST_SKIP() << "running with rights that ignore modes";

  EXPECT_NE(saveFileAtomically(target, std::string("new")), "");
  EXPECT_EQ(read(target), "old");
  EXPECT_EQ(fs::directory_iterator(path("ro"))->path().filename(), "project.lir");
  EXPECT_EQ(std::distance(fs::directory_iterator(path("ro")), fs::directory_iterator()), 1);
}

// A folder nobody may create files in, whatever the rights of the test.
TEST_F(AtomicFileTest, SaveOntoAFileOfAReadOnlySystemFolderFails) {
  std::string before, error;
  if (!readWholeFile("/proc/version", before, error)) GTEST_SKIP() << error;
  EXPECT_NE(saveFileAtomically("/proc/version", std::string("x")), "");
  std::string after;
  ASSERT_TRUE(readWholeFile("/proc/version", after, error));
  EXPECT_EQ(after, before);
}

TEST_F(AtomicFileTest, ReadWholeFileReportsMissingFilesAndFolders) {
  std::string bytes = "unchanged", error;
  EXPECT_FALSE(readWholeFile(path("missing.lir"), bytes, error));
  EXPECT_NE(error, "");
  EXPECT_EQ(bytes, "unchanged");
  error.clear();
  EXPECT_FALSE(readWholeFile(dir_.string(), bytes, error));  // a folder is no file
  EXPECT_NE(error, "");
}

TEST_F(AtomicFileTest, ReadWholeFileReadsLargeBinaryFiles) {
  std::string big(200'000, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
  ASSERT_EQ(saveFileAtomically(path("big.bin"), big), "");
  EXPECT_EQ(read(path("big.bin")), big);
}

TEST_F(AtomicFileTest, SaveThroughSymbolicLinkKeepsTheLink) {
  const std::string target = path("real.lir");
  const std::string link = path("link.lir");
  write(target, "old");
  ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);

  ASSERT_EQ(saveFileAtomically(link, std::string("new")), "");

  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(read(target), "new");
  EXPECT_EQ(entries(), (std::vector<std::string>{"link.lir", "real.lir"}));
}

}  // namespace
}  // namespace lir
