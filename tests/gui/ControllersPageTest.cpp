// The controllers page edits the project's name, numbers and option word in
// place, asks before options take content with them, and enables its boxes for
// the first controller's model.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTreeView>

#include <memory>

#include "model/LIRModels.h"
#include "shell/ControllersPage.h"
#include "shell/ScriptedMessagePresenter.h"

namespace lir::gui {
namespace {

std::unique_ptr<TLIRModel> makeModel(std::uint32_t flags) {
  TLIRModelData data;
  data.Flags = flags;
  data.InternalID = 3;
  data.Description = "Тестовая модель";
  return std::make_unique<TLIRModel>(data);
}

class SpecialPhaseContent : public TNoOptionContent {
 public:
  bool SpecialPhasesExist() const override { return exist; }
  void DeleteSpecialPhases() override {
    exist = false;
    ++deleted;
  }
  bool exist = true;
  int deleted = 0;
};

class ControllersPageTest : public testing::Test {
 protected:
  void SetUp() override {
    QObject::connect(&page, &TControllersPage::modified, [this] { ++modifiedCount; });
    QObject::connect(&page, &TControllersPage::pagesChanged, [this] { ++pagesCount; });
    QObject::connect(&page, &TControllersPage::titleChanged, [this] { ++titleCount; });
  }

  template <typename T>
  T* child(const char* name) {
    T* found = page.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QCheckBox* box(const char* name) { return child<QCheckBox>(name); }

  TScriptedMessagePresenter presenter{[](const QString& error) { ADD_FAILURE() << error.toStdString(); }};
  TMessagePresenterScope scope{presenter};
  TProject project{7};
  TControllersPage page;
  int modifiedCount = 0;
  int pagesCount = 0;
  int titleCount = 0;
};

const char* const kOptionBoxes[] = {"cbSmartSO",     "cbQuickStart",    "cbCalcTProm",  "cbSeasonTimeOff",
                                    "cbSpecPhases",  "cbLampsHeating",  "cbExpandYearPlan", "cbAdaptive",
                                    "cbLedLight",    "cbOffFilterASSUD", "cbSaveBittDU"};

TEST_F(ControllersPageTest, AFreshProjectShowsTheResetState) {
  project.Name = "Ленина — Мира";
  project.SystemNumber = 2;
  page.setProject(project, 0);
  EXPECT_EQ(modifiedCount, 0);

  for (const char* name : kOptionBoxes) {
    SCOPED_TRACE(name);
    EXPECT_EQ(box(name)->isChecked(), QLatin1String(name) == QLatin1String("cbSeasonTimeOff"));
    EXPECT_TRUE(box(name)->isEnabled());  // no controller yet
  }
  EXPECT_EQ(box("cbSmartSO")->text(), QStringLiteral("\"Умные\" светофоры"));
  EXPECT_EQ(box("cbLampsHeating")->text(), QStringLiteral("Все светофоры — ламповые"));
  EXPECT_EQ(child<QGroupBox>("gbTrafficObject")->title(), QStringLiteral("Светофорный объект"));
  EXPECT_EQ(child<QGroupBox>("gbASUDD")->title(), QStringLiteral("АСУДД"));

  auto* systems = child<QComboBox>("cbbASUDDSystem");
  ASSERT_EQ(systems->count(), 2);
  EXPECT_EQ(systems->currentIndex(), 0);
  EXPECT_EQ(systems->itemText(0), QStringLiteral("Велмира АСУДД-ВМ"));
  EXPECT_EQ(systems->itemText(1), QStringLiteral("АСС-УД (Омск)"));
  EXPECT_EQ(child<QSpinBox>("intSystemID")->value(), 2);
  EXPECT_EQ(child<QSpinBox>("intAllRedTime")->value(), 7);
  EXPECT_EQ(child<QLineEdit>("edtProjectName")->text(), QStringLiteral("Ленина — Мира"));
  EXPECT_NE(child<QTreeView>("vtControllers"), nullptr);

  page.resize(760, 460);
  page.grab().save(QStringLiteral("/tmp/controllers-page.png"));
}

TEST_F(ControllersPageTest, EveryClickSetsItsMemberAndMarksTheProjectModified) {
  struct Row {
    const char* name;
    TProjectOption option;
    bool changesPages;
  };
  const Row rows[] = {
      {"cbSmartSO", poSmartSO, true},           {"cbQuickStart", poQuickStart, false},
      {"cbSeasonTimeOff", poSeasonTimeOff, false}, {"cbOffFilterASSUD", poOffFilterASUDD, false},
      {"cbSaveBittDU", poSaveBitDU, false},     {"cbLampsHeating", poLampsHeating, false},
      {"cbLedLight", poLedLight, true},         {"cbAdaptive", poAdaptive, true},
      {"cbCalcTProm", poCalcTProm, false},      {"cbSpecPhases", poSpecPhases, true},
      {"cbExpandYearPlan", poExpandYearPlan, true},
  };
  page.setProject(project, 0);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const TProjectOptions before = project.Options;
    const int modifiedBefore = modifiedCount;
    const int pagesBefore = pagesCount;
    box(row.name)->click();
    EXPECT_EQ(project.Options, before ^ row.option);
    EXPECT_EQ(box(row.name)->isChecked(), project.HasOption(row.option));
    box(row.name)->click();
    EXPECT_EQ(project.Options, before);
    EXPECT_EQ(modifiedCount, modifiedBefore + 2);
    EXPECT_EQ(pagesCount, pagesBefore + (row.changesPages ? 2 : 0));
  }
}

TEST_F(ControllersPageTest, NameNumbersAndSystemEditTheProject) {
  page.setProject(project, 0);
  auto* name = child<QLineEdit>("edtProjectName");
  name->selectAll();
  name->insert(QString(300, QChar(u'Ж')));
  EXPECT_EQ(QString::fromStdString(project.Name), QString(256, QChar(u'Ж')));
  EXPECT_GE(titleCount, 1);

  int allRed = 0;
  QObject::connect(&page, &TControllersPage::allRedTimeChanged, [&](int seconds) { allRed = seconds; });
  child<QSpinBox>("intAllRedTime")->setValue(300);
  EXPECT_EQ(project.AllRedTime, 255);
  EXPECT_EQ(allRed, 255);
  child<QSpinBox>("intSystemID")->setValue(2);
  EXPECT_EQ(project.SystemNumber, 2);

  auto* systems = child<QComboBox>("cbbASUDDSystem");
  systems->setCurrentIndex(1);
  emit systems->activated(1);
  EXPECT_TRUE(project.HasOption(poAssUdSystem));
  systems->setCurrentIndex(0);
  emit systems->activated(0);
  EXPECT_FALSE(project.HasOption(poAssUdSystem));
  EXPECT_GE(modifiedCount, 5);

  // Showing another project is no edit.
  TProject other;
  const int before = modifiedCount;
  page.setProject(other, 0);
  EXPECT_EQ(modifiedCount, before);
  EXPECT_EQ(name->text(), QStringLiteral("Новый перекресток"));
}

TEST_F(ControllersPageTest, BoxesFollowTheModelWhenItChanges) {
  const auto bare = makeModel(0);
  const auto rich = makeModel(mfSeasonTimeSwitchOff | mfUniversalTransitions | mfSpecialPhases |
                              mfExtendedYearPlan | mfPwmLampHeating | mfAdaptiveControl | mfAssUdSystem);
  project.AddController(*bare);
  page.setProject(project, 0);

  // The bare model: only the checked season-time box stays clickable, and no
  // management settings show.
  EXPECT_TRUE(box("cbSeasonTimeOff")->isEnabled());
  for (const char* name : {"cbCalcTProm", "cbSpecPhases", "cbExpandYearPlan", "cbLampsHeating", "cbAdaptive"})
    EXPECT_FALSE(box(name)->isEnabled()) << name;
  EXPECT_TRUE(box("cbSmartSO")->isEnabled());
  EXPECT_TRUE(child<QComboBox>("cbbASUDDSystem")->isHidden());
  EXPECT_TRUE(child<QSpinBox>("intSystemID")->isHidden());
  box("cbSeasonTimeOff")->click();
  EXPECT_FALSE(box("cbSeasonTimeOff")->isEnabled());

  page.setCurrentModel(rich.get());
  for (const char* name : {"cbSeasonTimeOff", "cbCalcTProm", "cbLampsHeating", "cbAdaptive"})
    EXPECT_TRUE(box(name)->isEnabled()) << name;
  EXPECT_FALSE(box("cbSpecPhases")->isEnabled());
  EXPECT_FALSE(box("cbExpandYearPlan")->isEnabled());
  // The model runs АСС-УД only: the box offers it alone and the word follows.
  auto* systems = child<QComboBox>("cbbASUDDSystem");
  EXPECT_FALSE(systems->isHidden());
  ASSERT_EQ(systems->count(), 1);
  EXPECT_EQ(systems->currentText(), QStringLiteral("АСС-УД (Омск)"));
  EXPECT_TRUE(project.HasOption(poAssUdSystem));

  box("cbCalcTProm")->click();
  EXPECT_TRUE(box("cbSpecPhases")->isEnabled());
  EXPECT_TRUE(box("cbExpandYearPlan")->isEnabled());
  box("cbSpecPhases")->click();
  EXPECT_TRUE(project.HasOption(poSpecPhases));

  // Back on the bare model, special phases that do not exist go with it.
  page.setCurrentModel(bare.get());
  EXPECT_FALSE(project.HasOption(poSpecPhases));
  EXPECT_FALSE(box("cbSpecPhases")->isChecked());
  EXPECT_TRUE(box("cbCalcTProm")->isEnabled());  // still checked
}

TEST_F(ControllersPageTest, SwitchingSpecialPhasesOffAsksBeforeDeletingThem) {
  SpecialPhaseContent content;
  page.setOptionContent(&content);
  project.Options = poSeasonTimeOff | poCalcTProm | poSpecPhases;
  page.setProject(project, 0);
  auto* special = box("cbSpecPhases");

  presenter.answer(TMessageAnswer::No);
  special->click();
  EXPECT_TRUE(special->isChecked());
  EXPECT_TRUE(project.HasOption(poSpecPhases));
  EXPECT_EQ(content.deleted, 0);

  presenter.answer(TMessageAnswer::Yes);
  special->click();
  EXPECT_FALSE(special->isChecked());
  EXPECT_FALSE(project.HasOption(poSpecPhases));
  EXPECT_EQ(content.deleted, 1);

  ASSERT_EQ(presenter.shown().size(), 2u);
  EXPECT_EQ(presenter.shown()[0].kind, TMessageKind::QuestionYesNo);
  EXPECT_EQ(presenter.shown()[0].text, QStringLiteral("В проекте имеются спецфазы. Удалить их?"));
  EXPECT_EQ(modifiedCount, 2);
}

}  // namespace
}  // namespace lir::gui
