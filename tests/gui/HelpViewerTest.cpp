// The help button opens "LIR-3.chm" of the program folder with the first CHM
// viewer on PATH; a missing file is reported, a missing viewer is not.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <set>
#include <vector>

#include "common/ProgramFolder.h"
#include "shell/AppTitles.h"
#include "shell/HelpViewer.h"
#include "shell/ScriptedMessagePresenter.h"

namespace lir::gui {
namespace {

TEST(HelpViewer, HelpFileLiesInTheProgramFolder) {
  EXPECT_EQ(helpFilePath(), QString::fromStdString(programFolder()) + QStringLiteral("LIR-3.chm"));
}

TEST(HelpViewer, FindsThePreferredViewerOnPath) {
  const std::set<QString> installed = {QStringLiteral("/usr/bin/kchmviewer"),
                                       QStringLiteral("/usr/local/bin/chmsee"),
                                       QStringLiteral("/opt/a/xchm"), QStringLiteral("/opt/b/xchm"),
                                       QStringLiteral("/home/u/xchm"), QStringLiteral("bin/xchm")};
  const auto isExecutable = [&installed](const QString& file) { return installed.count(file) > 0; };
  const struct {
    const char* path;
    const char* found;
  } cases[] = {
      {"/usr/local/bin:/usr/bin", "/usr/bin/kchmviewer"},  // a preferred name beats folder order
      {"/usr/local/bin", "/usr/local/bin/chmsee"},
      {"/opt/b:/opt/a", "/opt/b/xchm"},                    // first folder wins for a name
      {"/opt/a/:/usr/bin", "/opt/a/xchm"},                 // trailing slash
      {"::/usr/bin:", "/usr/bin/kchmviewer"},              // empty entries are not the current folder
      {"bin:/usr/local/bin", "/usr/local/bin/chmsee"},     // nor are relative ones
      {"", ""},
      {"/usr/sbin:/sbin", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(findOnPath(QString::fromLatin1(c.path), chmViewerNames(), isExecutable),
              QString::fromLatin1(c.found))
        << c.path;
  }
}

TEST(HelpViewer, SystemProbeWantsAnExecutableFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile viewer(dir.filePath(QStringLiteral("xchm")));
  ASSERT_TRUE(viewer.open(QIODevice::WriteOnly));
  viewer.write("#!/bin/sh\n");
  viewer.close();
  const auto probe = THelpViewer::systemEnvironment().isExecutable;
  const QStringList names = {QStringLiteral("xchm")};
  EXPECT_TRUE(findOnPath(dir.path(), names, probe).isEmpty()) << "not executable yet";
  viewer.setPermissions(viewer.permissions() | QFileDevice::ExeOwner);
  EXPECT_EQ(findOnPath(dir.path(), names, probe), dir.filePath(QStringLiteral("xchm")));
  // A folder by the viewer's name is no viewer.
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
  ASSERT_TRUE(QDir(dir.filePath(QStringLiteral("sub"))).mkdir(QStringLiteral("xchm")));
  EXPECT_TRUE(findOnPath(dir.filePath(QStringLiteral("sub")), names, probe).isEmpty());
}

// A help viewer in a world of its own: which files exist, what is on PATH, and
// what was started.
class HelpButton : public ::testing::Test {
 protected:
  HelpButton() : scope_(script_) {}

  THelpViewer viewer() {
    THelpViewer::TEnvironment environment;
    environment.pathVariable = QStringLiteral("/usr/local/bin:/usr/bin");
    environment.fileExists = [this](const QString& file) { return files_.count(file) > 0; };
    environment.isExecutable = [this](const QString& file) { return files_.count(file) > 0; };
    environment.startDetached = [this](const QString& program, const QStringList& arguments) {
      started_.push_back(QStringList{program} + arguments);
      return startWorks_;
    };
    return THelpViewer(kHelpFile, environment);
  }

  const QString kHelpFile = QStringLiteral("/opt/lir/LIR-3.chm");
  std::set<QString> files_;
  std::vector<QStringList> started_;
  bool startWorks_ = true;
  TScriptedMessagePresenter script_;
  TMessagePresenterScope scope_;
};

TEST_F(HelpButton, OpensTheHelpFileWithTheViewerStartedApart) {
  files_ = {kHelpFile, QStringLiteral("/usr/bin/xchm")};
  EXPECT_EQ(viewer().open(), THelpStatus::Opened);
  ASSERT_EQ(started_.size(), 1u);
  EXPECT_EQ(started_[0], QStringList({QStringLiteral("/usr/bin/xchm"), kHelpFile}));
  EXPECT_TRUE(script_.shown().empty());

  startWorks_ = false;
  EXPECT_EQ(viewer().open(), THelpStatus::StartFailed);
  EXPECT_TRUE(script_.shown().empty());
}

TEST_F(HelpButton, MissingFileIsReportedAndNothingStarts) {
  files_ = {QStringLiteral("/usr/bin/xchm")};
  EXPECT_EQ(viewer().open(), THelpStatus::FileMissing);
  EXPECT_TRUE(started_.empty());
  ASSERT_EQ(script_.shown().size(), 1u);
  EXPECT_EQ(script_.shown()[0].kind, TMessageKind::Error);
  EXPECT_EQ(script_.shown()[0].caption, appTitle());
  EXPECT_EQ(script_.shown()[0].text, QStringLiteral("Файл не найден:\n/opt/lir/LIR-3.chm."));
}

TEST_F(HelpButton, NoViewerDoesNothingButSaysSo) {
  files_ = {kHelpFile};
  EXPECT_EQ(viewer().open(), THelpStatus::NoViewer);
  EXPECT_TRUE(started_.empty());
  EXPECT_TRUE(script_.shown().empty());
}

}  // namespace
}  // namespace lir::gui
