// The project lifecycle of the main window: new, open, save, the unsaved-changes
// question, the recent files and the title.
#include <QAction>
#include <QActionGroup>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "model/LIRModels.h"
#include "model/ModelMenuState.h"
#include "model/CycleList.h"
#include "model/Phases.h"
#include "documents/TimingDiagramView.h"
#include "shell/ControllersPage.h"
#include "shell/DeviceKindTexts.h"
#include "shell/FileDialogs.h"
#include "shell/MainActions.h"
#include "shell/MainForm.h"
#include "shell/MessageBoxes.h"
#include "shell/ModelsMenu.h"
#include "shell/NavigationPages.h"
#include "shell/ProjectFileIo.h"
#include "shell/SchemeForm.h"

namespace lir::gui {
namespace {

// The filter of the open dialog: every format the program reads, then one
// entry per format.
const char* const kOpenFilter =
    "Доступные форматы (*.lir;*.yrs;*.ups;*.wez;*.w0;*.feq;*.f0;*.pel;*.hrz;*.nav;*.n0)"
    "|*.lir;*.yrs;*.ups;*.wez;*.w0;*.feq;*.f0;*.vn5;*.v0;*.pel;*.hrz;*.nav;*.n0"
    "|Проекты ЛИР-3 (*.lir)|*.lir|Проекты ЯРС (*.yrs)|*.yrs|Проекты РЕЛЗ (*.yrs)|*.yrs"
    "|Проекты ВЕЗ и ВТЛГ (*.wez)|*.wez|Конфигурации ВЕЗ и ВТЛГ (*.w0)|*.w0"
    "|Проекты FEQ-1 (*.feq)|*.feq|Конфигурации FEQ-1 (*.f0)|*.f0|Проекты ПЕЛ (*.pel)|*.pel"
    "|Проекты ХРЗ (*.hrz)|*.hrz|Проекты НАВ (*.nav)|*.nav|Конфигурации НАВ (*.n0)|*.n0"
    "|Все файлы (*.*)|*.*";

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// A page whose editor is not built yet: its button leads to an empty page.
QWidget* makeEmptyPage(QWidget* parent, const QString& caption) {
  auto* page = new QWidget(parent);
  auto* layout = new QVBoxLayout(page);
  auto* title = new QLabel(caption, page);
  QFont font = title->font();
  font.setBold(true);
  title->setFont(font);
  layout->addWidget(title);
  layout->addStretch();
  return page;
}

}  // namespace

void TMainForm::setModified(bool modified) {
  if (loading_) return;
  modified_ = modified;
  updateActions();
}

TProjectTitleData TMainForm::titleData() const {
  TProjectTitleData data;
  data.kind = kind_;
  data.projectName = project_.Name;
  data.currentPath = currentPath_.toStdString();
  return data;
}

void TMainForm::updateTitle() {
  setWindowTitle(QString::fromStdString(windowCaption(titleData())));
}

bool TMainForm::confirmDiscard() {
  if (!modified_) return true;
  switch (askYesNoCancel(QString::fromStdString(unsavedChangesQuestion(titleData())), this)) {
    case TMessageAnswer::Yes:
      // A save that is cancelled or fails keeps the project: as if Cancel.
      return save();
    case TMessageAnswer::No:
      return true;
    default:
      return false;
  }
}

void TMainForm::resetProject(DeviceKind kind) {
  schemeForm_->clearScheme();
  project_.Reset(settings_.AllRedTime);
  showProject(kind, QString());
}

void TMainForm::showProject(DeviceKind kind, const QString& path) {
  kind_ = kind;
  setCurrentAppTitle(fromView(applicationTitle(kind)));
  currentPath_ = path;
  controllersPage_->setProject(project_, int(kind_));
  rebuildNavigation();
  showFirstPage();
  refreshModelControls();
  modified_ = false;
  updateActions();
  updateTitle();
}

void TMainForm::chooseDevice(DeviceKind kind) {
  if (!confirmDiscard()) return;
  resetProject(kind);
}

void TMainForm::chooseModel(TLIRModel& model) {
  const bool adding = modelsMenu_->targetProject() != nullptr;
  if (adding) {
    // Only the models that fit are offered; the project checks against the
    // new model come with the checks themselves.
    if (!ModelEntryEnabled(model, project_)) return;
  } else if (!confirmDiscard()) {
    return;
  }
  model.SetComposite(model.ModelName() == TLIRModel::kComposite48 ||
                     model.ModelName() == TLIRModel::kComposite64);
  if (!adding) resetProject(deviceKindForModel(model.InternalID()));
  project_.AddController(model);
  if (!model.HasSeasonTimeSwitchOff()) project_.SetOption(poSeasonTimeOff, false);
  refreshModelControls();
  rebuildNavigation();
  controllersPage_->setFocus();
  // A new project starts unmodified; a controller added to a project is an
  // edit like any other and must not be lost without the question.
  setModified(adding);
}

bool TMainForm::openWithQuestion(const QString& path) {
  if (!confirmDiscard()) return false;
  return openProjectFile(path);
}

void TMainForm::showOpenDialog() {
  if (!confirmDiscard()) return;
  TFileDialogRequest request;
  request.caption = QStringLiteral("Открытие проекта");
  request.folder = QString::fromStdString(settings_.FileDir);
  request.filter = qtFilter(QString::fromUtf8(kOpenFilter));
  const QString path = dialogs_->openFile(this, request);
  if (!path.isEmpty()) openProjectFile(path);
}

bool TMainForm::openProjectFile(const QString& path) {
  if (settings_.DefLastFileDir) settings_.FileDir = QFileInfo(path).absolutePath().toStdString();
  loading_ = true;
  const TOpenResult result = lir::openProjectFile(path.toStdString(), formats_);
  loading_ = false;
  if (result.outcome == TOpenOutcome::Missing) {
    showError(QString::fromStdString(result.message), this);
    return false;
  }
  if (result.outcome == TOpenOutcome::Failed) {
    // The project may be half read: an empty project of the file's kind takes
    // its place (of the window's kind when the file was not recognised), and
    // the error is told in the words of that kind.
    resetProject(result.file.ok() ? result.file.kind : kind_);
    showError(QString::fromStdString(result.message), this);
    return false;
  }
  if (result.file.joinsRecentList && !path.isEmpty()) addRecent(path);
  showProject(result.file.kind, result.file.keepsPath ? path : QString());
  return true;
}

bool TMainForm::save() {
  if (currentPath_.isEmpty()) return saveAs();
  return writeProject(currentPath_);
}

bool TMainForm::saveAs() {
  const TDeviceKindInfo& info = deviceKindInfo(kind_);
  TFileDialogRequest request;
  request.caption = QStringLiteral("Сохранение проекта");
  request.filter = qtFilter(fromView(info.saveFilter));
  request.defaultSuffix = fromView(info.extension).mid(1);
  if (!currentPath_.isEmpty()) {
    request.folder = QFileInfo(currentPath_).absolutePath();
    request.fileName = QFileInfo(currentPath_).fileName();
  } else {
    request.folder = QString::fromStdString(settings_.FileDir);
  }
  if (const auto name = saveAsDefaultName(titleData())) request.fileName = QString::fromStdString(*name);
  const QString path = dialogs_->saveFile(this, request);
  if (path.isEmpty()) return false;
  return writeProject(path);
}

bool TMainForm::writeProject(const QString& path) {
  const std::string error = saveProjectFile(path.toStdString(), kind_, formats_);
  if (!error.empty()) {
    // The old file stays whole, and so do the path and the modified flag.
    showError(QStringLiteral("Невозможно сохранить файл \"%1\":\r\n%2")
                  .arg(path, QString::fromStdString(error)),
              this);
    return false;
  }
  currentPath_ = path;
  if (settings_.DefLastFileDir) settings_.FileDir = QFileInfo(path).absolutePath().toStdString();
  modified_ = false;
  updateActions();
  updateTitle();
  addRecent(path);
  return true;
}

void TMainForm::addRecent(const QString& path) {
  settings_.Recent.add(path.toStdString());
  rebuildRecentMenu();
}

void TMainForm::rebuildRecentMenu() {
  openMenu_->clear();
  QAction* open = openMenu_->addAction(QStringLiteral("Открыть…"));
  connect(open, &QAction::triggered, this, &TMainForm::showOpenDialog);
  openMenu_->addSeparator();
  for (const std::string& file : settings_.Recent.paths()) {
    const QString path = QString::fromStdString(file);
    QAction* entry = openMenu_->addAction(path);
    connect(entry, &QAction::triggered, this, [this, path] { openWithQuestion(path); });
  }
}

void TMainForm::rebuildNavigation() {
  TNavigationState state;
  state.Options = project_.Options;
  state.FirstModel = project_.FirstModel();
  const TPhaseStg& phases = project_.Phases();
  state.SpecialPhasesExist = phases.SpecialPhases().Count() > 0;
  state.Call1Linked = phases.Call1Phases().CallActive();
  state.Call2Linked = phases.Call2Phases().CallActive();
  const std::vector<TNavigationPage> buttons = visibleNavigationButtons(int(kind_), state);

  const int current = pages_->currentWidget() != nullptr
                          ? pages_->currentWidget()->property("page").toInt()
                          : 0;
  navigationBar_->clear();
  for (QAction* action : navigationGroup_->actions()) navigationGroup_->removeAction(action);
  for (const TNavigationPage button : buttons) {
    QAction* action = navigationBar_->addAction(
        QString::fromStdString(navigationCaption(button, int(kind_))));
    action->setCheckable(true);
    action->setData(int(button));
    navigationGroup_->addAction(action);
    connect(action, &QAction::triggered, this, [this, button] {
      const TNavigationPage target = navigationTarget(button, project_.Options);
      for (int i = 0; i < pages_->count(); ++i) {
        if (pages_->widget(i)->property("page").toInt() == int(target)) {
          pages_->setCurrentIndex(i);
          updateActions();
          refreshTimingDiagram();
          return;
        }
      }
      QWidget* page = makeEmptyPage(pages_, QString::fromStdString(navigationCaption(target, int(kind_))));
      page->setProperty("page", int(target));
      pages_->setCurrentIndex(pages_->addWidget(page));
      updateActions();
      refreshTimingDiagram();
    });
    if (int(button) == current) action->setChecked(true);
  }
}

void TMainForm::showFirstPage() {
  const QList<QAction*> buttons = navigationGroup_->actions();
  if (buttons.isEmpty()) return;
  buttons.constFirst()->setChecked(true);
  buttons.constFirst()->trigger();
}

void TMainForm::refreshTimingDiagram() {
  const QWidget* page = pages_->currentWidget();
  const int id = page != nullptr ? page->property("page").toInt() : 0;
  if (!isMainControllerKind(kind_)) {
    timingDiagram_->clearCycle();
    return;
  }
  switch (static_cast<TNavigationPage>(id)) {
    case TNavigationPage::WorkPhases:
      timingDiagram_->setCycle(-1);  // the minimal work cycle
      break;
    case TNavigationPage::WorkCycles:
      timingDiagram_->setCycle(project_.Cycles().Count() > 0 ? 0 : -1);
      break;
    case TNavigationPage::Call1:
    case TNavigationPage::Call2: {
      const bool first = static_cast<TNavigationPage>(id) == TNavigationPage::Call1;
      TPhaseList& list = first ? project_.Phases().Call1Phases() : project_.Phases().Call2Phases();
      if (!list.CallActive()) {
        timingDiagram_->clearCycle();
        break;
      }
      const char* name = first ? "ТВП1" : "ТВП2";
      timingDiagram_->setProgramFactory(
          [this, &list, name] { return project_.Cycles().ProgramFromList(list, name); });
      break;
    }
    default:
      timingDiagram_->clearCycle();
  }
}

void TMainForm::refreshModelControls() {
  controllersPage_->setCurrentModel(project_.FirstModel());
  controllersPage_->refreshModelControls();
}

void TMainForm::updateActions() {
  const TDeviceKindInfo& info = deviceKindInfo(kind_);
  const bool mainKind = isMainControllerKind(kind_);
  const bool files = !info.fileOperationsDisabled;
  actions_->actOpen->setEnabled(files);
  actions_->actSave->setEnabled(files && modified_);
  actions_->actSaveAs->setEnabled(files);
  mniReadCrushList_->setVisible(kind_ == DeviceKind::MainController ||
                                kind_ == DeviceKind::MainController19);
  bool anyDeviceOperation = false;
  for (const QAction* action : deviceMenu_->actions()) anyDeviceOperation |= action->isVisible();
  actions_->actExport->setEnabled(files && anyDeviceOperation);
  actions_->actPrint->setVisible(mainKind);
  actions_->actScheme->setVisible(mainKind);
  // Adding works on the controllers page through the models menu; the other
  // pages bring their own add and delete with their editors.
  actions_->actPlus->setEnabled(mainKind && pages_->currentWidget() == controllersPage_);
  actions_->actMinus->setEnabled(false);
  actions_->actCopyTable->setEnabled(false);
  actions_->actTimeLineCopy->setEnabled(false);
}

}  // namespace lir::gui
