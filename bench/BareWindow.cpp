// The yardstick for the start-up of lir: the least a Qt Widgets program does to
// put a main window on the screen. It quits exactly the way
// `lir --quit-after-show` does, so that the two start-ups differ only in what
// lir itself adds.

#include <QApplication>
#include <QMainWindow>

#include "shell/CommandLine.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  lir::gui::quitAfterFirstShowing(window);
  window.show();
  return QApplication::exec();
}
