#include "shell/Application.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QStringList>

#include <cstdio>
#include <exception>

#include "common/ProgramFolder.h"
#include "model/LIRModelList.h"
#include "model/LIRModels.h"
#include "shell/CommandLine.h"
#include "shell/InstanceLock.h"
#include "shell/MainForm.h"
#include "shell/MessageBoxes.h"
#include "shell/ProjectFormats.h"
#include "shell/SettingsLocation.h"

namespace lir::gui {
namespace {

// Without a person in front of the window (screenshots, the start-up
// benchmark) a box must not wait for an answer: it is written to standard
// error and dismissed.
class TConsoleMessagePresenter : public TMessagePresenter {
 public:
  TMessageAnswer present(QWidget*, const TMessage& message) override {
    std::fprintf(stderr, "%s: %s\n", qPrintable(message.caption), qPrintable(message.text));
    return escapeAnswer(message.kind);
  }
};

QStringList argumentsOf(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

// A new project of the kind, for a screenshot: a main-controller kind takes
// the first model that belongs to it.
void createProjectOfKind(TMainForm& form, const TLIRModelList& models, int kindNumber) {
  const auto kind = static_cast<DeviceKind>(kindNumber);
  if (!isMainControllerKind(kind)) {
    form.chooseDevice(kind);
    return;
  }
  for (const auto& model : models) {
    if (deviceKindForModel(model->InternalID()) == kind) {
      form.chooseModel(*model);
      return;
    }
  }
  form.chooseDevice(kind);
}

int takeScreenshot(TMainForm& form, const TLIRModelList& models, const TStartOptions& options) {
  form.show();
  QApplication::processEvents();
  if (!options.projectPath.isEmpty()) {
    form.openProjectFile(options.projectPath);
  } else if (options.newKind) {
    createProjectOfKind(form, models, *options.newKind);
  }
  if (options.windowSize) form.resize(*options.windowSize);
  QApplication::processEvents();
  const QImage image = form.grab().toImage();
  if (!image.save(options.screenshotFile)) {
    std::fprintf(stderr, "lir: cannot write %s\n", qPrintable(options.screenshotFile));
    return 1;
  }
  return 0;
}

}  // namespace

int runApplication(int argc, char* argv[]) {
  const TStartOptions options = parseCommandLine(argumentsOf(argc, argv));
  if (options.mode == TStartMode::Help || options.mode == TStartMode::Error) {
    return finishWithoutWindow(options);
  }
  const bool unattended = options.mode != TStartMode::Normal;
  if (options.mode == TStartMode::Screenshot) qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("LIR"));
  QApplication::setApplicationVersion(QStringLiteral(LIR_VERSION));
  QApplication::setOrganizationName(QStringLiteral("Velmira Ltd"));
  TConsoleMessagePresenter consolePresenter;
  std::optional<TMessagePresenterScope> unattendedBoxes;
  if (unattended) unattendedBoxes.emplace(consolePresenter);

  try {
    // The model list and the file formats live as long as the program; the
    // window borrows them.
    TLIRModelList models;
    TProjectFormats formats;
    TMainForm form(models, formats, QString::fromStdString(prepareSettingsFile()),
                   QString::fromStdString(programFolder()));
    // Held for the life of the process and never tested: several instances may run.
    const TInstanceLock lock;

    if (options.mode == TStartMode::Screenshot) return takeScreenshot(form, models, options);
    if (options.mode == TStartMode::QuitAfterShow) quitAfterFirstShowing(form);
    form.show();
    if (!options.projectPath.isEmpty()) form.openWithQuestion(options.projectPath);
    return QApplication::exec();
  } catch (const std::exception& error) {
    // Anything that goes wrong while the program starts ends it, with a word.
    showError(QString::fromUtf8(error.what()));
    return 1;
  }
}

}  // namespace lir::gui
