#pragma once
// The main window. For now it reads and writes its settings, loads the
// controller models when it is first shown and lists them; the project pages
// come with the project model.

#include <QMainWindow>
#include <QString>

#include "shell/AppSettings.h"

class QTreeWidget;

namespace lir {
class TLIRModelList;
struct TLIRModelLoadFailure;
}  // namespace lir

namespace lir::gui {

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // models is filled from the plug-ins of modelFolder when the window is first
  // shown; settingsPath names the settings file read now and written when the
  // window goes.
  TMainForm(TLIRModelList& models, QString settingsPath, QString modelFolder,
            QWidget* parent = nullptr);
  ~TMainForm() override;

  const TAppSettings& settings() const { return settings_; }
  QTreeWidget* modelTree() const { return modelTree_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void applyStoredBounds();
  void storeBounds();
  void loadModels();
  void reportModelFailure(const TLIRModelLoadFailure& failure);
  void fillModelTree();

  TLIRModelList& models_;
  QString settingsPath_;
  QString modelFolder_;
  TAppSettings settings_;
  QTreeWidget* modelTree_ = nullptr;
  bool firstShown_ = false;
};

}  // namespace lir::gui
