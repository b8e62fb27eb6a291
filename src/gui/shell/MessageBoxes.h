#pragma once
// Every message box and question of the program goes through here, so that all
// of them are captioned with the application title, end in a full stop and show
// the program's "\r\n" line breaks. The boxes are put on screen by a presenter;
// tests install a scripted one that answers from a queue instead.

#include <QString>

class QWidget;

namespace lir::gui {

enum class TMessageKind {
  QuestionYesNoCancel,
  QuestionYesNo,
  WarningYesNo,
  Warning,
  Error,
  Information,
};

enum class TMessageAnswer { Yes, No, Cancel, Ok };

// The answer a box gives when it is dismissed with Esc or closed: Cancel for
// Yes/No/Cancel, No for the Yes/No kinds, OK for the rest.
TMessageAnswer escapeAnswer(TMessageKind kind);
// Whether a box of this kind offers the answer.
bool offersAnswer(TMessageKind kind, TMessageAnswer answer);

// One box as it is to be shown: caption and text are final, line breaks "\n".
struct TMessage {
  TMessageKind kind = TMessageKind::Information;
  QString caption;
  QString text;
};

// The text as the user sees it: a full stop appended unless it already ends in
// ".", "!" or "?", and "\r\n" turned into one line break.
QString messageDisplayText(const QString& text);

class TMessagePresenter {
 public:
  virtual ~TMessagePresenter() = default;
  // Shows the box modally over parent (may be null) and answers the choice.
  virtual TMessageAnswer present(QWidget* parent, const TMessage& message) = 0;
};

// Shows a QMessageBox with Russian button texts and the kind's icon.
class TMessageBoxPresenter : public TMessagePresenter {
 public:
  TMessageAnswer present(QWidget* parent, const TMessage& message) override;
};

// The presenter in use for the process: a TMessageBoxPresenter unless a
// TMessagePresenterScope has installed another one.
TMessagePresenter& messagePresenter();

// Installs a presenter for its lifetime and then puts the previous one back.
class TMessagePresenterScope {
 public:
  explicit TMessagePresenterScope(TMessagePresenter& presenter);
  ~TMessagePresenterScope();
  TMessagePresenterScope(const TMessagePresenterScope&) = delete;
  TMessagePresenterScope& operator=(const TMessagePresenterScope&) = delete;

 private:
  TMessagePresenter* previous_;
};

// The caption of every box: "Конфигуратор контроллеров ЛИР" for the
// main-controller kinds, the kind's title word otherwise. The main window sets
// it whenever the device kind changes.
QString currentAppTitle();
void setCurrentAppTitle(const QString& title);

// The six kinds of box. parent may be null: the box then belongs to the active
// window.
TMessageAnswer showMessage(TMessageKind kind, const QString& text, QWidget* parent = nullptr);
TMessageAnswer askYesNoCancel(const QString& text, QWidget* parent = nullptr);
bool askYesNo(const QString& text, QWidget* parent = nullptr);
bool warnYesNo(const QString& text, QWidget* parent = nullptr);
void showWarning(const QString& text, QWidget* parent = nullptr);
void showError(const QString& text, QWidget* parent = nullptr);
void showInformation(const QString& text, QWidget* parent = nullptr);

}  // namespace lir::gui
