#include "shell/ScriptedMessagePresenter.h"

#include <utility>

namespace lir::gui {

TScriptedMessagePresenter::TScriptedMessagePresenter(TScriptErrorHandler onError)
    : onError_(std::move(onError)) {}

TScriptedMessagePresenter& TScriptedMessagePresenter::answer(TMessageAnswer answer) {
  answers_.push_back(answer);
  return *this;
}

TMessageAnswer TScriptedMessagePresenter::present(QWidget*, const TMessage& message) {
  shown_.push_back(message);
  if (offersAnswer(message.kind, TMessageAnswer::Ok)) return TMessageAnswer::Ok;
  if (answers_.empty()) {
    return fail(QStringLiteral("no answer left for the question \"%1\"").arg(message.text),
                message.kind);
  }
  const TMessageAnswer next = answers_.front();
  answers_.pop_front();
  if (!offersAnswer(message.kind, next)) {
    return fail(QStringLiteral("the queued answer is not offered by the box \"%1\"")
                    .arg(message.text),
                message.kind);
  }
  return next;
}

TMessageAnswer TScriptedMessagePresenter::fail(const QString& error, TMessageKind kind) {
  errors_.append(error);
  if (!onError_) throw EMessageScriptError(error.toStdString());
  onError_(error);
  return escapeAnswer(kind);
}

}  // namespace lir::gui
