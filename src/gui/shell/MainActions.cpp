#include "shell/MainActions.h"

#include "shell/StyleIcon.h"

#include <QAction>
#include <QApplication>
#include <QStyle>
#include <QWidget>

namespace lir::gui {
namespace {

QAction* makeAction(QWidget* owner, const char* name, const QString& text, const QString& hint,
                    const QKeySequence& shortcut = {}, QStyle::StandardPixmap icon = QStyle::SP_CustomBase) {
  auto* action = new QAction(text, owner);
  action->setObjectName(QString::fromLatin1(name));
  action->setToolTip(hint);
  action->setStatusTip(hint);
  if (!shortcut.isEmpty()) {
    action->setShortcut(shortcut);
    // The shortcuts work wherever the focus is in the window.
    action->setShortcutContext(Qt::WindowShortcut);
  }
  if (icon != QStyle::SP_CustomBase) action->setIcon(lazyStandardIcon(icon));
  owner->addAction(action);
  return action;
}

}  // namespace

TMainActions::TMainActions(QWidget* owner)
    : actNew(makeAction(owner, "actNew", QStringLiteral("Новый проект"),
                        QStringLiteral("Создать новый проект"), QKeySequence(Qt::CTRL | Qt::Key_N),
                        QStyle::SP_FileIcon)),
      actOpen(makeAction(owner, "actOpen", QStringLiteral("Открыть…"),
                         QStringLiteral("Открыть проект"), QKeySequence(Qt::CTRL | Qt::Key_O),
                         QStyle::SP_DialogOpenButton)),
      actSave(makeAction(owner, "actSave", QStringLiteral("Сохранить"),
                         QStringLiteral("Сохранить проект"), QKeySequence(Qt::CTRL | Qt::Key_S),
                         QStyle::SP_DialogSaveButton)),
      actSaveAs(makeAction(owner, "actSaveAs", QStringLiteral("Сохранить как…"),
                           QStringLiteral("Сохранить проект под другим именем"),
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), QStyle::SP_DriveFDIcon)),
      actExport(makeAction(owner, "actExport", QStringLiteral("Устройство"),
                           QStringLiteral("Операции с устройством"), QKeySequence(Qt::CTRL | Qt::Key_E),
                           QStyle::SP_DriveNetIcon)),
      actPrint(makeAction(owner, "actPrint", QStringLiteral("Паспорт"),
                          QStringLiteral("Паспорт и отчёт"), QKeySequence(Qt::CTRL | Qt::Key_P),
                          QStyle::SP_FileDialogDetailedView)),
      actPlus(makeAction(owner, "actPlus", QStringLiteral("Добавить"), QStringLiteral("Добавить"),
                         QKeySequence(Qt::CTRL | Qt::Key_Insert), QStyle::SP_ArrowUp)),
      actMinus(makeAction(owner, "actMinus", QStringLiteral("Удалить"), QStringLiteral("Удалить"),
                          QKeySequence(Qt::CTRL | Qt::Key_Delete), QStyle::SP_ArrowDown)),
      actScheme(makeAction(owner, "actScheme", QStringLiteral("Схема"),
                           QStringLiteral("Схема движения"), QKeySequence(Qt::CTRL | Qt::Key_H),
                           QStyle::SP_DesktopIcon)),
      actSettings(makeAction(owner, "actSettings", QStringLiteral("Настройки"),
                             QStringLiteral("Настройки"), {}, QStyle::SP_FileDialogListView)),
      actHelp(makeAction(owner, "actHelp", QStringLiteral("Справка"), QStringLiteral("Справка"),
                         QKeySequence(Qt::Key_F1), QStyle::SP_DialogHelpButton)),
      actAbout(makeAction(owner, "actAbout", QStringLiteral("О программе"),
                          QStringLiteral("О программе"), {}, QStyle::SP_MessageBoxInformation)),
      actExit(makeAction(owner, "actExit", QStringLiteral("Выход"), QStringLiteral("Выход"),
                         QKeySequence(Qt::ALT | Qt::Key_X), QStyle::SP_DialogCloseButton)),
      actCopyTable(makeAction(owner, "actCopyTable", QStringLiteral("Копировать таблицу"),
                              QStringLiteral("Копировать таблицу как рисунок"),
                              QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_C))),
      actTimeLineCopy(makeAction(owner, "actTimeLineCopy", QStringLiteral("Копировать диаграмму"),
                                 QStringLiteral("Копировать временную диаграмму"),
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C))),
      actReadJournal(makeAction(owner, "actReadJournal", QStringLiteral("Прочитать журнал событий"),
                                QStringLiteral("Чтение журнала событий контроллера через программатор"),
                                QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_J))) {}

}  // namespace lir::gui
