// The settings dialog shows the two folder choices, lets a fixed folder be typed
// or picked, and stores the choices only when saved.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <functional>

#include "shell/SettingsForm.h"

namespace lir::gui {
namespace {

template <typename T>
T* child(const QWidget& form, const char* name) {
  T* found = form.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

TAppSettings fixedFolders() {
  TAppSettings settings;
  settings.DefLastFileDir = false;
  settings.FileDir = "/home/user/Проекты";
  settings.DefLastSchemeDir = true;
  settings.SchemeDir = "/opt/lir/Шаблоны перекрестков";
  return settings;
}

TEST(SettingsForm, ShowsEachGroupsChoiceAndEnablesThePathOnlyForAFixedFolder) {
  TSettingsFrm form;
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Настройки"));
  EXPECT_EQ(child<QGroupBox>(form, "grpFileDir")->title(),
            QStringLiteral("Директория по умолчанию для сохранения проектов"));
  EXPECT_EQ(child<QGroupBox>(form, "grpSchemeDir")->title(),
            QStringLiteral("Директория по умолчанию со схемами перекрестков"));
  EXPECT_EQ(child<QRadioButton>(form, "rbSchemeDirLast")->text(),
            QStringLiteral("Брать из последней загруженной схемы"));
  form.showSettings(fixedFolders());

  EXPECT_TRUE(child<QRadioButton>(form, "rbFileDirFixed")->isChecked());
  EXPECT_EQ(child<QLineEdit>(form, "edtFileDir")->text(), QStringLiteral("/home/user/Проекты"));
  EXPECT_TRUE(child<QLineEdit>(form, "edtFileDir")->isEnabled());
  EXPECT_TRUE(child<QPushButton>(form, "btnFileDir")->isEnabled());
  // Following the last scheme shows no path, even though one is stored.
  EXPECT_TRUE(child<QRadioButton>(form, "rbSchemeDirLast")->isChecked());
  EXPECT_TRUE(child<QLineEdit>(form, "edtSchemeDir")->text().isEmpty());
  EXPECT_FALSE(child<QLineEdit>(form, "edtSchemeDir")->isEnabled());
  EXPECT_FALSE(child<QPushButton>(form, "btnSchemeDir")->isEnabled());

  child<QRadioButton>(form, "rbSchemeDirFixed")->click();
  EXPECT_TRUE(child<QLineEdit>(form, "edtSchemeDir")->isEnabled());
  EXPECT_TRUE(child<QPushButton>(form, "btnSchemeDir")->isEnabled());
  child<QRadioButton>(form, "rbFileDirLast")->click();
  EXPECT_FALSE(child<QLineEdit>(form, "edtFileDir")->isEnabled());
  EXPECT_FALSE(child<QPushButton>(form, "btnFileDir")->isEnabled());

  form.resize(form.sizeHint());
  form.grab().save(QDir::temp().filePath(QStringLiteral("lir-settings-form.png")));
}

TEST(SettingsForm, PickerStartsAtTheTypedFolderAndCancelKeepsTheText) {
  QStringList startedAt;
  QString nextPick = QStringLiteral("/srv/projects");
  TSettingsFrm form(nullptr, [&](QWidget* parent, const QString& start) {
    EXPECT_EQ(parent, &form);
    startedAt.append(start);
    return nextPick;
  });
  form.showSettings(fixedFolders());
  auto* folder = child<QLineEdit>(form, "edtFileDir");

  child<QPushButton>(form, "btnFileDir")->click();
  EXPECT_EQ(folder->text(), QStringLiteral("/srv/projects"));
  nextPick.clear();  // cancelled
  child<QPushButton>(form, "btnFileDir")->click();
  EXPECT_EQ(folder->text(), QStringLiteral("/srv/projects"));
  EXPECT_EQ(startedAt, QStringList({QStringLiteral("/home/user/Проекты"), QStringLiteral("/srv/projects")}));
}

// Runs TSettingsFrm::edit and lets drive work the dialog from inside its loop.
bool editWith(TAppSettings& settings, const std::function<void(TSettingsFrm&)>& drive) {
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (auto* form = qobject_cast<TSettingsFrm*>(QApplication::activeModalWidget())) {
      drive(*form);
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
      modal->close();
    }
  });
  timer.start(0);
  return TSettingsFrm::edit(settings, nullptr, [](QWidget*, const QString&) {
    return QStringLiteral("/picked");
  });
}

TEST(SettingsForm, SaveStoresTheChoicesAndAPathOnlyForAFixedFolder) {
  TAppSettings settings = fixedFolders();
  const bool saved = editWith(settings, [](TSettingsFrm& form) {
    child<QRadioButton>(form, "rbFileDirLast")->click();
    child<QRadioButton>(form, "rbSchemeDirFixed")->click();
    child<QPushButton>(form, "btnSchemeDir")->click();
    child<QPushButton>(form, "btnSave")->click();
  });
  EXPECT_TRUE(saved);
  EXPECT_TRUE(settings.DefLastFileDir);
  // The folder now follows the last file; the stored one is left as it was.
  EXPECT_EQ(settings.FileDir, "/home/user/Проекты");
  EXPECT_FALSE(settings.DefLastSchemeDir);
  EXPECT_EQ(settings.SchemeDir, "/picked");
}

TEST(SettingsForm, CancelChangesNothing) {
  TAppSettings settings = fixedFolders();
  const bool saved = editWith(settings, [](TSettingsFrm& form) {
    child<QRadioButton>(form, "rbSchemeDirFixed")->click();
    child<QLineEdit>(form, "edtFileDir")->setText(QStringLiteral("/elsewhere"));
    child<QPushButton>(form, "btnCancel")->click();
  });
  EXPECT_FALSE(saved);
  const TAppSettings before = fixedFolders();
  EXPECT_EQ(settings.DefLastFileDir, before.DefLastFileDir);
  EXPECT_EQ(settings.FileDir, before.FileDir);
  EXPECT_EQ(settings.DefLastSchemeDir, before.DefLastSchemeDir);
  EXPECT_EQ(settings.SchemeDir, before.SchemeDir);
}

TEST(SettingsForm, FolderPickerIsTitledAndPicksFoldersOnly) {
  const auto dialog = TSettingsFrm::makeFolderDialog(nullptr, QDir::tempPath());
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Выбор директории"));
  EXPECT_EQ(dialog->fileMode(), QFileDialog::Directory);
  EXPECT_TRUE(dialog->testOption(QFileDialog::ShowDirsOnly));
  EXPECT_EQ(dialog->labelText(QFileDialog::LookIn), QStringLiteral("Выберите нужную папку:"));
  EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(QDir::tempPath()).canonicalPath());
}

}  // namespace
}  // namespace lir::gui
