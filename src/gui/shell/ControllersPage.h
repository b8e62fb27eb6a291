#pragma once
// The controllers page of a main-controller project: the project name, the
// option boxes of the traffic-light object and of the management system, and
// the area of the controller tree. The page edits the project it is bound to in
// place; what an option may do is decided by the option rules of the core.

#include <QWidget>

#include <vector>

#include "model/Project.h"
#include "model/ProjectOptionRules.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTreeView;

namespace lir::gui {

class TControllersPage : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kMaxProjectNameLength = 256;

  explicit TControllersPage(QWidget* parent = nullptr);

  // Binds the page to project (not owned; it must outlive the binding) and
  // shows it. The current model becomes the project's first controller's.
  // Showing a fresh project is the reset of the page.
  void setProject(TProject& project, int deviceKind);
  TProject& project() const { return *project_; }

  // The phases, cycles and detectors the options carry with them; null means
  // a project that has none of them. Not owned.
  void setOptionContent(TOptionContent* content);

  // The model the option boxes are enabled for; null without a controller.
  void setCurrentModel(const TLIRModel* model);
  const TLIRModel* currentModel() const { return model_; }

  // Fits the options to the current model and shows the boxes, the offered
  // management systems and their enabling anew.
  void refreshModelControls();

  QTreeView* controllerTree() const { return tree_; }

 signals:
  // Any edit on the page.
  void modified();
  // The project name changed: the window caption follows it.
  void titleChanged();
  // An option that decides which page buttons are shown has changed.
  void pagesChanged();
  // The all-red service phase takes this duration as its Tmin.
  void allRedTimeChanged(int seconds);

 private:
  struct TOptionBox {
    TProjectOption option;
    QCheckBox* box;
  };

  QWidget* createObjectGroup();
  QWidget* createManagementGroup();
  QCheckBox* addOptionBox(TProjectOption option, const char* name, const QString& caption);
  void optionClicked(TProjectOption option, bool checked);
  void systemChosen(int index);
  void optionsChanged(TProjectOptions before);
  void fitAndShow();
  void showOptions();
  TOptionContent& content();

  TProject ownProject_;
  TProject* project_ = &ownProject_;
  int deviceKind_ = 0;
  const TLIRModel* model_ = nullptr;
  TNoOptionContent noContent_;
  TOptionContent* content_ = nullptr;
  std::vector<TManagementSystem> offeredSystems_;

  QLineEdit* nameEdit_ = nullptr;
  QTreeView* tree_ = nullptr;
  std::vector<TOptionBox> optionBoxes_;
  QSpinBox* allRedSpin_ = nullptr;
  QComboBox* systemCombo_ = nullptr;
  QLabel* systemLabel_ = nullptr;
  QSpinBox* systemIdSpin_ = nullptr;
  QLabel* systemIdLabel_ = nullptr;
};

}  // namespace lir::gui
