#include "shell/MainForm.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QShowEvent>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "configuration/TransferLibrary.h"
#include "documents/TimingDiagramView.h"
#include "model/LIRModelList.h"
#include "model/Phases.h"
#include "shell/AppTitles.h"
#include "shell/ControllersPage.h"
#include "shell/FileDialogs.h"
#include "shell/HelpViewer.h"
#include "shell/MainActions.h"
#include "shell/MessageBoxes.h"
#include "shell/ModelsMenu.h"
#include "shell/NavigationPages.h"
#include "shell/SchemeForm.h"
#include "shell/SettingsForm.h"

namespace lir::gui {
namespace {

TWindowRect toRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

TMainForm::TMainForm(TLIRModelList& models, TProjectFormats& formats, QString settingsPath,
                     QString programFolder, QWidget* parent)
    : QMainWindow(parent),
      models_(models),
      formats_(formats),
      settingsPath_(std::move(settingsPath)),
      programFolder_(std::move(programFolder)),
      actions_(std::make_unique<TMainActions>(this)),
      platformDialogs_(std::make_unique<TQtFileDialogs>()),
      dialogs_(platformDialogs_.get()) {
  setObjectName(QStringLiteral("MainForm"));
  resize(1000, 700);
  createLayout();
  wireActions();

  TAppSettingsDefaults defaults;
  defaults.programFolder = programFolder_.toStdString();
  defaults.bounds = toRect(geometry());
  defaults.timeLineHeight = 150;
  loadAppSettings(settingsPath_.toStdString(), defaults, settings_);
  applyStoredBounds();
  splMain_->setSizes({height(), clampTimeLineHeight(settings_.TimeLineHeight, height())});
  rebuildRecentMenu();

  schemeForm_ = new TSchemeForm(this);
  resetProject(isDeviceKind(settings_.DevType) ? static_cast<DeviceKind>(settings_.DevType)
                                               : DeviceKind::MainController);
}

TMainForm::~TMainForm() {
  storeBounds();
  settings_.DevType = int(kind_);
  // A settings file that cannot be written is left alone: the program goes on.
  saveAppSettings(settingsPath_.toStdString(), settings_);
}

void TMainForm::createLayout() {
  mainBar_ = addToolBar(QStringLiteral("Проект"));
  mainBar_->setObjectName(QStringLiteral("tbMain"));
  mainBar_->setMovable(false);
  mainBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);

  modelsMenu_ = new TModelsMenu(this);
  openMenu_ = new QMenu(this);
  openMenu_->setObjectName(QStringLiteral("pmOpen"));
  deviceMenu_ = new QMenu(this);
  deviceMenu_->setObjectName(QStringLiteral("pmControllers"));
  mniReadCrushList_ = deviceMenu_->addAction(QStringLiteral("Прочитать журнал аварий"));
  mniReadCrushList_->setObjectName(QStringLiteral("mniReadCrushList"));
  mniReadCrushList_->setStatusTip(QStringLiteral("Чтение журнала аварий контроллера через программатор"));

  mainBar_->addAction(actions_->actNew);
  mainBar_->addAction(actions_->actOpen);
  if (auto* open = qobject_cast<QToolButton*>(mainBar_->widgetForAction(actions_->actOpen))) {
    open->setMenu(openMenu_);
    open->setPopupMode(QToolButton::MenuButtonPopup);
  }
  mainBar_->addAction(actions_->actSave);
  mainBar_->addAction(actions_->actSaveAs);
  mainBar_->addSeparator();
  mainBar_->addAction(actions_->actExport);
  mainBar_->addAction(actions_->actPrint);
  mainBar_->addSeparator();
  mainBar_->addAction(actions_->actPlus);
  mainBar_->addAction(actions_->actMinus);
  mainBar_->addAction(actions_->actScheme);
  // Settings, help, about and exit stand at the right end of the bar.
  auto* spacer = new QWidget(mainBar_);
  spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  mainBar_->addWidget(spacer);
  // The right-hand group shows icons only, so the bar fits a narrow window.
  for (QAction* action : {actions_->actSettings, actions_->actHelp, actions_->actAbout, actions_->actExit}) {
    mainBar_->addAction(action);
    if (auto* button = qobject_cast<QToolButton*>(mainBar_->widgetForAction(action))) {
      button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
  }

  navigationBar_ = new QToolBar(QStringLiteral("Страницы"), this);
  navigationBar_->setObjectName(QStringLiteral("tbNavigation"));
  navigationBar_->setMovable(false);
  navigationBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  addToolBar(Qt::LeftToolBarArea, navigationBar_);
  navigationGroup_ = new QActionGroup(this);
  navigationGroup_->setExclusive(true);

  // The pages above, the timing diagram of the current cycle below.
  splMain_ = new QSplitter(Qt::Vertical, this);
  splMain_->setObjectName(QStringLiteral("splMain"));
  splMain_->setChildrenCollapsible(false);
  pages_ = new QStackedWidget(splMain_);
  pages_->setObjectName(QStringLiteral("pcPages"));
  scrlbxTimeLine_ = new QScrollArea(splMain_);
  scrlbxTimeLine_->setObjectName(QStringLiteral("scrlbxTimeLine"));
  timingDiagram_ = new TimingDiagramView(scrlbxTimeLine_);
  timingDiagram_->setProject(&project_);
  scrlbxTimeLine_->setWidget(timingDiagram_);
  scrlbxTimeLine_->setVisible(false);
  splMain_->addWidget(pages_);
  splMain_->addWidget(scrlbxTimeLine_);
  splMain_->setStretchFactor(0, 1);
  setCentralWidget(splMain_);
  connect(timingDiagram_, &TimingDiagramView::diagramAvailable, this, [this](bool available) {
    scrlbxTimeLine_->setVisible(available);
    actions_->actTimeLineCopy->setEnabled(available);
  });
  controllersPage_ = new TControllersPage(pages_);
  controllersPage_->setProperty("page", int(TNavigationPage::Controllers));
  controllersPage_->setProject(project_, int(kind_));
  controllersPage_->setOptionContent(&optionContent_);
  pages_->addWidget(controllersPage_);
  // The all-red service phase of the start-up sequence lasts the all-red time.
  connect(controllersPage_, &TControllersPage::allRedTimeChanged, this,
          [this] { project_.Phases().RefreshStartPhases(); });
  connect(controllersPage_, &TControllersPage::modified, this, [this] { setModified(true); });
  connect(controllersPage_, &TControllersPage::titleChanged, this, &TMainForm::updateTitle);
  connect(controllersPage_, &TControllersPage::pagesChanged, this, &TMainForm::rebuildNavigation);

  setAcceptDrops(true);
}

void TMainForm::wireActions() {
  const TMainActions& a = *actions_;
  connect(a.actNew, &QAction::triggered, this, [this] { showModelsMenu(false); });
  connect(a.actOpen, &QAction::triggered, this, &TMainForm::showOpenDialog);
  connect(a.actSave, &QAction::triggered, this, &TMainForm::save);
  connect(a.actSaveAs, &QAction::triggered, this, &TMainForm::saveAs);
  connect(a.actExit, &QAction::triggered, this, &QWidget::close);
  connect(a.actScheme, &QAction::triggered, this, [this] {
    schemeForm_->show();
    schemeForm_->raise();
  });
  connect(a.actExport, &QAction::triggered, this, [this] {
    QWidget* button = mainBar_->widgetForAction(actions_->actExport);
    deviceMenu_->popup(button != nullptr ? button->mapToGlobal(QPoint(0, button->height()))
                                         : QCursor::pos());
  });
  connect(a.actPlus, &QAction::triggered, this, [this] {
    if (pages_->currentWidget() == controllersPage_) showModelsMenu(true);
  });
  connect(a.actSettings, &QAction::triggered, this, &TMainForm::showSettings);
  connect(a.actHelp, &QAction::triggered, this, &TMainForm::showHelp);
  connect(a.actAbout, &QAction::triggered, this, &TMainForm::showAbout);
  connect(a.actTimeLineCopy, &QAction::triggered, this, [this] { timingDiagram_->copyToClipboard(); });
  connect(a.actReadJournal, &QAction::triggered, this, [this] { readJournal("ReadJournal"); });
  connect(mniReadCrushList_, &QAction::triggered, this, [this] { readJournal("ReadCrushList"); });
  connect(modelsMenu_, &TModelsMenu::deviceChosen, this, &TMainForm::chooseDevice);
  connect(modelsMenu_, &TModelsMenu::modelChosen, this,
          [this](TLIRModel* model) { chooseModel(*model); });
}

void TMainForm::applyStoredBounds() {
  const QScreen* screen = QApplication::primaryScreen();
  const TWindowRect workArea =
      screen != nullptr ? toRect(screen->availableGeometry()) : toRect(geometry());
  const TWindowRect fitted = fitWindowBounds(settings_.bounds(), workArea, toRect(geometry()));
  setGeometry(fitted.left, fitted.top, fitted.width, fitted.height);
  if (settings_.Maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void TMainForm::storeBounds() {
  if (scrlbxTimeLine_->isVisible()) settings_.TimeLineHeight = scrlbxTimeLine_->height();
  // A maximised window keeps the bounds it returns to.
  settings_.Maximized = isMaximized();
  settings_.setBounds(toRect(settings_.Maximized ? normalGeometry() : geometry()));
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (firstShown_) return;
  firstShown_ = true;
  firstShow();
}

void TMainForm::firstShow() {
  try {
    models_.LoadModels(programFolder_.toStdString(),
                       [this](const TLIRModelLoadFailure& failure) { reportModelFailure(failure); });
  } catch (const std::exception& error) {
    showError(QString::fromUtf8(error.what()), this);
  }
  modelsMenu_->build(models_);
  if (pages_->currentWidget() == controllersPage_) controllersPage_->setFocus();
}

void TMainForm::reportModelFailure(const TLIRModelLoadFailure& failure) {
  showError(QString::fromStdString(failure.Message()), this);
  raise();
  activateWindow();
}

void TMainForm::showModelsMenu(bool addingController) {
  modelsMenu_->setTargetProject(addingController ? &project_ : nullptr);
  QAction* anchor = addingController ? actions_->actPlus : actions_->actNew;
  QWidget* button = mainBar_->widgetForAction(anchor);
  modelsMenu_->exec(button != nullptr && button->isVisible()
                        ? button->mapToGlobal(QPoint(0, button->height()))
                        : QCursor::pos());
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!confirmDiscard()) {
    event->ignore();
    return;
  }
  schemeForm_->close();
  event->accept();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  if (openDropped(event->mimeData()->urls())) event->acceptProposedAction();
}

bool TMainForm::openDropped(const QList<QUrl>& urls) {
  if (urls.isEmpty() || !urls.constFirst().isLocalFile()) return false;
  return openWithQuestion(urls.constFirst().toLocalFile());
}

void TMainForm::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("pmMain"));
  QMenu* newMenu = menu.addMenu(QStringLiteral("Новый проект"));
  modelsMenu_->setTargetProject(nullptr);
  modelsMenu_->applyStates();
  newMenu->addActions(modelsMenu_->actions());
  menu.addAction(actions_->actOpen);
  menu.addAction(actions_->actSave);
  menu.addAction(actions_->actSaveAs);
  if (actions_->actExport->isEnabled()) menu.addActions(deviceMenu_->actions());
  menu.addSeparator();
  if (actions_->actPrint->isVisible()) menu.addAction(actions_->actPrint);
  if (pages_->currentWidget() == controllersPage_ && actions_->actPlus->isEnabled()) {
    QMenu* add = menu.addMenu(actions_->actPlus->icon(), actions_->actPlus->text());
    modelsMenu_->setTargetProject(&project_);
    modelsMenu_->applyStates();
    add->addActions(modelsMenu_->actions());
  } else {
    menu.addAction(actions_->actPlus);
  }
  menu.addAction(actions_->actMinus);
  if (actions_->actScheme->isVisible()) menu.addAction(actions_->actScheme);
  menu.addSeparator();
  menu.addAction(actions_->actHelp);
  menu.addAction(actions_->actAbout);
  menu.addAction(actions_->actExit);
  menu.exec(event->globalPos());
}

void TMainForm::setFileDialogs(TFileDialogs* dialogs) {
  dialogs_ = dialogs != nullptr ? dialogs : platformDialogs_.get();
}

void TMainForm::readJournal(const char* exportName) {
  const TTransferCall call = callTransferWindowExport(programFolder_.toStdString(), exportName,
                                                      static_cast<TWindowHandle>(winId()));
  if (!call.message.empty()) showError(QString::fromStdString(call.message), this);
}

void TMainForm::showAbout() {
  showInformation(QStringLiteral("%1\r\nВерсия %2").arg(currentAppTitle(), QApplication::applicationVersion()),
                  this);
}

void TMainForm::showSettings() { TSettingsFrm::edit(settings_, this); }

void TMainForm::showHelp() {
  THelpViewer viewer(QDir(programFolder_).filePath(QStringLiteral("LIR-3.chm")));
  viewer.open(this);
}

}  // namespace lir::gui
