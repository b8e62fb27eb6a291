#pragma once
// The settings dialog: where the open dialog and the scheme pictures start,
// either following the last file or scheme, or at a fixed folder.

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

#include "shell/AppSettings.h"

class QFileDialog;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lir::gui {

class TSettingsFrm : public QDialog {
  Q_OBJECT

 public:
  // Asks for a folder, starting at startFolder; answers an empty text when the
  // user cancels.
  using TFolderPicker = std::function<QString(QWidget* parent, const QString& startFolder)>;

  explicit TSettingsFrm(QWidget* parent = nullptr, TFolderPicker pickFolder = {});

  // Shows DefLastFileDir/FileDir and DefLastSchemeDir/SchemeDir; a group that
  // follows the last file or scheme shows an empty path.
  void showSettings(const TAppSettings& settings);
  // Stores the choices, and a path only where a fixed folder is chosen.
  void storeSettings(TAppSettings& settings) const;

  // Runs the dialog; "Сохранить" stores the choices into settings and answers
  // true, "Отмена" leaves them alone.
  static bool edit(TAppSettings& settings, QWidget* parent = nullptr, TFolderPicker pickFolder = {});

  // The platform's folder picker, titled "Выбор директории". Its prompt shows
  // where the dialog is Qt's own; the desktop's native picker has no place for it.
  static std::unique_ptr<QFileDialog> makeFolderDialog(QWidget* parent, const QString& startFolder);
  static QString pickFolderOnScreen(QWidget* parent, const QString& startFolder);

 private:
  // One group box: follow the last one, or a fixed folder typed or picked.
  struct TFolderChoice {
    QGroupBox* group = nullptr;
    QRadioButton* followLast = nullptr;
    QRadioButton* fixed = nullptr;
    QLineEdit* folder = nullptr;
    QPushButton* pick = nullptr;
  };

  TFolderChoice addFolderChoice(const QString& name, const QString& title, const QString& lastText);
  void showChoice(TFolderChoice& choice, bool followLast, const std::string& folder);
  static void storeChoice(const TFolderChoice& choice, bool& followLast, std::string& folder);
  void pickInto(const TFolderChoice& choice);
  static void enableFixedFolder(const TFolderChoice& choice);

  TFolderPicker pickFolder_;
  TFolderChoice fileDir_;
  TFolderChoice schemeDir_;
};

}  // namespace lir::gui
