#pragma once
// The main window: it holds the one open project and its device kind, shows the
// pages of that kind, creates, opens and saves projects, asks before unsaved
// work is lost, and keeps the settings and the recent files.

#include <QMainWindow>
#include <QString>
#include <memory>

#include "model/Project.h"
#include "model/ProjectOptionContent.h"
#include "shell/AppSettings.h"
#include "shell/DeviceKinds.h"

class QMenu;
class QStackedWidget;
class QToolBar;
class QActionGroup;
class QUrl;
class QScrollArea;
class QSplitter;

namespace lir {
class TLIRModel;
class TLIRModelList;
class TProjectFormats;
struct TLIRModelLoadFailure;
struct TProjectTitleData;
}  // namespace lir

namespace lir::gui {

struct TMainActions;
class TControllersPage;
class TimingDiagramView;
class TFileDialogs;
class TModelsMenu;
class TSchemeForm;

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // models is filled from the plug-ins of programFolder when the window is
  // first shown; formats reads and writes the project files of every kind;
  // settingsPath names the settings file, read now and written when the window
  // goes.
  TMainForm(TLIRModelList& models, TProjectFormats& formats, QString settingsPath,
            QString programFolder, QWidget* parent = nullptr);
  ~TMainForm() override;

  DeviceKind deviceKind() const { return kind_; }
  const QString& currentPath() const { return currentPath_; }
  bool isModified() const { return modified_; }
  void setModified(bool modified);
  TProject& project() { return project_; }
  const TAppSettings& settings() const { return settings_; }
  const TMainActions& mainActions() const { return *actions_; }
  TModelsMenu* modelsMenu() const { return modelsMenu_; }
  QMenu* openMenu() const { return openMenu_; }
  QMenu* deviceMenu() const { return deviceMenu_; }
  TSchemeForm* schemeForm() const { return schemeForm_; }
  TControllersPage* controllersPage() const { return controllersPage_; }
  QStackedWidget* pages() const { return pages_; }
  QToolBar* navigationBar() const { return navigationBar_; }
  TimingDiagramView* timingDiagram() const { return timingDiagram_; }
  // The open and save dialogs; the window does not own them. Null restores the
  // platform's dialogs.
  void setFileDialogs(TFileDialogs* dialogs);
  bool firstShowDone() const { return firstShown_; }

  // Opens a file of any supported kind, without asking about unsaved work.
  bool openProjectFile(const QString& path);
  // Opens a file after the unsaved-changes question (the open dialog, the
  // recent files, the command line, a dropped file).
  bool openWithQuestion(const QString& path);
  // Files dropped on the window: only the first is opened, after the
  // unsaved-changes question.
  bool openDropped(const QList<QUrl>& urls);
  // The entries of the models menu.
  void chooseDevice(DeviceKind kind);
  void chooseModel(TLIRModel& model);
  // Save and Save As: false when cancelled or failed.
  bool save();
  bool saveAs();
  // The unsaved-changes question: true when the project may be replaced.
  bool confirmDiscard();
  // An empty project of the kind: what New and the start show.
  void resetProject(DeviceKind kind);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void createLayout();
  void wireActions();
  void applyStoredBounds();
  void storeBounds();
  void firstShow();
  void reportModelFailure(const TLIRModelLoadFailure& failure);

  // Shows the project as it now is, of the kind, with path as its file.
  void showProject(DeviceKind kind, const QString& path);
  void showOpenDialog();
  void showModelsMenu(bool addingController);
  bool writeProject(const QString& path);
  void addRecent(const QString& path);
  void rebuildRecentMenu();
  void rebuildNavigation();
  void showFirstPage();
  void updateTitle();
  void updateActions();
  void refreshModelControls();
  // The timing diagram of the cycle that belongs to the page on screen.
  void refreshTimingDiagram();
  TProjectTitleData titleData() const;
  void readJournal(const char* exportName);
  void showAbout();
  void showSettings();
  void showHelp();

  TLIRModelList& models_;
  TProjectFormats& formats_;
  QString settingsPath_;
  QString programFolder_;
  TAppSettings settings_;
  TProject project_;
  TProjectOptionContent optionContent_{project_};
  DeviceKind kind_ = DeviceKind::MainController;
  QString currentPath_;
  bool modified_ = false;
  bool loading_ = false;
  bool firstShown_ = false;

  std::unique_ptr<TMainActions> actions_;
  std::unique_ptr<TFileDialogs> platformDialogs_;
  TFileDialogs* dialogs_ = nullptr;
  TModelsMenu* modelsMenu_ = nullptr;
  QMenu* openMenu_ = nullptr;
  QMenu* deviceMenu_ = nullptr;
  QAction* mniReadCrushList_ = nullptr;
  QToolBar* mainBar_ = nullptr;
  QToolBar* navigationBar_ = nullptr;
  QActionGroup* navigationGroup_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  QSplitter* splMain_ = nullptr;
  QScrollArea* scrlbxTimeLine_ = nullptr;
  TimingDiagramView* timingDiagram_ = nullptr;
  TControllersPage* controllersPage_ = nullptr;
  TSchemeForm* schemeForm_ = nullptr;
};

}  // namespace lir::gui
