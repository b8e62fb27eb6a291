#include "common/SharedLibrary.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

namespace lir {
namespace {

// Whether the loader still holds the library (probing takes no reference).
bool loaded(const char* name) {
  void* probe = dlopen(name, RTLD_NOW | RTLD_NOLOAD);
  if (probe == nullptr) return false;
  dlclose(probe);
  return true;
}

// A library that the test program does not link, so that unloading it shows.
constexpr const char* kSpareLibrary = "libz.so.1";

TEST(SharedLibraryTest, FindsAnExportedFunction) {
  SharedLibrary lib("libm.so.6");
  ASSERT_TRUE(lib.isLoaded()) << lib.errorText();
  EXPECT_EQ(lib.errorText(), "");
  auto cosine = lib.function<double (*)(double)>("cos");
  ASSERT_NE(cosine, nullptr);
  EXPECT_EQ(cosine(0.0), 1.0);
  EXPECT_EQ(lib.symbol("no_such_export_here"), nullptr);
}

TEST(SharedLibraryTest, AFileThatIsNoLibraryIsNotLoaded) {
  const auto file = std::filesystem::temp_directory_path() / "lir-not-a-library.zml";
  std::ofstream(file) << "this is plain text, not a shared object";
  SharedLibrary lib(file.string());
  EXPECT_FALSE(lib.isLoaded());
  EXPECT_NE(lib.errorText(), "");
  EXPECT_EQ(lib.symbol("cos"), nullptr);
  std::filesystem::remove(file);

  SharedLibrary missing("/nonexistent/folder/model.zml");
  EXPECT_FALSE(missing.isLoaded());
  EXPECT_NE(missing.errorText(), "");

  SharedLibrary none;
  EXPECT_FALSE(none.isLoaded());
  EXPECT_EQ(none.symbol("cos"), nullptr);
}

TEST(SharedLibraryTest, MovingHandsOverTheOnlyReference) {
  if (loaded(kSpareLibrary)) GTEST_SKIP() << kSpareLibrary << " is already in the process";
  {
    SharedLibrary first(kSpareLibrary);
    if (!first.isLoaded()) GTEST_SKIP() << first.errorText();
    SharedLibrary second;
    {
      SharedLibrary moved(std::move(first));
      EXPECT_FALSE(first.isLoaded());
      EXPECT_TRUE(moved.isLoaded());
      second = std::move(moved);
      EXPECT_FALSE(moved.isLoaded());
    }  // the moved-from objects end here and must not unload
    EXPECT_TRUE(loaded(kSpareLibrary));
    EXPECT_NE(second.symbol("zlibVersion"), nullptr);
    second = std::move(second);  // self-assignment keeps the library
    EXPECT_TRUE(second.isLoaded());
    EXPECT_TRUE(loaded(kSpareLibrary));
  }
  EXPECT_FALSE(loaded(kSpareLibrary));
}

TEST(SharedLibraryTest, AssignmentAndUnloadReleaseTheOldLibrary) {
  if (loaded(kSpareLibrary)) GTEST_SKIP() << kSpareLibrary << " is already in the process";
  SharedLibrary lib(kSpareLibrary);
  if (!lib.isLoaded()) GTEST_SKIP() << lib.errorText();
  lib = SharedLibrary("libm.so.6");
  EXPECT_FALSE(loaded(kSpareLibrary));
  EXPECT_TRUE(lib.isLoaded());

  SharedLibrary again(kSpareLibrary);
  again.unload();
  again.unload();  // twice is harmless
  EXPECT_FALSE(again.isLoaded());
  EXPECT_FALSE(loaded(kSpareLibrary));
}

}  // namespace
}  // namespace lir
