#include "shell/MainForm.h"

#include <QApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QTreeWidget>

#include "model/LIRModelList.h"
#include "model/ModelMenu.h"
#include "shell/AppTitles.h"

namespace lir::gui {
namespace {

TWindowRect toRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

QString hex(std::uint32_t value) {
  return QStringLiteral("0x%1").arg(value, 5, 16, QLatin1Char('0')).toUpper().replace(
      QStringLiteral("0X"), QStringLiteral("0x"));
}

}  // namespace

TMainForm::TMainForm(TLIRModelList& models, QString settingsPath, QString modelFolder,
                     QWidget* parent)
    : QMainWindow(parent),
      models_(models),
      settingsPath_(std::move(settingsPath)),
      modelFolder_(std::move(modelFolder)) {
  setWindowTitle(mainControllerTitleWord());
  resize(900, 600);

  modelTree_ = new QTreeWidget(this);
  modelTree_->setObjectName(QStringLiteral("vtModels"));
  modelTree_->setHeaderLabels({QStringLiteral("Модель"), QStringLiteral("ID"),
                               QStringLiteral("Ревизия"), QStringLiteral("Выходы"),
                               QStringLiteral("Входы ТВП"), QStringLiteral("Возможности")});
  modelTree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  setCentralWidget(modelTree_);

  TAppSettingsDefaults defaults;
  defaults.programFolder = modelFolder_.toStdString();
  defaults.bounds = toRect(geometry());
  defaults.timeLineHeight = 150;
  loadAppSettings(settingsPath_.toStdString(), defaults, settings_);
  applyStoredBounds();
}

TMainForm::~TMainForm() {
  storeBounds();
  // A settings file that cannot be written is left alone: the program goes on.
  saveAppSettings(settingsPath_.toStdString(), settings_);
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
  // A maximised window keeps the bounds it returns to.
  settings_.Maximized = isMaximized();
  settings_.setBounds(toRect(settings_.Maximized ? normalGeometry() : geometry()));
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (firstShown_) return;
  firstShown_ = true;
  loadModels();
}

void TMainForm::loadModels() {
  try {
    models_.LoadModels(modelFolder_.toStdString(),
                       [this](const TLIRModelLoadFailure& failure) { reportModelFailure(failure); });
  } catch (const std::exception& error) {
    QMessageBox::critical(this, appTitle(), QString::fromUtf8(error.what()));
  }
  fillModelTree();
}

void TMainForm::reportModelFailure(const TLIRModelLoadFailure& failure) {
  QMessageBox::critical(this, appTitle(), QString::fromStdString(failure.Message()));
  raise();
  activateWindow();
}

void TMainForm::fillModelTree() {
  modelTree_->clear();
  for (const TModelMenuEntry& entry : BuildModelMenu(models_)) {
    QTreeWidgetItem* parent = nullptr;
    if (entry.Submenu) {
      parent = new QTreeWidgetItem(modelTree_, {QString::fromStdString(entry.Caption)});
      parent->setExpanded(true);
    }
    for (const TModelMenuItem& item : entry.Items) {
      const TLIRModel& model = *item.Model;
      const QStringList columns{QString::fromStdString(item.Caption),
                                QString::number(model.InternalID()),
                                QString::number(model.Revision()),
                                QString::number(model.OutputCount()),
                                QString::number(model.InputCount()),
                                hex(model.Flags())};
      if (parent != nullptr) {
        new QTreeWidgetItem(parent, columns);
      } else {
        new QTreeWidgetItem(modelTree_, columns);
      }
    }
  }
  modelTree_->expandAll();
}

}  // namespace lir::gui
