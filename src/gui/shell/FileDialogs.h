#pragma once
// The open and save dialogs of the main window behind an interface, so that
// tests can answer them.

#include <QString>

class QWidget;

namespace lir::gui {

struct TFileDialogRequest {
  QString caption;
  QString folder;       // initial folder
  QString fileName;     // proposed name (save) or empty
  QString filter;       // Qt filter text: "Проекты ЛИР-3 (*.lir);;Все файлы (*)"
  QString defaultSuffix;  // without the dot
};

class TFileDialogs {
 public:
  virtual ~TFileDialogs() = default;
  // The chosen file, or an empty text when the dialog was cancelled.
  virtual QString openFile(QWidget* parent, const TFileDialogRequest& request) = 0;
  // Prompts before overwriting an existing file.
  virtual QString saveFile(QWidget* parent, const TFileDialogRequest& request) = 0;
};

// The platform's dialogs.
class TQtFileDialogs : public TFileDialogs {
 public:
  QString openFile(QWidget* parent, const TFileDialogRequest& request) override;
  QString saveFile(QWidget* parent, const TFileDialogRequest& request) override;
};

// Turns a filter of the form "Текст|*.a;*.b|Текст 2|*.c" into Qt's form
// "Текст (*.a *.b);;Текст 2 (*.c)", keeping a caption that already lists the
// patterns as it is.
QString qtFilter(const QString& pipeFilter);

}  // namespace lir::gui
