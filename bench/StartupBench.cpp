// How long lir takes from being started until its main window has been shown
// and the program has ended again, and how much memory it needs on the way,
// against the bare Qt program that only shows an empty main window. Both run
// on the offscreen platform with a private settings folder, so the user's
// settings are neither read nor changed.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <utility>
#include <vector>

extern char** environ;

namespace {

// lir may take this much longer to start than the bare window, and need this
// much more memory at its peak.
constexpr double kTimeFloorRatio = 1.3;
constexpr double kMemoryFloorRatio = 1.5;

// A start that has not ended by then hangs (a message box nobody answers).
constexpr int kTimeoutMs = 20000;

constexpr int kRuns = 10;

const char* const kMainProgram = LIR_MAIN_PROGRAM;
const char* const kBareProgram = LIR_BARE_WINDOW_PROGRAM;

struct TRun {
  bool ended = false;  // false: could not start, or killed after the timeout
  int exitCode = -1;   // -1 when ended by a signal
  double seconds = 0;  // from fork to the end of the program
  double peakMb = 0;   // the child's peak resident memory
  std::string problem;
};

// A settings folder of the benchmark's own, removed again at the end.
class TPrivateConfigFolder {
 public:
  TPrivateConfigFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lir-startup-XXXXXX").string();
    if (::mkdtemp(pattern.data())) path_ = pattern;
  }
  ~TPrivateConfigFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TPrivateConfigFolder(const TPrivateConfigFolder&) = delete;
  TPrivateConfigFolder& operator=(const TPrivateConfigFolder&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The benchmark's environment with the offscreen platform and the private
// settings folder put in; built before the fork, since the child must not
// allocate between fork and exec.
std::vector<std::string> childEnvironment(const std::string& configHome) {
  std::vector<std::string> variables;
  for (char** entry = environ; *entry; ++entry) {
    const std::string variable = *entry;
    if (variable.starts_with("QT_QPA_PLATFORM=") || variable.starts_with("XDG_CONFIG_HOME=")) continue;
    variables.push_back(variable);
  }
  variables.push_back("QT_QPA_PLATFORM=offscreen");
  variables.push_back("XDG_CONFIG_HOME=" + configHome);
  return variables;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
  std::vector<char*> list;
  for (std::string& text : texts) list.push_back(text.data());
  list.push_back(nullptr);
  return list;
}

// Waits for the child to end, at most the timeout. A pidfd wakes up the moment
// the child ends; without one, short naps keep the error below a millisecond.
bool waitForEnd(pid_t pid, int& status, rusage& usage) {
  const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
  if (pidfd >= 0) {
    pollfd watch{pidfd, POLLIN, 0};
    int ready;
    do {
      ready = ::poll(&watch, 1, kTimeoutMs);
    } while (ready < 0 && errno == EINTR);
    ::close(pidfd);
    if (ready <= 0) return false;
    return ::wait4(pid, &status, 0, &usage) == pid;
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kTimeoutMs);
  while (std::chrono::steady_clock::now() < deadline) {
    const pid_t ended = ::wait4(pid, &status, WNOHANG, &usage);
    if (ended == pid) return true;
    if (ended < 0 && errno != EINTR) return false;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return false;
}

// Starts the program with the argument, its output thrown away, and waits for
// it to end.
TRun runProgram(const char* program, const char* argument, const std::string& configHome) {
  TRun run;
  std::vector<std::string> environment = childEnvironment(configHome);
  std::vector<char*> envp = pointers(environment);
  std::vector<std::string> arguments{program};
  if (argument) arguments.emplace_back(argument);
  std::vector<char*> argv = pointers(arguments);
  const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);

  // ru_maxrss of the child also takes in what the forked copy of this process
  // held before the exec; the benchmark process stays far below a Qt program,
  // so the figure is the program's own.
  const auto started = std::chrono::steady_clock::now();
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (devNull >= 0) {
      ::dup2(devNull, STDOUT_FILENO);
      ::dup2(devNull, STDERR_FILENO);
    }
    ::execve(program, argv.data(), envp.data());
    ::_exit(127);
  }
  if (devNull >= 0) ::close(devNull);
  if (pid < 0) {
    run.problem = std::string("cannot start ") + program + ": " + std::strerror(errno);
    return run;
  }

  int status = 0;
  rusage usage{};
  if (!waitForEnd(pid, status, usage)) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    run.problem = std::string(program) + " did not end within " + std::to_string(kTimeoutMs / 1000) + " s";
    return run;
  }
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  run.ended = true;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
  if (run.exitCode != 0)
    run.problem = std::string(program) + " ended with " +
                  (run.exitCode < 0 ? "signal " + std::to_string(WTERMSIG(status))
                                    : "exit code " + std::to_string(run.exitCode));
  return run;
}

bool succeeded(const TRun& run) { return run.ended && run.exitCode == 0; }

double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Medians over the runs: the machine is shared, and one disturbed start must
// not decide the comparison.
struct TSeries {
  std::vector<double> seconds;
  std::vector<double> peakMb;

  void add(const TRun& run) {
    seconds.push_back(run.seconds);
    peakMb.push_back(run.peakMb);
  }
  double ms() const { return median(seconds) * 1000.0; }
  double mb() const { return median(peakMb); }
};

const char* const kBareArgument = nullptr;
const char* const kMainArgument = "--quit-after-show";

void BM_StartBareQtWindowOffscreen(benchmark::State& state) {
  TPrivateConfigFolder config;
  TSeries bare;
  // The first start fills the file cache; it is not counted.
  TRun warmUp = runProgram(kBareProgram, kBareArgument, config.path());
  if (!succeeded(warmUp)) {
    state.SkipWithError(warmUp.problem.c_str());
    return;
  }
  for (auto _ : state) {
    const TRun run = runProgram(kBareProgram, kBareArgument, config.path());
    if (!succeeded(run)) {
      state.SkipWithError(run.problem.c_str());
      break;
    }
    state.SetIterationTime(run.seconds);
    bare.add(run);
  }
  if (bare.seconds.size() != static_cast<std::size_t>(kRuns)) return;
  state.counters["bare_ms"] = bare.ms();
  state.counters["bare_peak_MB"] = bare.mb();
  state.SetLabel("the yardstick of BM_StartMainWindowOffscreen");
}
BENCHMARK(BM_StartBareQtWindowOffscreen)->Iterations(kRuns)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_StartMainWindowOffscreen(benchmark::State& state) {
  TPrivateConfigFolder config;
  TSeries main;
  TSeries bare;
  // One start of each first: fills the file cache, writes lir's first settings
  // file, and finds out whether lir quits after showing at all.
  const std::pair<const char*, const char*> programs[] = {{kBareProgram, kBareArgument},
                                                          {kMainProgram, kMainArgument}};
  for (const auto& [program, argument] : programs) {
    const TRun warmUp = runProgram(program, argument, config.path());
    if (!succeeded(warmUp)) {
      state.SkipWithError(warmUp.problem.c_str());
      return;
    }
  }
  // The two programs take turns, so that a busy moment of the machine falls on
  // both alike; only lir's start is the iteration time.
  for (auto _ : state) {
    const TRun yardstick = runProgram(kBareProgram, kBareArgument, config.path());
    const TRun run = runProgram(kMainProgram, kMainArgument, config.path());
    if (!succeeded(yardstick) || !succeeded(run)) {
      state.SkipWithError((succeeded(run) ? yardstick : run).problem.c_str());
      break;
    }
    state.SetIterationTime(run.seconds);
    bare.add(yardstick);
    main.add(run);
  }
  if (main.seconds.size() != static_cast<std::size_t>(kRuns)) return;

  const double timeRatio = main.ms() / bare.ms();
  const double memoryRatio = main.mb() / bare.mb();
  state.counters["lir_ms"] = main.ms();
  state.counters["bare_ms"] = bare.ms();
  state.counters["time_ratio"] = timeRatio;
  state.counters["time_floor"] = kTimeFloorRatio;
  state.counters["lir_peak_MB"] = main.mb();
  state.counters["bare_peak_MB"] = bare.mb();
  state.counters["memory_ratio"] = memoryRatio;
  state.counters["memory_floor"] = kMemoryFloorRatio;
  char label[160];
  std::snprintf(label, sizeof label, "time %.2f x bare (floor %.1f) %s, memory %.2f x bare (floor %.1f) %s",
                timeRatio, kTimeFloorRatio, timeRatio <= kTimeFloorRatio ? "ok" : "OVER", memoryRatio,
                kMemoryFloorRatio, memoryRatio <= kMemoryFloorRatio ? "ok" : "OVER");
  state.SetLabel(label);
}
BENCHMARK(BM_StartMainWindowOffscreen)->Iterations(kRuns)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
