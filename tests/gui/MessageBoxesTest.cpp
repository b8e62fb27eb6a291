// Every box is captioned with the application title, ends in a full stop, shows
// "\r\n" as a line break, and offers the buttons of its kind; a scripted
// presenter answers in tests and never leaves a question waiting.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <vector>

#include "shell/AppTitles.h"
#include "shell/MessageBoxes.h"
#include "shell/ScriptedMessagePresenter.h"

namespace lir::gui {
namespace {

// Puts the application title back for the tests that follow.
class TitleRestorer {
 public:
  ~TitleRestorer() { setCurrentAppTitle(appTitle()); }
};

TEST(MessageBoxes, DisplayTextEndsInAFullStopAndBreaksLinesOnce) {
  const struct {
    QString given, shown;
  } cases[] = {
      {QStringLiteral("Файл не найден:\r\n/opt/lir/LIR-3.chm"),
       QStringLiteral("Файл не найден:\n/opt/lir/LIR-3.chm.")},
      {QStringLiteral("Неизвестная ошибка!"), QStringLiteral("Неизвестная ошибка!")},
      {QStringLiteral("Удалить их?"), QStringLiteral("Удалить их?")},
      {QStringLiteral("Готово."), QStringLiteral("Готово.")},
      {QStringLiteral("1. первая\r\n2. вторая\r\n"), QStringLiteral("1. первая\n2. вторая.")},
      {QString(), QString()},
  };
  for (const auto& c : cases) EXPECT_EQ(messageDisplayText(c.given), c.shown) << c.given.toStdString();
}

TEST(MessageBoxes, EveryKindGoesThroughThePresenterWithTheCurrentTitle) {
  TitleRestorer restore;
  TScriptedMessagePresenter script;
  TMessagePresenterScope scope(script);
  script.answer(TMessageAnswer::Cancel).answer(TMessageAnswer::No).answer(TMessageAnswer::Yes);

  EXPECT_EQ(askYesNoCancel(QStringLiteral("Сохранить изменения в проекте?")), TMessageAnswer::Cancel);
  EXPECT_FALSE(askYesNo(QStringLiteral("В проекте имеются спецфазы. Удалить их?")));
  setCurrentAppTitle(QStringLiteral("ВЕЗ"));
  EXPECT_TRUE(warnYesNo(QStringLiteral("Продолжить")));
  showWarning(QStringLiteral("Внимание"));
  showError(QStringLiteral("Ошибка"));
  showInformation(QStringLiteral("Готово"));

  const std::vector<TMessage>& shown = script.shown();
  ASSERT_EQ(shown.size(), 6u);
  const TMessageKind kinds[] = {TMessageKind::QuestionYesNoCancel, TMessageKind::QuestionYesNo,
                                TMessageKind::WarningYesNo,        TMessageKind::Warning,
                                TMessageKind::Error,               TMessageKind::Information};
  for (size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(shown[i].kind, kinds[i]) << i;
  EXPECT_EQ(shown[0].caption, appTitle());
  EXPECT_EQ(shown[1].caption, appTitle());
  EXPECT_EQ(shown[2].caption, QStringLiteral("ВЕЗ"));
  EXPECT_EQ(shown[5].caption, QStringLiteral("ВЕЗ"));
  EXPECT_EQ(shown[2].text, QStringLiteral("Продолжить."));
  EXPECT_EQ(shown[4].text, QStringLiteral("Ошибка."));
  EXPECT_EQ(script.pendingAnswers(), 0);
  EXPECT_TRUE(script.errors().isEmpty());
}

TEST(MessageBoxes, ScriptThatRunsShortIsReportedAndNeverBlocks) {
  QStringList heard;
  TScriptedMessagePresenter script([&heard](const QString& error) { heard.append(error); });
  TMessagePresenterScope scope(script);

  // No answer left: the error is heard and the box gives its Esc answer.
  EXPECT_EQ(askYesNoCancel(QStringLiteral("Сохранить?")), TMessageAnswer::Cancel);
  EXPECT_FALSE(askYesNo(QStringLiteral("Удалить?")));
  // An answer the box does not offer is just as wrong.
  script.answer(TMessageAnswer::Cancel);
  EXPECT_FALSE(warnYesNo(QStringLiteral("Заменить?")));
  // OK-only boxes need no answer and take none from the queue.
  script.answer(TMessageAnswer::Yes);
  showError(QStringLiteral("Ошибка"));
  EXPECT_EQ(script.pendingAnswers(), 1);

  EXPECT_EQ(heard.size(), 3);
  EXPECT_EQ(script.errors(), heard);
  EXPECT_TRUE(heard[0].contains(QStringLiteral("Сохранить?")));
}

TEST(MessageBoxes, ScriptWithoutAHandlerThrowsAndScopesNest) {
  TScriptedMessagePresenter outer;
  TMessagePresenterScope outerScope(outer);
  {
    TScriptedMessagePresenter inner;
    TMessagePresenterScope innerScope(inner);
    EXPECT_THROW(askYesNo(QStringLiteral("Удалить?")), EMessageScriptError);
    EXPECT_EQ(&messagePresenter(), &inner);
  }
  EXPECT_EQ(&messagePresenter(), &outer);
  showInformation(QStringLiteral("Готово"));
  EXPECT_EQ(outer.shown().size(), 1u);
}

// The on-screen boxes: driven with the keyboard from inside their own loop.
struct OnScreenCase {
  TMessageKind kind;
  QStringList buttons;
  QMessageBox::Icon icon;
  TMessageAnswer onEnter;
  TMessageAnswer onEscape;
};

class OnScreenMessageBox : public ::testing::TestWithParam<OnScreenCase> {
 protected:
  // Shows the box, lets inspect look at it and then presses key in it.
  TMessageAnswer showAndPress(int key, const std::function<void(QMessageBox&)>& inspect) {
    bool seen = false;
    // Local timers: none of them may outlive this box and fire into another test.
    QTimer press;
    press.setSingleShot(true);
    QObject::connect(&press, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      seen = true;
      inspect(*box);
      QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
      QApplication::sendEvent(box, &event);
    });
    // A box that never closed would hang the run: close whatever is left.
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    press.start(0);
    rescue.start(3000);
    const TMessageAnswer answer = showMessage(GetParam().kind, QStringLiteral("Строка 1\r\nСтрока 2"));
    EXPECT_TRUE(seen) << "no message box came up";
    return answer;
  }
};

TEST_P(OnScreenMessageBox, OffersTheKindsButtonsWithRussianTextsAndAnswersEnterAndEsc) {
  const OnScreenCase& c = GetParam();
  const TMessageAnswer onEnter = showAndPress(Qt::Key_Return, [&c](QMessageBox& box) {
    QStringList texts;
    for (QAbstractButton* button : box.buttons()) texts.append(button->text());
    texts.sort();
    QStringList expected = c.buttons;
    expected.sort();
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(box.icon(), c.icon);
    EXPECT_EQ(box.windowTitle(), appTitle());
    EXPECT_EQ(box.text(), QStringLiteral("Строка 1\nСтрока 2."));
    EXPECT_EQ(box.textFormat(), Qt::PlainText);
    if (c.kind == TMessageKind::QuestionYesNoCancel) {
      box.grab().save(QDir::temp().filePath(QStringLiteral("lir-message-box.png")));
    }
  });
  EXPECT_EQ(onEnter, c.onEnter);
  EXPECT_EQ(showAndPress(Qt::Key_Escape, [](QMessageBox&) {}), c.onEscape);
}

const QString kYes = QStringLiteral("Да");
const QString kNo = QStringLiteral("Нет");
const QString kCancel = QStringLiteral("Отмена");
const QString kOk = QStringLiteral("OK");

INSTANTIATE_TEST_SUITE_P(
    AllKinds, OnScreenMessageBox,
    ::testing::Values(
        OnScreenCase{TMessageKind::QuestionYesNoCancel, {kYes, kNo, kCancel}, QMessageBox::Question,
                     TMessageAnswer::Yes, TMessageAnswer::Cancel},
        OnScreenCase{TMessageKind::QuestionYesNo, {kYes, kNo}, QMessageBox::Question,
                     TMessageAnswer::Yes, TMessageAnswer::No},
        OnScreenCase{TMessageKind::WarningYesNo, {kYes, kNo}, QMessageBox::Warning,
                     TMessageAnswer::Yes, TMessageAnswer::No},
        OnScreenCase{TMessageKind::Warning, {kOk}, QMessageBox::Warning, TMessageAnswer::Ok,
                     TMessageAnswer::Ok},
        OnScreenCase{TMessageKind::Error, {kOk}, QMessageBox::Critical, TMessageAnswer::Ok,
                     TMessageAnswer::Ok},
        OnScreenCase{TMessageKind::Information, {kOk}, QMessageBox::Information,
                     TMessageAnswer::Ok, TMessageAnswer::Ok}));

}  // namespace
}  // namespace lir::gui
