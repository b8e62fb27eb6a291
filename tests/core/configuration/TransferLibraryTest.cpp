#include "configuration/TransferLibrary.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace lir {
namespace {

const std::string kPlugins = LIR_TEST_PLUGIN_DIR;

TEST(TransferLibraryTest, MissingLibraryNamesItsFullPath) {
  const TTransferCall call = callTransferWindowExport(kPlugins + "/empty", "ReadCrushList", 1);
  EXPECT_FALSE(call.called);
  EXPECT_EQ(call.message, "Файл не найден:\r\n" + kPlugins + "/empty/DataExp.so");
}

TEST(TransferLibraryTest, LibraryThatCannotBeLoadedIsNotReported) {
  const TTransferCall call = callTransferWindowExport(kPlugins + "/transfer-junk", "ReadCrushList", 1);
  EXPECT_FALSE(call.called);
  EXPECT_EQ(call.message, "");
}

TEST(TransferLibraryTest, MissingExportAsksForAnUpdate) {
  const TTransferCall call = callTransferWindowExport(kPlugins + "/transfer-journal", "ReadJournal", 1);
  EXPECT_FALSE(call.called);
  EXPECT_EQ(call.message, "Функция ReadJournal не найдена.\r\nОбновите библиотеку DataExp.so.");
}

TEST(TransferLibraryTest, ExportIsCalledWithTheWindowHandle) {
  const std::string out =
      (std::filesystem::temp_directory_path() / ("lir-transfer-" + std::to_string(::getpid()))).string();
  ::setenv("LIR_TEST_TRANSFER_OUT", out.c_str(), 1);
  const TTransferCall call = callTransferWindowExport(kPlugins + "/transfer-journal", "ReadCrushList", 4242);
  ::unsetenv("LIR_TEST_TRANSFER_OUT");
  EXPECT_TRUE(call.called);
  std::ifstream in(out);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "ReadCrushList 4242\n");
  std::filesystem::remove(out);
}

}  // namespace
}  // namespace lir
