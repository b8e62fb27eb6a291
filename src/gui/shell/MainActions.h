#pragma once
// The actions of the main window's toolbar, menus and keyboard, created once
// with their captions, hints and shortcuts.

#include <QObject>

class QAction;
class QWidget;

namespace lir::gui {

struct TMainActions {
  explicit TMainActions(QWidget* owner);

  QAction* actNew;           // Ctrl+N: drops the models menu
  QAction* actOpen;          // Ctrl+O: the open menu (dialog and recent files)
  QAction* actSave;          // Ctrl+S
  QAction* actSaveAs;        // Ctrl+Shift+S
  QAction* actExport;        // Ctrl+E: the device operations
  QAction* actPrint;         // Ctrl+P: passport and report
  QAction* actPlus;          // Ctrl+Insert: add in the current page
  QAction* actMinus;         // Ctrl+Delete: delete in the current page
  QAction* actScheme;        // Ctrl+H: the scheme window
  QAction* actSettings;
  QAction* actHelp;
  QAction* actAbout;
  QAction* actExit;          // Alt+X
  QAction* actCopyTable;     // Ctrl+Alt+Shift+C: the current table as a picture
  QAction* actTimeLineCopy;  // Ctrl+Shift+C: the timing diagram as a picture
  QAction* actReadJournal;   // Ctrl+Alt+J: the event journal, through no menu
};

}  // namespace lir::gui
