// The main window's project lifecycle, driven through its actions with the
// message boxes and file dialogs scripted.
#include <QAction>
#include <QSpinBox>
#include <QUrl>
#include <QMenu>
#include <QSet>
#include <QStackedWidget>
#include <QToolBar>

#include "MainFormFixture.h"
#include "model/LIRModels.h"
#include "model/Phases.h"
#include "shell/ControllersPage.h"
#include "documents/TimingDiagramView.h"
#include "shell/MainActions.h"
#include "shell/ModelsMenu.h"

namespace lir::gui::test {
namespace {

TLIRModel* findModel(const TLIRModelList& models, int internalId) {
  TLIRModel* model = models.FindModelByInternalID(internalId);
  EXPECT_NE(model, nullptr) << "sample model " << internalId;
  return model;
}

QStringList recentEntries(const TMainForm& form) {
  QStringList paths;
  const QList<QAction*> actions = form.openMenu()->actions();
  for (int i = 2; i < actions.size(); ++i) paths << actions[i]->text();  // after "Открыть…" and the separator
  return paths;
}

QStringList navigationCaptions(const TMainForm& form) {
  QStringList captions;
  for (const QAction* action : form.navigationBar()->actions()) captions << action->text();
  return captions;
}

using MainForm = MainFormFixture;

TEST_F(MainForm, LoadsTheModelsOnFirstShowAndStartsWithAnEmptyProject) {
  EXPECT_EQ(models.Count(), 0) << "models load when the window is first shown, not before";
  showForm();
  EXPECT_GE(models.Count(), 15);
  EXPECT_EQ(form->deviceKind(), DeviceKind::MainController);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Новый перекресток - Конфигуратор ЛИР"));
  EXPECT_FALSE(form->isModified());
  EXPECT_FALSE(form->mainActions().actSave->isEnabled()) << "Save only while modified";
}

TEST_F(MainForm, ChoosingAModelCreatesAProjectOfItsKind) {
  showForm();
  struct Case {
    int internalId;
    DeviceKind kind;
    bool composite;
  };
  for (const Case c : {Case{18, DeviceKind::MainController, true}, Case{15, DeviceKind::MainControllerLov, false},
                       Case{19, DeviceKind::MainController19, false}, Case{11, DeviceKind::MainController, false}}) {
    TLIRModel* model = findModel(models, c.internalId);
    form->chooseModel(*model);
    EXPECT_EQ(form->deviceKind(), c.kind) << c.internalId;
    ASSERT_EQ(form->project().ControllerCount(), 1);
    EXPECT_EQ(&form->project().Controllers().Items(0)->Model(), model);
    EXPECT_EQ(model->Composite(), c.composite) << c.internalId;
    EXPECT_EQ(form->project().HasOption(poSeasonTimeOff), model->HasSeasonTimeSwitchOff()) << c.internalId;
    EXPECT_FALSE(form->isModified());
  }
}

TEST_F(MainForm, ModelsMenuOffersOnlyFittingModelsWhenAddingAController) {
  showForm();
  TModelsMenu& menu = *form->modelsMenu();
  const auto enabledModels = [&menu] {
    QSet<QString> enabled;
    for (QAction* action : menu.actions()) {
      const QList<QAction*> inner = action->menu() != nullptr ? action->menu()->actions() : QList<QAction*>{action};
      for (QAction* entry : inner) {
        if (!entry->property("model").isNull() && entry->isEnabled() &&
            (action->menu() == nullptr || action->isEnabled())) {
          enabled << entry->text();
        }
      }
    }
    return enabled;
  };

  menu.setTargetProject(nullptr);
  menu.applyStates();
  EXPECT_EQ(enabledModels().size(), models.Count()) << "a new project may take any model";
  bool devicesVisible = false;
  for (QAction* action : menu.actions()) {
    if (action->text() == QStringLiteral("ФЕК-1")) {
      EXPECT_FALSE(action->isVisible());
    }
    if (action->text() == QStringLiteral("ВЕЗ-1")) devicesVisible = action->isVisible();
  }
  EXPECT_TRUE(devicesVisible);

  form->chooseModel(*findModel(models, 13));  // ЛИР-3.2Н allows several controllers
  menu.setTargetProject(&form->project());
  menu.applyStates();
  const QSet<QString> fitting = enabledModels();
  EXPECT_TRUE(fitting.contains(QStringLiteral("ЛИР-3.2Н (16 вых.)")));
  EXPECT_FALSE(fitting.contains(QStringLiteral("ЛИР-3.4Н (48 вых.)"))) << "a composite does not allow several";
  EXPECT_FALSE(fitting.contains(QStringLiteral("ЛОВ-1 (24 вых.)"))) << "another family";
  for (QAction* action : menu.actions()) {
    if (action->text() == QStringLiteral("ВЕЗ-1")) {
      EXPECT_FALSE(action->isVisible()) << "only models when adding";
    }
  }

  form->chooseModel(*findModel(models, 13));
  EXPECT_EQ(form->project().ControllerCount(), 2);
  EXPECT_TRUE(form->isModified()) << "an added controller is an edit";
  form->setModified(false);
}

TEST_F(MainForm, UnsavedChangesQuestionGuardsEveryReplacement) {
  showForm();
  const QString other = writeProject(QStringLiteral("other.lir"), "Другой");
  form->project().Name = "Перекресток";
  form->setModified(true);

  // Cancel keeps everything.
  boxes.answer(TMessageAnswer::Cancel);
  EXPECT_FALSE(form->openWithQuestion(other));
  EXPECT_EQ(form->project().Name, "Перекресток");
  EXPECT_TRUE(form->isModified());
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Сохранить изменения в проекте «Перекресток»?"));
  EXPECT_EQ(boxes.shown()[0].caption, QStringLiteral("Конфигуратор контроллеров ЛИР"));

  // Yes, then a cancelled Save As: the project stays as it was.
  boxes.answer(TMessageAnswer::Yes);
  dialogs.answers.push_back(QString());
  form->chooseDevice(DeviceKind::AudibleSignal);
  EXPECT_EQ(form->deviceKind(), DeviceKind::MainController);
  EXPECT_TRUE(form->isModified());
  ASSERT_FALSE(dialogs.requests.empty());
  EXPECT_EQ(dialogs.requests.back().fileName, QStringLiteral("Перекресток")) << "the project name proposed";

  // Yes and a save that succeeds: then the other file opens.
  boxes.answer(TMessageAnswer::Yes);
  const QString saved = dir.filePath(QStringLiteral("saved.lir"));
  dialogs.answers.push_back(saved);
  EXPECT_TRUE(form->openWithQuestion(other));
  EXPECT_EQ(form->project().Name, "Другой");
  EXPECT_TRUE(QFile::exists(saved));

  // No discards.
  form->setModified(true);
  boxes.answer(TMessageAnswer::No);
  form->chooseDevice(DeviceKind::GsmModule);
  EXPECT_EQ(form->deviceKind(), DeviceKind::GsmModule);
  EXPECT_FALSE(form->isModified());
}

TEST_F(MainForm, FailedSaveKeepsTheOldFileThePathAndTheModifiedFlag) {
  showForm();
  const QString path = writeProject(QStringLiteral("kept.lir"), "Старое");
  ASSERT_TRUE(form->openProjectFile(path));
  form->project().Name = "Новое";
  form->setModified(true);

  formats.Register(DeviceKind::MainController, TReaderRole::Project, {},
                   [](std::string&) -> std::string { return "Диск переполнен"; });
  EXPECT_FALSE(form->save());
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].kind, TMessageKind::Error);
  EXPECT_TRUE(boxes.shown()[0].text.contains(path));
  EXPECT_TRUE(boxes.shown()[0].text.contains(QStringLiteral("Диск переполнен")));
  EXPECT_TRUE(form->isModified());
  EXPECT_EQ(form->currentPath(), path);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().endsWith("Старое"));
  form->setModified(false);
}

TEST_F(MainForm, OpeningReportsMissingUnknownAndBrokenFiles) {
  showForm();
  form->openProjectFile(dir.filePath(QStringLiteral("absent.lir")));
  const QString junk = dir.filePath(QStringLiteral("junk.bin"));
  {
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0123456789");
  }
  form->openProjectFile(junk);
  form->openProjectFile(writeProject(QStringLiteral("broken.lir"), "x"));
  {
    QFile file(dir.filePath(QStringLiteral("broken.lir")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("FAIL and more");
  }
  EXPECT_FALSE(form->openProjectFile(dir.filePath(QStringLiteral("broken.lir"))));
  const QString noReader = dir.filePath(QStringLiteral("device.hrz"));
  {
    QFile file(noReader);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("HRZ1 settings");
  }
  EXPECT_FALSE(form->openProjectFile(noReader));
  EXPECT_EQ(form->deviceKind(), DeviceKind::CommController) << "an empty project of the file's kind";
  EXPECT_TRUE(form->currentPath().isEmpty());

  ASSERT_EQ(boxes.shown().size(), 4u);
  EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Файл не найден:\n%1.").arg(dir.filePath(QStringLiteral("absent.lir"))));
  EXPECT_EQ(boxes.shown()[1].text,
            QStringLiteral("Невозможно открыть файл \"%1\":\nневерная сигнатура. Формат не поддерживается или файл повреждён.")
                .arg(junk));
  EXPECT_TRUE(boxes.shown()[2].text.endsWith(QStringLiteral("Файл повреждён.")));
  EXPECT_TRUE(boxes.shown()[3].text.contains(QStringLiteral("не поддерживается")));
  EXPECT_EQ(boxes.shown()[3].caption, QStringLiteral("Конфигуратор ХРЗ"));
}

TEST_F(MainForm, RecentListKeepsTheLastFiveNewestFirstAcrossARestart) {
  showForm();
  QStringList opened;
  for (int i = 1; i <= 6; ++i) {
    const QString path = writeProject(QStringLiteral("p%1.lir").arg(i), QByteArray::number(i));
    ASSERT_TRUE(form->openProjectFile(path));
    opened.prepend(path);
  }
  const QStringList expected = opened.mid(0, 5);
  EXPECT_EQ(recentEntries(*form), expected);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("6 - %1").arg(opened.first()));

  restart();
  EXPECT_EQ(recentEntries(*form), expected);
}

TEST_F(MainForm, NavigationShowsThePagesOfEachKind) {
  showForm();
  form->chooseDevice(DeviceKind::CommController);
  EXPECT_EQ(navigationCaptions(*form),
            (QStringList{QStringLiteral("ХРЗ"), QStringLiteral("Иденти-\nфикаторы"), QStringLiteral("Ethernet"),
                         QStringLiteral("GPRS")}));
  EXPECT_FALSE(form->mainActions().actScheme->isVisible());
  form->chooseDevice(DeviceKind::DetectorBlock);
  EXPECT_FALSE(form->mainActions().actSaveAs->isEnabled()) << "no project file for this kind";
  form->chooseModel(*findModel(models, 10));
  EXPECT_TRUE(navigationCaptions(*form).contains(QStringLiteral("ПРА")));
  EXPECT_TRUE(form->mainActions().actScheme->isVisible());
}

TEST_F(MainForm, EveryKindRendersItsFirstPage) {
  showForm();
  for (const TDeviceKindInfo& info : deviceKinds()) {
    form->chooseDevice(info.kind);
    QApplication::processEvents();
    const QImage image = form->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 5)
      for (int x = 0; x < image.width(); x += 5) colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 3) << "kind " << int(info.kind) << " renders blank";
    if (const QString keep = qEnvironmentVariable("LIR_TEST_SCREENSHOTS"); !keep.isEmpty())
      image.save(QDir(keep).filePath(QStringLiteral("kind%1.png").arg(int(info.kind))));
  }
}

TEST_F(MainForm, DroppingSeveralFilesOpensOnlyTheFirst) {
  showForm();
  const QString first = writeProject(QStringLiteral("first.lir"), "Первый");
  const QString second = writeProject(QStringLiteral("second.lir"), "Второй");
  EXPECT_TRUE(form->openDropped({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)}));
  EXPECT_EQ(form->currentPath(), first);
  EXPECT_EQ(form->project().Name, "Первый");
  EXPECT_EQ(recentEntries(*form), QStringList{first});
}

TEST_F(MainForm, AllRedTimeSetsTheStartUpAllRedPhase) {
  showForm();
  auto* spin = form->controllersPage()->findChild<QSpinBox*>(QStringLiteral("intAllRedTime"));
  ASSERT_NE(spin, nullptr);
  spin->setValue(7);
  EXPECT_EQ(form->project().AllRedTime, 7);
  EXPECT_EQ(form->project().Phases().StartAllRed()->MinDuration(), 7);
  EXPECT_TRUE(form->isModified());
  form->setModified(false);
}

TEST_F(MainForm, PhasePageShowsTheTimingDiagramOfTheMinimalCycle) {
  showForm();
  form->chooseModel(*findModel(models, 13));
  ASSERT_GE(form->project().AddGroup(0), 0);
  ASSERT_GE(form->project().AddGroup(1), 0);
  EXPECT_FALSE(form->timingDiagram()->hasDiagram()) << "the controllers page has no cycle";
  for (QAction* button : form->navigationBar()->actions()) {
    if (button->text() == QStringLiteral("Рабочие фазы")) button->trigger();
  }
  EXPECT_TRUE(form->timingDiagram()->hasDiagram());
  EXPECT_TRUE(form->mainActions().actTimeLineCopy->isEnabled());
  QApplication::processEvents();
  if (const QString keep = qEnvironmentVariable("LIR_TEST_SCREENSHOTS"); !keep.isEmpty())
    form->grab().save(QDir(keep).filePath(QStringLiteral("phases-diagram.png")));
  form->setModified(false);
}

TEST_F(MainForm, ShortcutsReachTheirActions) {
  const TMainActions& a = form->mainActions();
  const std::vector<std::pair<const QAction*, QKeySequence>> table = {
      {a.actNew, QKeySequence(Qt::CTRL | Qt::Key_N)},
      {a.actOpen, QKeySequence(Qt::CTRL | Qt::Key_O)},
      {a.actSave, QKeySequence(Qt::CTRL | Qt::Key_S)},
      {a.actSaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
      {a.actExport, QKeySequence(Qt::CTRL | Qt::Key_E)},
      {a.actPrint, QKeySequence(Qt::CTRL | Qt::Key_P)},
      {a.actPlus, QKeySequence(Qt::CTRL | Qt::Key_Insert)},
      {a.actMinus, QKeySequence(Qt::CTRL | Qt::Key_Delete)},
      {a.actScheme, QKeySequence(Qt::CTRL | Qt::Key_H)},
      {a.actExit, QKeySequence(Qt::ALT | Qt::Key_X)},
      {a.actCopyTable, QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_C)},
      {a.actTimeLineCopy, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
      {a.actReadJournal, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_J)},
  };
  for (const auto& [action, keys] : table) {
    EXPECT_EQ(action->shortcut(), keys) << action->objectName().toStdString();
    EXPECT_TRUE(form->actions().contains(const_cast<QAction*>(action)))
        << action->objectName().toStdString() << " must belong to the window to work from any page";
  }
}

}  // namespace
}  // namespace lir::gui::test
