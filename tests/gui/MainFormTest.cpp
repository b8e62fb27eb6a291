// The main window loads the sample models when it is first shown, lists them,
// and keeps its settings in the settings file it was given.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "model/LIRModelList.h"
#include "shell/MainForm.h"

namespace lir::gui {
namespace {

int countModels(const QTreeWidget& tree) {
  int count = 0;
  for (int i = 0; i < tree.topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = tree.topLevelItem(i);
    count += item->childCount() == 0 ? 1 : item->childCount();
  }
  return count;
}

TEST(MainForm, LoadsTheSampleModelsOnFirstShowAndRendersThem) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString ini = dir.filePath(QStringLiteral("LIR-3.ini"));
  TLIRModelList models;
  {
    TMainForm form(models, ini, QStringLiteral(LIR_PROGRAM_DIR));
    EXPECT_EQ(models.Count(), 0) << "models load when the window is first shown, not before";
    form.show();
    QApplication::processEvents();
    ASSERT_GE(models.Count(), 15);
    EXPECT_EQ(countModels(*form.modelTree()), models.Count());

    const QImage image = form.grab().toImage();
    // LIR_TEST_SCREENSHOTS=folder keeps the picture for a look by eye.
    if (const QString keep = qEnvironmentVariable("LIR_TEST_SCREENSHOTS"); !keep.isEmpty())
      image.save(QDir(keep).filePath(QStringLiteral("main-window-models.png")));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4)
      for (int x = 0; x < image.width(); x += 4) colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 3) << "the rendered window is blank";
  }
  QFile file(ini);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "settings are written when the window goes";
  EXPECT_TRUE(file.readAll().contains("[General]"));
}

}  // namespace
}  // namespace lir::gui
