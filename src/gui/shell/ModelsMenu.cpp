#include "shell/ModelsMenu.h"

#include "model/LIRModelList.h"
#include "model/ModelMenu.h"
#include "model/ModelMenuState.h"

namespace lir::gui {

TModelsMenu::TModelsMenu(QWidget* parent) : QMenu(parent) {
  setObjectName(QStringLiteral("pmModels"));
  connect(this, &QMenu::aboutToShow, this, &TModelsMenu::applyStates);
}

void TModelsMenu::build(const TLIRModelList& models) {
  clear();
  deviceActions_.clear();
  for (const TDeviceKindInfo& info : deviceKinds()) {
    if (info.menuEntry.empty()) continue;
    QAction* action = addAction(QString::fromUtf8(info.menuEntry.data(), qsizetype(info.menuEntry.size())));
    action->setData(int(info.kind));
    action->setProperty("alwaysHidden", info.menuEntryHidden);
    const DeviceKind kind = info.kind;
    connect(action, &QAction::triggered, this, [this, kind] { emit deviceChosen(kind); });
    deviceActions_ << action;
  }
  separator_ = addSeparator();
  for (const TModelMenuEntry& entry : BuildModelMenu(models)) {
    QMenu* target = this;
    if (entry.Submenu) {
      target = addMenu(QString::fromStdString(entry.Caption));
      target->menuAction()->setProperty("family", int(entry.Family));
    }
    for (const TModelMenuItem& item : entry.Items) {
      QAction* action = target->addAction(QString::fromStdString(item.Caption));
      action->setProperty("model", QVariant::fromValue(static_cast<void*>(item.Model)));
      TLIRModel* model = item.Model;
      connect(action, &QAction::triggered, this, [this, model] { emit modelChosen(model); });
    }
  }
  applyStates();
}

void TModelsMenu::applyStates() {
  const bool adding = target_ != nullptr;
  for (QAction* action : deviceActions_) {
    action->setVisible(!adding && !action->property("alwaysHidden").toBool());
  }
  if (separator_ != nullptr) separator_->setVisible(!adding);
  const auto applyToModel = [this](QAction* action) {
    auto* model = static_cast<TLIRModel*>(action->property("model").value<void*>());
    if (model != nullptr) action->setEnabled(target_ == nullptr || ModelEntryEnabled(*model, *target_));
  };
  for (QAction* action : actions()) {
    if (QMenu* submenu = action->menu()) {
      const auto family = static_cast<std::uint8_t>(action->property("family").toInt());
      action->setEnabled(target_ == nullptr || ModelFamilyEnabled(family, *target_));
      for (QAction* inner : submenu->actions()) applyToModel(inner);
    } else {
      applyToModel(action);
    }
  }
}

}  // namespace lir::gui
