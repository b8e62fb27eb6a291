// lirconf models, run as the user runs it.

#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "LIRModelTestSupport.h"

namespace lir {
namespace {

struct TRun {
  int ExitCode = -1;
  std::string Out;
  std::string Err;
};

TRun runLirconf(const std::string& arguments) {
  test::TScratchFolder scratch("lirconf");
  const std::string errFile = scratch.file("stderr");
  const std::string command =
      std::string(LIR_PROGRAM_DIR) + "/lirconf " + arguments + " 2>'" + errFile + "'";
  TRun run;
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.Out.append(buffer, n);
  const int status = pclose(pipe);
  run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream err(errFile);
  run.Err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
  return run;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

TEST(LIRModelCommandLineTest, ListsLoadedModelsAndReportsRefusedOnes) {
  const TRun run = runLirconf("models --dir '" + test::testPluginFolder("mix") + "'");
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(lines(run.Out), (std::vector<std::string>{
                                "907\t91\t3\t\t6\t2\t0x0000800A",
                                "901\t91\t3\tТест-3.1\t6\t2\t0x0000800A",
                                "908\t91\t3\tТест-3.1\t6\t2\t0x0000800A",
                            }));
  EXPECT_NE(run.Err.find("Ошибка при загрузке библиотеки maskfail.zml.\nФункция GetOutputMask вернула ошибку 5.\n"),
            std::string::npos)
      << run.Err;
  EXPECT_NE(run.Err.find("Ошибка при загрузке библиотеки client2.zml.\n"
                         "Библиотека требует более новую версию конфигуратора.\n"),
            std::string::npos);
  EXPECT_EQ(run.Err.find('\r'), std::string::npos);
}

TEST(LIRModelCommandLineTest, DefaultFolderIsTheProgramFolder) {
  const TRun run = runLirconf("models");
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(run.Err, "");
  const auto out = lines(run.Out);
  EXPECT_GE(out.size(), 15u);
  EXPECT_NE(run.Out.find("18\t8\t3\tЛИР-3.4Н\t48\t2\t0x"), std::string::npos) << run.Out;
}

TEST(LIRModelCommandLineTest, ExitCodesTellFolderAndUsageProblemsApart) {
  struct Case {
    const char* Arguments;
    int ExitCode;
    const char* InOut;  // expected in standard output
    const char* InErr;  // expected in standard error
  };
  const std::vector<Case> cases = {
      {"models --dir /lir-no-such-folder", 1, "", "/lir-no-such-folder"},
      {"models --dir", 2, "", "lirconf models"},
      {"models --bogus", 2, "", "lirconf models"},
      {"models extra", 2, "", "extra"},
      {"frobnicate", 2, "", "frobnicate"},
      {"", 2, "", "models"},
      {"help", 0, "models", ""},
      {"--help", 0, "models", ""},
      {"help models", 0, "--dir", ""},
      {"models --help", 0, "--dir", ""},
      {"help frobnicate", 2, "", "frobnicate"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Arguments);
    const TRun run = runLirconf(c.Arguments);
    EXPECT_EQ(run.ExitCode, c.ExitCode);
    EXPECT_NE(run.Out.find(c.InOut), std::string::npos) << run.Out;
    EXPECT_NE(run.Err.find(c.InErr), std::string::npos) << run.Err;
    if (c.ExitCode != 0) { EXPECT_FALSE(run.Err.empty()); }
  }
}

}  // namespace
}  // namespace lir
