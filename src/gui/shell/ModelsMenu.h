#pragma once
// The models menu behind "Новый проект": the side devices, a separator, then
// the controller models grouped by family. Choosing a model while a project is
// open adds a controller; then only the models show, and only those that fit.

#include <QMenu>

#include "shell/DeviceKinds.h"

namespace lir {
class TLIRModel;
class TLIRModelList;
class TProject;
}  // namespace lir

namespace lir::gui {

class TModelsMenu : public QMenu {
  Q_OBJECT

 public:
  explicit TModelsMenu(QWidget* parent);

  // Builds the entries from the device kinds and the loaded models.
  void build(const TLIRModelList& models);
  // nullptr: the menu creates a new project (every entry visible and enabled);
  // a project: the menu adds a controller to it.
  void setTargetProject(const TProject* project) { target_ = project; }
  const TProject* targetProject() const { return target_; }
  // Applies the visibility and enabling of the current target; also done each
  // time the menu drops down.
  void applyStates();

 signals:
  void deviceChosen(lir::DeviceKind kind);
  void modelChosen(lir::TLIRModel* model);

 private:
  const TProject* target_ = nullptr;
  QList<QAction*> deviceActions_;
  QAction* separator_ = nullptr;
};

}  // namespace lir::gui
