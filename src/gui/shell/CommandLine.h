#pragma once
// What the program was asked to do on its command line. Reading the arguments
// is kept apart from acting on them, so that every accepted and refused form can
// be checked without starting a window.
//
//   lir [PROJECT]
//   lir --screenshot FILE.png [--kind N] [--size WxH] [PROJECT]
//   lir --quit-after-show [PROJECT]
//   lir --help

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace lir::gui {

enum class TStartMode {
  Normal,         // the window runs until the user closes it
  QuitAfterShow,  // show the window, finish its first showing, quit with 0
  Screenshot,     // like QuitAfterShow, but render the window into a picture first
  Help,           // print the usage and exit with 0, no window
  Error,          // print the message and exit with kCommandLineErrorExit, no window
};

// Exit code of a command line that could not be understood.
inline constexpr int kCommandLineErrorExit = 2;

struct TStartOptions {
  TStartMode mode = TStartMode::Normal;
  QString projectPath;            // the project to open; empty for none
  QString screenshotFile;         // Screenshot only
  std::optional<int> newKind;     // Screenshot only: create a new project of this device kind
  std::optional<QSize> windowSize;  // Screenshot only: resize the window before rendering
  QString message;                // Help: the usage; Error: what was wrong, then the usage hint
};

// Reads the arguments as QCoreApplication::arguments() gives them: the first one
// is the program itself. Never touches files: whether PROJECT exists is for the
// window to find out, with its usual message.
TStartOptions parseCommandLine(const QStringList& arguments);

// The usage text printed by --help.
QString commandLineUsage();

// The code the program ends with for these options when it starts no window
// (help 0, errors kCommandLineErrorExit); 0 for the others.
int commandLineExitCode(const TStartOptions& options);

// For the modes without a window: prints the message to standard output (help)
// or standard error (errors) and answers the exit code the program ends with.
int finishWithoutWindow(const TStartOptions& options);

// Quits the application as soon as the window's first showing is finished, that
// is once it has been shown and painted. Later showings are left alone. The
// start-up benchmark relies on lir and the bare comparison program quitting the
// same way.
void quitAfterFirstShowing(QWidget& window);

}  // namespace lir::gui
