#include "shell/ControllersPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeView>
#include <QVBoxLayout>

#include "shell/MessageBoxes.h"

namespace lir::gui {

namespace {

bool enabledFor(const TOptionBoxEnabling& enabling, TProjectOption option) {
  switch (option) {
    case poSeasonTimeOff: return enabling.SeasonTimeOff;
    case poCalcTProm: return enabling.CalcTProm;
    case poSpecPhases: return enabling.SpecPhases;
    case poExpandYearPlan: return enabling.ExpandYearPlan;
    case poLampsHeating: return enabling.LampsHeating;
    case poAdaptive: return enabling.Adaptive;
    default: return true;
  }
}

// The options whose state decides which page buttons the window shows.
constexpr TProjectOptions kPageOptions = poSmartSO | poSpecPhases | poExpandYearPlan | poAdaptive | poLedLight;

QLabel* labelFor(QWidget* buddy, const char* name, const QString& text) {
  auto* label = new QLabel(text);
  label->setObjectName(QString::fromLatin1(name));
  label->setBuddy(buddy);
  return label;
}

}  // namespace

TControllersPage::TControllersPage(QWidget* parent) : QWidget(parent) {
  nameEdit_ = new QLineEdit;
  nameEdit_->setObjectName(QStringLiteral("edtProjectName"));
  nameEdit_->setMaxLength(kMaxProjectNameLength);
  connect(nameEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
    project_->Name = text.toStdString();
    emit modified();
    emit titleChanged();
  });

  // The controller tree of the project is filled by the window; until then the
  // page only keeps its place.
  tree_ = new QTreeView;
  tree_->setObjectName(QStringLiteral("vtControllers"));
  tree_->setHeaderHidden(true);

  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(labelFor(nameEdit_, "lblProjectName", QStringLiteral("Название проекта:")));
  nameRow->addWidget(nameEdit_, 1);

  auto* optionColumn = new QVBoxLayout;
  optionColumn->addWidget(createObjectGroup());
  optionColumn->addWidget(createManagementGroup());
  optionColumn->addStretch(1);

  auto* body = new QHBoxLayout;
  body->addWidget(tree_, 1);
  body->addLayout(optionColumn);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(nameRow);
  layout->addLayout(body, 1);

  setProject(ownProject_, 0);
}

QWidget* TControllersPage::createObjectGroup() {
  auto* group = new QGroupBox(QStringLiteral("Светофорный объект"));
  group->setObjectName(QStringLiteral("gbTrafficObject"));
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(addOptionBox(poSmartSO, "cbSmartSO", QStringLiteral("\"Умные\" светофоры")));
  layout->addWidget(addOptionBox(poQuickStart, "cbQuickStart", QStringLiteral("Быстрый запуск")));
  layout->addWidget(addOptionBox(poCalcTProm, "cbCalcTProm", QStringLiteral("Универсальные промтакты")));
  layout->addWidget(addOptionBox(poSpecPhases, "cbSpecPhases", QStringLiteral("Спецфазы")));
  layout->addWidget(addOptionBox(poExpandYearPlan, "cbExpandYearPlan", QStringLiteral("Расширенный годовой план")));
  layout->addWidget(
      addOptionBox(poSeasonTimeOff, "cbSeasonTimeOff", QStringLiteral("Отключить сезонный перевод времени")));
  layout->addWidget(addOptionBox(poLampsHeating, "cbLampsHeating", QStringLiteral("Все светофоры — ламповые")));
  layout->addWidget(addOptionBox(poAdaptive, "cbAdaptive", QStringLiteral("Адаптивное управление")));
  layout->addWidget(addOptionBox(poLedLight, "cbLedLight", QStringLiteral("Светильник")));

  allRedSpin_ = new QSpinBox;
  allRedSpin_->setObjectName(QStringLiteral("intAllRedTime"));
  allRedSpin_->setRange(1, 255);
  connect(allRedSpin_, &QSpinBox::valueChanged, this, [this](int seconds) {
    project_->AllRedTime = static_cast<std::uint8_t>(seconds);
    emit modified();
    emit allRedTimeChanged(seconds);
  });
  auto* allRedRow = new QHBoxLayout;
  allRedRow->addWidget(labelFor(allRedSpin_, "lblAllRedTime", QStringLiteral("Длительность КК, с:")));
  allRedRow->addWidget(allRedSpin_);
  allRedRow->addStretch(1);
  layout->addLayout(allRedRow);
  return group;
}

QWidget* TControllersPage::createManagementGroup() {
  auto* group = new QGroupBox(QStringLiteral("АСУДД"));
  group->setObjectName(QStringLiteral("gbASUDD"));
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(addOptionBox(poOffFilterASUDD, "cbOffFilterASSUD", QStringLiteral("Отключить фильтр")));
  layout->addWidget(addOptionBox(poSaveBitDU, "cbSaveBittDU", QStringLiteral("Запоминать бит ДУ")));

  systemCombo_ = new QComboBox;
  systemCombo_->setObjectName(QStringLiteral("cbbASUDDSystem"));
  connect(systemCombo_, &QComboBox::activated, this, &TControllersPage::systemChosen);
  systemIdSpin_ = new QSpinBox;
  systemIdSpin_->setObjectName(QStringLiteral("intSystemID"));
  systemIdSpin_->setRange(1, 2);
  connect(systemIdSpin_, &QSpinBox::valueChanged, this, [this](int number) {
    project_->SystemNumber = static_cast<std::uint8_t>(number);
    emit modified();
  });
  systemLabel_ = labelFor(systemCombo_, "lblASUDDSystem", QStringLiteral("Система:"));
  systemIdLabel_ = labelFor(systemIdSpin_, "lblSystemID", QStringLiteral("Номер системы:"));

  auto* form = new QFormLayout;
  form->addRow(systemLabel_, systemCombo_);
  form->addRow(systemIdLabel_, systemIdSpin_);
  layout->addLayout(form);
  return group;
}

QCheckBox* TControllersPage::addOptionBox(TProjectOption option, const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption);
  box->setObjectName(QString::fromLatin1(name));
  // clicked comes from the user only, so showing a project never counts as an edit.
  connect(box, &QCheckBox::clicked, this, [this, option](bool checked) { optionClicked(option, checked); });
  optionBoxes_.push_back({option, box});
  return box;
}

void TControllersPage::setProject(TProject& project, int deviceKind) {
  project_ = &project;
  deviceKind_ = deviceKind;
  {
    const QSignalBlocker nameBlocker(nameEdit_);
    const QSignalBlocker allRedBlocker(allRedSpin_);
    const QSignalBlocker systemIdBlocker(systemIdSpin_);
    nameEdit_->setText(QString::fromStdString(project.Name));
    allRedSpin_->setValue(project.AllRedTime);
    systemIdSpin_->setValue(project.SystemNumber);
  }
  setCurrentModel(project.FirstModel());
}

void TControllersPage::setOptionContent(TOptionContent* content) { content_ = content; }

TOptionContent& TControllersPage::content() { return content_ ? *content_ : noContent_; }

void TControllersPage::setCurrentModel(const TLIRModel* model) {
  model_ = model;
  refreshModelControls();
}

void TControllersPage::refreshModelControls() {
  const TProjectOptions before = project_->Options;
  fitAndShow();
  if ((before ^ project_->Options) & kPageOptions) emit pagesChanged();
}

void TControllersPage::fitAndShow() {
  project_->Options = optionsFittedToModel(project_->Options, model_, content().SpecialPhasesExist());

  offeredSystems_ = offeredManagementSystems(model_);
  {
    const QSignalBlocker blocker(systemCombo_);
    systemCombo_->clear();
    for (const TManagementSystem system : offeredSystems_)
      systemCombo_->addItem(QString::fromStdString(managementSystemCaption(system)));
  }
  const bool managed = managementSettingsShown(model_);
  for (QWidget* widget : {static_cast<QWidget*>(systemCombo_), static_cast<QWidget*>(systemLabel_),
                          static_cast<QWidget*>(systemIdSpin_), static_cast<QWidget*>(systemIdLabel_)})
    widget->setVisible(managed);

  showOptions();
}

void TControllersPage::showOptions() {
  const TProjectOptions options = project_->Options;
  const TOptionBoxEnabling enabling = optionBoxEnabling(options, model_);
  for (const TOptionBox& entry : optionBoxes_) {
    entry.box->setChecked((options & entry.option) != 0);
    entry.box->setEnabled(enabledFor(enabling, entry.option));
  }
  const QSignalBlocker blocker(systemCombo_);
  for (std::size_t i = 0; i < offeredSystems_.size(); ++i)
    if (offeredSystems_[i] == managementSystemOf(options)) systemCombo_->setCurrentIndex(static_cast<int>(i));
}

void TControllersPage::optionClicked(TProjectOption option, bool checked) {
  const TProjectOptions before = project_->Options;
  const auto ask = [this](const std::string& question) { return askYesNo(QString::fromStdString(question), this); };
  project_->Options = applyOptionClick(before, option, checked, deviceKind_, content(), ask);
  optionsChanged(before);
}

void TControllersPage::systemChosen(int index) {
  if (index < 0 || index >= static_cast<int>(offeredSystems_.size())) return;
  const TProjectOptions before = project_->Options;
  project_->Options = withManagementSystem(before, offeredSystems_[static_cast<std::size_t>(index)]);
  optionsChanged(before);
}

void TControllersPage::optionsChanged(TProjectOptions before) {
  emit modified();
  // A refused switch shows its box as it was, and the boxes that depend on
  // the changed option follow it.
  fitAndShow();
  if ((before ^ project_->Options) & kPageOptions) emit pagesChanged();
}

}  // namespace lir::gui
