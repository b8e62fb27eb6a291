#pragma once
// A message presenter that puts nothing on screen: it answers questions from a
// queue and records every box. Tests and the screenshot mode install it with a
// TMessagePresenterScope.

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

#include "shell/MessageBoxes.h"

namespace lir::gui {

// A question came with no answer left, or with an answer its box does not offer.
class EMessageScriptError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

class TScriptedMessagePresenter : public TMessagePresenter {
 public:
  using TScriptErrorHandler = std::function<void(const QString& error)>;

  // onError hears of every script error (a test passes ADD_FAILURE); without
  // one, a script error throws EMessageScriptError. Either way the error is
  // recorded and, when nothing throws, the box gives its Esc answer: a script
  // that runs short must never leave a box waiting for a hand.
  explicit TScriptedMessagePresenter(TScriptErrorHandler onError = {});

  // Queues the answer to the next question (any Yes/No kind). Boxes with only
  // an OK button take nothing from the queue.
  TScriptedMessagePresenter& answer(TMessageAnswer answer);

  TMessageAnswer present(QWidget* parent, const TMessage& message) override;

  const std::vector<TMessage>& shown() const { return shown_; }
  const QStringList& errors() const { return errors_; }
  int pendingAnswers() const { return int(answers_.size()); }

 private:
  TMessageAnswer fail(const QString& error, TMessageKind kind);

  TScriptErrorHandler onError_;
  std::deque<TMessageAnswer> answers_;
  std::vector<TMessage> shown_;
  QStringList errors_;
};

}  // namespace lir::gui
