#include "shell/CommandLine.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include "shell/DeviceKinds.h"

namespace lir::gui {
namespace {

// Larger pictures than this are a typing mistake, not a wish.
constexpr int kLargestSide = 16384;

const QString kScreenshot = QStringLiteral("--screenshot");
const QString kKind = QStringLiteral("--kind");
const QString kSize = QStringLiteral("--size");
const QString kQuitAfterShow = QStringLiteral("--quit-after-show");
const QString kHelp = QStringLiteral("--help");

TStartOptions failure(const QString& what) {
  TStartOptions options;
  options.mode = TStartMode::Error;
  options.message = QStringLiteral("lir: %1\nTry 'lir --help' for more information.").arg(what);
  return options;
}

std::optional<int> parseKind(const QString& text) {
  static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
  if (!digits.match(text).hasMatch()) return std::nullopt;
  const int kind = text.toInt();
  if (kind >= kDeviceKindCount) return std::nullopt;
  return kind;
}

std::optional<QSize> parseSize(const QString& text) {
  static const QRegularExpression form(QStringLiteral("^([0-9]{1,5})[xX]([0-9]{1,5})$"));
  const QRegularExpressionMatch match = form.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const int width = match.captured(1).toInt();
  const int height = match.captured(2).toInt();
  if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide) return std::nullopt;
  return QSize(width, height);
}

bool takesValue(const QString& name) { return name == kScreenshot || name == kKind || name == kSize; }

bool isKnownSwitch(const QString& name) { return name == kQuitAfterShow || name == kHelp; }

// Quits once the window has been shown and painted for the first time. The
// show event alone is too early: the painting follows from the expose the
// platform delivers later, after timers queued at the show have already run.
// The whole painting of a window runs within one event, so a zero timer queued
// at its first paint event fires after the painting is done.
class FirstShowingQuit : public QObject {
 public:
  explicit FirstShowingQuit(QWidget& window) : QObject(&window), window_(window) {
    QCoreApplication::instance()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched == &window_) shown_ = true;
    if (shown_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == &window_) {
      QCoreApplication::instance()->removeEventFilter(this);
      QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
      deleteLater();
    }
    return false;
  }

 private:
  QWidget& window_;
  bool shown_ = false;
};

}  // namespace

TStartOptions parseCommandLine(const QStringList& arguments) {
  TStartOptions options;
  QString screenshot;
  QString kindText;
  QString sizeText;
  bool quitAfterShow = false;
  bool help = false;
  QStringList seen;
  QStringList positional;
  bool optionsEnded = false;

  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments.at(i);
    if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QStringLiteral("-")) {
      positional << argument;
      continue;
    }
    if (argument == QStringLiteral("--")) {
      optionsEnded = true;
      continue;
    }
    // Both "--size 800x600" and "--size=800x600".
    QString name = argument;
    std::optional<QString> value;
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals > 0) {
      name = argument.left(equals);
      value = argument.mid(equals + 1);
    }
    if (name == QStringLiteral("-h")) name = kHelp;
    if (!takesValue(name) && !isKnownSwitch(name)) return failure(QStringLiteral("unknown option '%1'").arg(name));
    if (seen.contains(name)) return failure(QStringLiteral("option '%1' given twice").arg(name));
    seen << name;

    if (isKnownSwitch(name)) {
      if (value) return failure(QStringLiteral("option '%1' takes no value").arg(name));
      (name == kHelp ? help : quitAfterShow) = true;
      continue;
    }
    if (!value) {
      // A following option is never taken for the value: "--screenshot --kind 3"
      // is a forgotten file name, not a picture called "--kind".
      if (i + 1 >= arguments.size() || arguments.at(i + 1).startsWith(QStringLiteral("--")))
        return failure(QStringLiteral("option '%1' needs a value").arg(name));
      value = arguments.at(++i);
    }
    if (name == kScreenshot) screenshot = *value;
    if (name == kKind) kindText = *value;
    if (name == kSize) sizeText = *value;
  }

  // Asking for help is never an error, whatever else is on the line.
  if (help) {
    options.mode = TStartMode::Help;
    options.message = commandLineUsage();
    return options;
  }

  const bool wantsScreenshot = seen.contains(kScreenshot);
  if (wantsScreenshot && screenshot.isEmpty()) return failure(QStringLiteral("--screenshot needs a file name"));
  if (wantsScreenshot && quitAfterShow)
    return failure(QStringLiteral("--screenshot and --quit-after-show exclude each other"));
  if (!wantsScreenshot && (seen.contains(kKind) || seen.contains(kSize)))
    return failure(QStringLiteral("--kind and --size go with --screenshot only"));

  if (seen.contains(kKind)) {
    options.newKind = parseKind(kindText);
    if (!options.newKind)
      return failure(QStringLiteral("bad device kind '%1' (expected 0 to %2)").arg(kindText).arg(kDeviceKindCount - 1));
  }
  if (seen.contains(kSize)) {
    options.windowSize = parseSize(sizeText);
    if (!options.windowSize)
      return failure(QStringLiteral("bad window size '%1' (expected WIDTHxHEIGHT, e.g. 1024x768)").arg(sizeText));
  }

  // Like the file manager's "open with", only the first file counts.
  if (!positional.isEmpty()) options.projectPath = positional.first();
  if (options.newKind && !options.projectPath.isEmpty())
    return failure(QStringLiteral("--kind creates a new project; it cannot go with PROJECT"));

  options.screenshotFile = screenshot;
  options.mode = wantsScreenshot ? TStartMode::Screenshot
                 : quitAfterShow ? TStartMode::QuitAfterShow
                                 : TStartMode::Normal;
  return options;
}

QString commandLineUsage() {
  return QStringLiteral(
      "Usage: lir [PROJECT]\n"
      "       lir --screenshot FILE.png [--kind N] [--size WxH] [PROJECT]\n"
      "       lir --quit-after-show [PROJECT]\n"
      "\n"
      "Opens PROJECT (a project or configuration file of any supported device)\n"
      "in the configurator.\n"
      "\n"
      "  --screenshot FILE   show the window, render it into FILE (PNG) and exit\n"
      "  --kind N            with --screenshot: start a new project of device kind N (0..14)\n"
      "  --size WxH          with --screenshot: window size in pixels, e.g. 1280x800\n"
      "  --quit-after-show   show the window and exit as soon as it has been shown\n"
      "  -h, --help          show this help and exit\n"
      "\n"
      "Exit status: 0 on success, 2 when the command line is wrong.\n");
}

int commandLineExitCode(const TStartOptions& options) {
  return options.mode == TStartMode::Error ? kCommandLineErrorExit : 0;
}

int finishWithoutWindow(const TStartOptions& options) {
  const QByteArray text = options.message.toLocal8Bit();
  std::FILE* stream = options.mode == TStartMode::Error ? stderr : stdout;
  std::fputs(text.constData(), stream);
  if (!text.endsWith('\n')) std::fputc('\n', stream);
  std::fflush(stream);
  return commandLineExitCode(options);
}

void quitAfterFirstShowing(QWidget& window) { new FirstShowingQuit(window); }

}  // namespace lir::gui
