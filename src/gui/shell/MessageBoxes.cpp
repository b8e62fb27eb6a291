#include "shell/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "common/MessageText.h"
#include "shell/AppTitles.h"

namespace lir::gui {
namespace {

TMessagePresenter* installedPresenter = nullptr;

QString& appTitleStore() {
  static QString title = appTitle();
  return title;
}

QMessageBox::Icon iconOf(TMessageKind kind) {
  switch (kind) {
    case TMessageKind::QuestionYesNoCancel:
    case TMessageKind::QuestionYesNo:
      return QMessageBox::Question;
    case TMessageKind::WarningYesNo:
    case TMessageKind::Warning:
      return QMessageBox::Warning;
    case TMessageKind::Error:
      return QMessageBox::Critical;
    case TMessageKind::Information:
      return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

bool asksYesNo(TMessageKind kind) {
  return kind == TMessageKind::QuestionYesNoCancel || kind == TMessageKind::QuestionYesNo ||
         kind == TMessageKind::WarningYesNo;
}

}  // namespace

TMessageAnswer escapeAnswer(TMessageKind kind) {
  if (kind == TMessageKind::QuestionYesNoCancel) return TMessageAnswer::Cancel;
  return asksYesNo(kind) ? TMessageAnswer::No : TMessageAnswer::Ok;
}

bool offersAnswer(TMessageKind kind, TMessageAnswer answer) {
  switch (answer) {
    case TMessageAnswer::Yes:
    case TMessageAnswer::No:
      return asksYesNo(kind);
    case TMessageAnswer::Cancel:
      return kind == TMessageKind::QuestionYesNoCancel;
    case TMessageAnswer::Ok:
      return !asksYesNo(kind);
  }
  return false;
}

QString messageDisplayText(const QString& text) {
  QString shown = QString::fromStdString(withFullStop(text.toStdString()));
  shown.replace(QString::fromLatin1(kLineBreak.data(), qsizetype(kLineBreak.size())),
                QStringLiteral("\n"));
  return shown;
}

TMessageAnswer TMessageBoxPresenter::present(QWidget* parent, const TMessage& message) {
  QMessageBox box(iconOf(message.kind), message.caption, message.text, QMessageBox::NoButton,
                  parent ? parent : QApplication::activeWindow());
  // File names and device texts may hold "<": never let them turn into markup.
  box.setTextFormat(Qt::PlainText);
  QPushButton* yes = nullptr;
  QPushButton* no = nullptr;
  QPushButton* cancel = nullptr;
  QPushButton* ok = nullptr;
  if (asksYesNo(message.kind)) {
    yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    if (message.kind == TMessageKind::QuestionYesNoCancel) {
      cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    }
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel ? cancel : no);
  } else {
    ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
  }
  box.exec();
  const QAbstractButton* clicked = box.clickedButton();
  if (clicked && clicked == yes) return TMessageAnswer::Yes;
  if (clicked && clicked == no) return TMessageAnswer::No;
  if (clicked && clicked == cancel) return TMessageAnswer::Cancel;
  if (clicked && clicked == ok) return TMessageAnswer::Ok;
  return escapeAnswer(message.kind);
}

TMessagePresenter& messagePresenter() {
  static TMessageBoxPresenter onScreen;
  return installedPresenter ? *installedPresenter : onScreen;
}

TMessagePresenterScope::TMessagePresenterScope(TMessagePresenter& presenter)
    : previous_(installedPresenter) {
  installedPresenter = &presenter;
}

TMessagePresenterScope::~TMessagePresenterScope() { installedPresenter = previous_; }

QString currentAppTitle() { return appTitleStore(); }

void setCurrentAppTitle(const QString& title) { appTitleStore() = title; }

TMessageAnswer showMessage(TMessageKind kind, const QString& text, QWidget* parent) {
  return messagePresenter().present(parent, {kind, currentAppTitle(), messageDisplayText(text)});
}

TMessageAnswer askYesNoCancel(const QString& text, QWidget* parent) {
  return showMessage(TMessageKind::QuestionYesNoCancel, text, parent);
}

bool askYesNo(const QString& text, QWidget* parent) {
  return showMessage(TMessageKind::QuestionYesNo, text, parent) == TMessageAnswer::Yes;
}

bool warnYesNo(const QString& text, QWidget* parent) {
  return showMessage(TMessageKind::WarningYesNo, text, parent) == TMessageAnswer::Yes;
}

void showWarning(const QString& text, QWidget* parent) {
  showMessage(TMessageKind::Warning, text, parent);
}

void showError(const QString& text, QWidget* parent) {
  showMessage(TMessageKind::Error, text, parent);
}

void showInformation(const QString& text, QWidget* parent) {
  showMessage(TMessageKind::Information, text, parent);
}

}  // namespace lir::gui
