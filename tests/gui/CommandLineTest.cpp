// The command line: which forms start which mode, and that every malformed one
// is refused with exit code 2 instead of being half understood. The quit after
// the first showing is checked on a real window, since the start-up benchmark
// trusts it to end the program only once the window has been painted.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>

#include "shell/CommandLine.h"

namespace lir::gui {
namespace {

QStringList line(std::initializer_list<const char*> arguments) {
  QStringList list{QStringLiteral("/opt/lir/lir")};
  for (const char* argument : arguments) list << QString::fromUtf8(argument);
  return list;
}

std::string shown(const QStringList& arguments) { return arguments.join(QLatin1Char(' ')).toStdString(); }

TEST(CommandLine, AcceptedFormsGiveTheirModeAndValues) {
  const struct {
    QStringList arguments;
    TStartMode mode;
    QString project;
    QString screenshot;
    std::optional<int> kind;
    std::optional<QSize> size;
  } cases[] = {
      {line({}), TStartMode::Normal, {}, {}, {}, {}},
      {line({"/home/u/Перекресток.lir"}), TStartMode::Normal, QStringLiteral("/home/u/Перекресток.lir"), {}, {}, {}},
      // Only the first file is opened, as when several are handed over.
      {line({"a.lir", "b.wez"}), TStartMode::Normal, QStringLiteral("a.lir"), {}, {}, {}},
      // "--" ends the options, so a file may start with a dash.
      {line({"--", "--odd.lir"}), TStartMode::Normal, QStringLiteral("--odd.lir"), {}, {}, {}},
      {line({"-"}), TStartMode::Normal, QStringLiteral("-"), {}, {}, {}},
      {line({"--quit-after-show"}), TStartMode::QuitAfterShow, {}, {}, {}, {}},
      {line({"x.lir", "--quit-after-show"}), TStartMode::QuitAfterShow, QStringLiteral("x.lir"), {}, {}, {}},
      {line({"--screenshot", "out.png"}), TStartMode::Screenshot, {}, QStringLiteral("out.png"), {}, {}},
      {line({"--screenshot=out.png", "p.lir"}), TStartMode::Screenshot, QStringLiteral("p.lir"),
       QStringLiteral("out.png"), {}, {}},
      {line({"--kind", "0", "--screenshot", "k.png"}), TStartMode::Screenshot, {}, QStringLiteral("k.png"), 0, {}},
      {line({"--screenshot", "k.png", "--kind=14", "--size", "1280x800"}), TStartMode::Screenshot, {},
       QStringLiteral("k.png"), 14, QSize(1280, 800)},
      {line({"--screenshot", "s.png", "--size=640X480", "p.wez"}), TStartMode::Screenshot, QStringLiteral("p.wez"),
       QStringLiteral("s.png"), {}, QSize(640, 480)},
      {line({"--screenshot", "s.png", "--kind", "007"}), TStartMode::Screenshot, {}, QStringLiteral("s.png"), 7, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(shown(c.arguments));
    const TStartOptions options = parseCommandLine(c.arguments);
    EXPECT_EQ(options.mode, c.mode);
    EXPECT_EQ(options.projectPath, c.project);
    EXPECT_EQ(options.screenshotFile, c.screenshot);
    EXPECT_EQ(options.newKind, c.kind);
    EXPECT_EQ(options.windowSize, c.size);
    EXPECT_TRUE(options.message.isEmpty());
  }
}

TEST(CommandLine, MalformedFormsAreRefusedWithAReason) {
  const struct {
    QStringList arguments;
    const char* reason;  // a piece of the message that names the fault
  } cases[] = {
      {line({"--screenshot"}), "'--screenshot' needs a value"},
      {line({"--screenshot", "--kind", "3"}), "'--screenshot' needs a value"},
      {line({"--screenshot="}), "--screenshot needs a file name"},
      {line({"--screenshot", "s.png", "--kind"}), "'--kind' needs a value"},
      {line({"--screenshot", "s.png", "--kind", "15"}), "bad device kind '15'"},
      {line({"--screenshot", "s.png", "--kind", "-1"}), "bad device kind '-1'"},
      {line({"--screenshot", "s.png", "--kind", "3a"}), "bad device kind '3a'"},
      {line({"--screenshot", "s.png", "--kind", " 3"}), "bad device kind ' 3'"},
      {line({"--screenshot", "s.png", "--kind="}), "bad device kind ''"},
      {line({"--screenshot", "s.png", "--kind", "99999999999"}), "bad device kind"},
      {line({"--screenshot", "s.png", "--size", "800"}), "bad window size '800'"},
      {line({"--screenshot", "s.png", "--size", "800x"}), "bad window size"},
      {line({"--screenshot", "s.png", "--size", "0x600"}), "bad window size"},
      {line({"--screenshot", "s.png", "--size", "800x600x2"}), "bad window size"},
      {line({"--screenshot", "s.png", "--size", "-800x600"}), "bad window size"},
      {line({"--screenshot", "s.png", "--size", "20000x600"}), "bad window size"},
      {line({"--screenshot", "s.png", "--size", "800*600"}), "bad window size"},
      {line({"--screenshot", "s.png", "--kind", "1", "p.lir"}), "cannot go with PROJECT"},
      {line({"--kind", "1"}), "with --screenshot only"},
      {line({"--size", "800x600", "p.lir"}), "with --screenshot only"},
      {line({"--screenshot", "s.png", "--quit-after-show"}), "exclude each other"},
      {line({"--screenshot", "a.png", "--screenshot", "b.png"}), "given twice"},
      {line({"--quit-after-show=1"}), "takes no value"},
      {line({"--verbose"}), "unknown option '--verbose'"},
      {line({"-x", "p.lir"}), "unknown option '-x'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(shown(c.arguments));
    const TStartOptions options = parseCommandLine(c.arguments);
    EXPECT_EQ(options.mode, TStartMode::Error);
    EXPECT_TRUE(options.message.contains(QString::fromUtf8(c.reason))) << options.message.toStdString();
    EXPECT_TRUE(options.message.contains(QStringLiteral("lir --help")));
    EXPECT_EQ(commandLineExitCode(options), kCommandLineErrorExit);
  }
}

TEST(CommandLine, HelpWinsOverEverythingElseOnTheLine) {
  for (const QStringList& arguments : {line({"--help"}), line({"-h"}), line({"p.lir", "--help"}),
                                       line({"--screenshot", "s.png", "--kind", "99", "--help"})}) {
    SCOPED_TRACE(shown(arguments));
    const TStartOptions options = parseCommandLine(arguments);
    ASSERT_EQ(options.mode, TStartMode::Help);
    EXPECT_EQ(options.message, commandLineUsage());
    EXPECT_EQ(commandLineExitCode(options), 0);
  }
  // Every option the parser knows is explained.
  for (const char* option : {"--screenshot", "--kind", "--size", "--quit-after-show", "--help"})
    EXPECT_TRUE(commandLineUsage().contains(QString::fromUtf8(option))) << option;
}

class CountingWindow : public QWidget {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
};

// Runs the event loop until something quits it; a timer ends a loop that would
// otherwise run forever with the given code.
int runLoop(int codeWhenNothingQuits) {
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [=] { QCoreApplication::exit(codeWhenNothingQuits); });
  guard.start(3000);
  return QApplication::exec();
}

TEST(CommandLine, QuitAfterFirstShowingEndsTheLoopOnceThePaintingIsDone) {
  CountingWindow window;
  window.resize(200, 100);
  quitAfterFirstShowing(window);
  window.show();
  EXPECT_EQ(runLoop(7), 0);
  EXPECT_GE(window.paints, 1);

  // Only the first showing quits: showing the window again leaves the loop running.
  window.hide();
  window.show();
  QTimer::singleShot(200, [] { QCoreApplication::exit(5); });
  EXPECT_EQ(runLoop(7), 5);
}

}  // namespace
}  // namespace lir::gui
