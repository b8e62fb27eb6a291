#include "shell/SettingsForm.h"

#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace lir::gui {

TSettingsFrm::TSettingsFrm(QWidget* parent, TFolderPicker pickFolder)
    : QDialog(parent),
      pickFolder_(pickFolder ? std::move(pickFolder) : TFolderPicker(&pickFolderOnScreen)) {
  setObjectName(QStringLiteral("SettingsFrm"));
  setWindowTitle(QStringLiteral("Настройки"));
  auto* layout = new QVBoxLayout(this);

  fileDir_ = addFolderChoice(QStringLiteral("FileDir"),
                             QStringLiteral("Директория по умолчанию для сохранения проектов"),
                             QStringLiteral("Брать из последнего сохраненного файла"));
  schemeDir_ = addFolderChoice(QStringLiteral("SchemeDir"),
                               QStringLiteral("Директория по умолчанию со схемами перекрестков"),
                               QStringLiteral("Брать из последней загруженной схемы"));
  layout->addWidget(fileDir_.group);
  layout->addWidget(schemeDir_.group);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* save = new QPushButton(QStringLiteral("Сохранить"), this);
  save->setObjectName(QStringLiteral("btnSave"));
  save->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  buttons->addWidget(save);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  connect(save, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  setMinimumWidth(460);
  setSizeGripEnabled(false);
  showSettings(TAppSettings{});
}

TSettingsFrm::TFolderChoice TSettingsFrm::addFolderChoice(const QString& name, const QString& title,
                                                          const QString& lastText) {
  TFolderChoice choice;
  choice.group = new QGroupBox(title, this);
  choice.group->setObjectName(QStringLiteral("grp") + name);
  choice.followLast = new QRadioButton(lastText, choice.group);
  choice.followLast->setObjectName(QStringLiteral("rb") + name + QStringLiteral("Last"));
  choice.fixed = new QRadioButton(QStringLiteral("Указать постоянный путь"), choice.group);
  choice.fixed->setObjectName(QStringLiteral("rb") + name + QStringLiteral("Fixed"));
  choice.folder = new QLineEdit(choice.group);
  choice.folder->setObjectName(QStringLiteral("edt") + name);
  choice.pick = new QPushButton(QStringLiteral("Выбрать"), choice.group);
  choice.pick->setObjectName(QStringLiteral("btn") + name);
  choice.pick->setAutoDefault(false);

  auto* layout = new QVBoxLayout(choice.group);
  layout->addWidget(choice.followLast);
  layout->addWidget(choice.fixed);
  auto* path = new QHBoxLayout;
  path->addWidget(choice.folder, 1);
  path->addWidget(choice.pick);
  layout->addLayout(path);

  connect(choice.fixed, &QRadioButton::toggled, this, [choice] { enableFixedFolder(choice); });
  connect(choice.pick, &QPushButton::clicked, this, [this, choice] { pickInto(choice); });
  return choice;
}

void TSettingsFrm::enableFixedFolder(const TFolderChoice& choice) {
  const bool fixed = choice.fixed->isChecked();
  choice.folder->setEnabled(fixed);
  choice.pick->setEnabled(fixed);
}

void TSettingsFrm::pickInto(const TFolderChoice& choice) {
  const QString picked = pickFolder_(this, choice.folder->text());
  if (!picked.isEmpty()) choice.folder->setText(QDir::toNativeSeparators(picked));
}

void TSettingsFrm::showChoice(TFolderChoice& choice, bool followLast, const std::string& folder) {
  (followLast ? choice.followLast : choice.fixed)->setChecked(true);
  choice.folder->setText(followLast ? QString() : QString::fromStdString(folder));
  enableFixedFolder(choice);
}

void TSettingsFrm::storeChoice(const TFolderChoice& choice, bool& followLast, std::string& folder) {
  followLast = choice.followLast->isChecked();
  if (!followLast) folder = choice.folder->text().toStdString();
}

void TSettingsFrm::showSettings(const TAppSettings& settings) {
  showChoice(fileDir_, settings.DefLastFileDir, settings.FileDir);
  showChoice(schemeDir_, settings.DefLastSchemeDir, settings.SchemeDir);
}

void TSettingsFrm::storeSettings(TAppSettings& settings) const {
  storeChoice(fileDir_, settings.DefLastFileDir, settings.FileDir);
  storeChoice(schemeDir_, settings.DefLastSchemeDir, settings.SchemeDir);
}

bool TSettingsFrm::edit(TAppSettings& settings, QWidget* parent, TFolderPicker pickFolder) {
  TSettingsFrm form(parent, std::move(pickFolder));
  form.showSettings(settings);
  if (form.exec() != QDialog::Accepted) return false;
  form.storeSettings(settings);
  return true;
}

std::unique_ptr<QFileDialog> TSettingsFrm::makeFolderDialog(QWidget* parent,
                                                            const QString& startFolder) {
  auto dialog = std::make_unique<QFileDialog>(parent, QStringLiteral("Выбор директории"), startFolder);
  dialog->setFileMode(QFileDialog::Directory);
  dialog->setOption(QFileDialog::ShowDirsOnly, true);
  dialog->setLabelText(QFileDialog::LookIn, QStringLiteral("Выберите нужную папку:"));
  dialog->setLabelText(QFileDialog::Accept, QStringLiteral("Выбрать"));
  dialog->setLabelText(QFileDialog::Reject, QStringLiteral("Отмена"));
  return dialog;
}

QString TSettingsFrm::pickFolderOnScreen(QWidget* parent, const QString& startFolder) {
  const auto dialog = makeFolderDialog(parent, startFolder);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
  return dialog->selectedFiles().constFirst();
}

}  // namespace lir::gui
