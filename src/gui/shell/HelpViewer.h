#pragma once
// The help button: opens the compiled help file "LIR-3.chm" of the program
// folder with a CHM viewer found on PATH, started apart from this program.

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace lir::gui {

// The program folder followed by "LIR-3.chm".
QString helpFilePath();

// The CHM viewers tried, most preferred first.
QStringList chmViewerNames();

// The full path of the first of names found executable in a folder of the PATH
// value pathVariable (folders in order, for each name in turn). Empty and
// relative entries are skipped rather than read against the current folder:
// the help must not start whatever lies in the folder the program was started
// from. Empty when none is found.
QString findOnPath(const QString& pathVariable, const QStringList& names,
                   const std::function<bool(const QString& file)>& isExecutable);

enum class THelpStatus {
  Opened,
  FileMissing,  // reported to the user with "Файл не найден:\r\n%s"
  NoViewer,     // silent, as when the platform's help viewer cannot be loaded
  StartFailed,  // silent as well; the caller may log it
};

class THelpViewer {
 public:
  // The ways of the world the help needs; tests replace them.
  struct TEnvironment {
    QString pathVariable;
    std::function<bool(const QString& file)> fileExists;
    std::function<bool(const QString& file)> isExecutable;
    std::function<bool(const QString& program, const QStringList& arguments)> startDetached;
  };
  static TEnvironment systemEnvironment();

  explicit THelpViewer(QString helpFile = helpFilePath(), TEnvironment environment = systemEnvironment());

  const QString& helpFile() const { return helpFile_; }

  // The viewer to use, empty when none is installed.
  QString findViewer() const;

  // What the help button does; parent owns the error box of a missing file.
  THelpStatus open(QWidget* parent = nullptr) const;

 private:
  QString helpFile_;
  TEnvironment environment_;
};

}  // namespace lir::gui
