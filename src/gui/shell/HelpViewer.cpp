#include "shell/HelpViewer.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <utility>

#include "common/ProgramFolder.h"
#include "shell/MessageBoxes.h"

namespace lir::gui {

QString helpFilePath() {
  return QString::fromStdString(joinPath(programFolder(), "LIR-3.chm"));
}

QStringList chmViewerNames() {
  return {QStringLiteral("xchm"), QStringLiteral("kchmviewer"), QStringLiteral("chmsee")};
}

QString findOnPath(const QString& pathVariable, const QStringList& names,
                   const std::function<bool(const QString& file)>& isExecutable) {
  const QStringList folders = pathVariable.split(QLatin1Char(':'), Qt::SkipEmptyParts);
  for (const QString& name : names) {
    if (name.isEmpty() || name.contains(QLatin1Char('/'))) continue;
    for (const QString& folder : folders) {
      if (!folder.startsWith(QLatin1Char('/'))) continue;
      const QString file = folder.endsWith(QLatin1Char('/')) ? folder + name
                                                              : folder + QLatin1Char('/') + name;
      if (isExecutable(file)) return file;
    }
  }
  return {};
}

THelpViewer::TEnvironment THelpViewer::systemEnvironment() {
  TEnvironment environment;
  environment.pathVariable = QProcessEnvironment::systemEnvironment().value(QStringLiteral("PATH"));
  environment.fileExists = [](const QString& file) { return QFileInfo(file).isFile(); };
  environment.isExecutable = [](const QString& file) {
    const QFileInfo info(file);
    return info.isFile() && info.isExecutable();
  };
  environment.startDetached = [](const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
  };
  return environment;
}

THelpViewer::THelpViewer(QString helpFile, TEnvironment environment)
    : helpFile_(std::move(helpFile)), environment_(std::move(environment)) {}

QString THelpViewer::findViewer() const {
  return findOnPath(environment_.pathVariable, chmViewerNames(), environment_.isExecutable);
}

THelpStatus THelpViewer::open(QWidget* parent) const {
  if (!environment_.fileExists(helpFile_)) {
    showError(QStringLiteral("Файл не найден:\r\n%1").arg(helpFile_), parent);
    return THelpStatus::FileMissing;
  }
  const QString viewer = findViewer();
  if (viewer.isEmpty()) return THelpStatus::NoViewer;
  return environment_.startDetached(viewer, {helpFile_}) ? THelpStatus::Opened
                                                         : THelpStatus::StartFailed;
}

}  // namespace lir::gui
