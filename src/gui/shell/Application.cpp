#include "shell/Application.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

#include "common/ProgramFolder.h"
#include "model/LIRModelList.h"
#include "shell/AppTitles.h"
#include "shell/MainForm.h"
#include "shell/SettingsLocation.h"

namespace lir::gui {

int runApplication(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("LIR"));
  QApplication::setOrganizationName(QStringLiteral("Velmira Ltd"));
  try {
    // The model list lives as long as the program; the window borrows it.
    TLIRModelList models;
    TMainForm form(models, QString::fromStdString(prepareSettingsFile()),
                   QString::fromStdString(programFolder()));
    form.show();
    return QApplication::exec();
  } catch (const std::exception& error) {
    // Anything that goes wrong while the program starts ends it, with a word.
    QMessageBox::critical(nullptr, appTitle(), QString::fromUtf8(error.what()));
    return 1;
  }
}

}  // namespace lir::gui
