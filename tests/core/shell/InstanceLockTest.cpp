// The lock file is created and held shared for the object's life, never stops a
// second instance, and is let go when the object goes.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "shell/InstanceLock.h"

namespace lir {
namespace {

// Whether somebody else holds a lock on file: an exclusive lock cannot be had.
bool lockedByOthers(const std::string& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool taken = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
  ::close(fd);
  return taken;
}

TEST(InstanceLock, HeldSharedForItsLifeWithoutStoppingASecondInstance) {
  test::TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string file = folder.file("VelmiraLIR_1.lock");
  {
    TInstanceLock first(folder.path());
    EXPECT_EQ(first.path(), file);
    EXPECT_TRUE(first.held());
    EXPECT_TRUE(std::filesystem::exists(file));
    TInstanceLock second(folder.path());
    EXPECT_TRUE(second.held());
    EXPECT_TRUE(lockedByOthers(file));
  }
  EXPECT_FALSE(lockedByOthers(file));
}

TEST(InstanceLock, UnwritableFolderLeavesTheMarkAwayQuietly) {
  TInstanceLock lock("/nonexistent-folder/for/lir");
  EXPECT_FALSE(lock.held());
}

TEST(InstanceLock, SymbolicLinkInPlaceOfTheFileIsNotFollowed) {
  test::TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string target = folder.file("someone-elses-file");
  test::TempFolder::put(target, "data");
  std::filesystem::create_symlink(target, folder.file(TInstanceLock::kFileName));
  TInstanceLock lock(folder.path());
  EXPECT_FALSE(lock.held());
  EXPECT_FALSE(lockedByOthers(target));
}

TEST(InstanceLock, FolderIsTheRuntimeFolderWhenThereIsOne) {
  test::TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string temp = std::filesystem::temp_directory_path().string();
  EXPECT_EQ(TInstanceLock::folderFor(folder.path().c_str()), folder.path());
  EXPECT_EQ(TInstanceLock::folderFor(nullptr), temp);
  EXPECT_EQ(TInstanceLock::folderFor(""), temp);
  EXPECT_EQ(TInstanceLock::folderFor("relative/run"), temp);
  EXPECT_EQ(TInstanceLock::folderFor("/nonexistent-folder/run"), temp);
}

}  // namespace
}  // namespace lir
