#pragma once
// A main window on the offscreen platform with everything around it scripted:
// a private settings file, the sample models, project formats that keep the
// project name as the file's content, message boxes answered from a queue and
// file dialogs answered from a list.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <deque>
#include <memory>

#include "model/LIRModelList.h"
#include "shell/AppTitles.h"
#include "shell/FileDialogs.h"
#include "shell/MainForm.h"
#include "shell/ProjectFormats.h"
#include "shell/ScriptedMessagePresenter.h"

namespace lir::gui::test {

class TScriptedFileDialogs : public TFileDialogs {
 public:
  std::deque<QString> answers;  // an empty text cancels the dialog
  std::vector<TFileDialogRequest> requests;

  QString openFile(QWidget*, const TFileDialogRequest& request) override { return next(request); }
  QString saveFile(QWidget*, const TFileDialogRequest& request) override { return next(request); }

 private:
  QString next(const TFileDialogRequest& request) {
    requests.push_back(request);
    if (answers.empty()) {
      ADD_FAILURE() << "a file dialog opened with no answer scripted";
      return {};
    }
    QString answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

class MainFormFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    // A controller project file here is just its name; enough to see the window
    // open and save through the registry.
    formats.Register(DeviceKind::MainController, TReaderRole::Project,
                     [this](const std::string&, std::string_view bytes) -> std::string {
                       if (bytes.substr(0, 4) == "FAIL") return "Файл повреждён";
                       form->project().Name = std::string(bytes.substr(7));
                       return {};
                     },
                     [this](std::string& bytes) -> std::string {
                       bytes = "\x00\x00\x00\x00\xCB\xC8\xD0" + form->project().Name;
                       return {};
                     });
    createForm();
  }

  void TearDown() override {
    form.reset();
    // The window sets the caption of every box for its kind; the next test
    // starts from the program's own.
    setCurrentAppTitle(appTitle());
    EXPECT_TRUE(boxes.errors().isEmpty()) << boxes.errors().join(QStringLiteral("; ")).toStdString();
    EXPECT_EQ(boxes.pendingAnswers(), 0) << "answers scripted but never asked for";
  }

  void createForm() {
    form = std::make_unique<TMainForm>(models, formats, settingsFile(), QStringLiteral(LIR_PROGRAM_DIR));
    form->setFileDialogs(&dialogs);
  }

  // Ends the window as the user would: closing it, then letting it go.
  void restart() {
    form->setModified(false);
    form.reset();
    models.Clear();
    createForm();
  }

  void showForm() {
    form->show();
    QApplication::processEvents();
  }

  QString settingsFile() const { return dir.filePath(QStringLiteral("LIR-3.ini")); }

  // A project file of the fake format with the given name inside.
  QString writeProject(const QString& fileName, const QByteArray& name) {
    const QString path = dir.filePath(fileName);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x00\x00\x00\x00\xCB\xC8\xD0", 7) + name);
    return path;
  }

  QTemporaryDir dir;
  TLIRModelList models;
  TProjectFormats formats;
  TScriptedMessagePresenter boxes{[](const QString& error) { ADD_FAILURE() << error.toStdString(); }};
  TMessagePresenterScope boxesScope{boxes};
  TScriptedFileDialogs dialogs;
  std::unique_ptr<TMainForm> form;
};

}  // namespace lir::gui::test
