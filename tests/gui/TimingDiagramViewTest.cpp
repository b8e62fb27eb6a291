// The timing-diagram view paints the cycle's picture, follows the project and
// copies the picture to the clipboard.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <memory>
#include <vector>

#include "documents/TimingDiagramView.h"
#include "model/Phases.h"
#include "model/Project.h"
#include "model/Trends.h"

namespace {

using lir::gui::TimingDiagramView;

// A vehicle group green in Ф1 (blink 6, yellow 3, red with yellow 2) and a
// pedestrian group green in Ф2 (blink 4, advance green 1); one cycle with
// Ф1 10 s and Ф2 20 s: 40 s, a picture of 7·40 + 56 by 2·18 + 52 pixels.
struct TimingDiagramViewTest : ::testing::Test {
  lir::TProject project;

  void SetUp() override {
    lir::TPhaseList& work = project.Phases().WorkPhases();
    work.AddPhase();
    lir::TPhase& f1 = *work.Item(0);
    lir::TPhase& f2 = *work.Item(1);
    lir::TTrend& v = *project.AddGroupOfClass(lir::TGroupClass::Transport, false)->Trends().First();
    lir::TTrend& p = *project.AddGroupOfClass(lir::TGroupClass::Walkman, false)->Trends().First();
    f1.SetState(v, lir::psGreen);
    f2.SetState(p, lir::psGreen);
    v.SetTime(lir::ssGreenBlinking, 6);
    v.SetTime(lir::ssYellow, 3);
    v.SetTime(lir::ssRedYellow, 2);
    p.SetTime(lir::ssGreenBlinking, 4);
    p.SetTime(lir::ssAdvanceGreen, 1);
    project.Cycles().AddCycle();
    f1.SetDuration(0, 10);
    f2.SetDuration(0, 20);
  }
};

const QColor kGreen(0, 179, 89);
const QColor kYellow(238, 238, 17);
const QColor kRed(245, 104, 84);

QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

TEST_F(TimingDiagramViewTest, PaintsTheBarsInTheirColours) {
  TimingDiagramView view;
  view.setProject(&project);
  view.setCycle(0);
  ASSERT_TRUE(view.hasDiagram());
  const QImage& image = view.image();
  EXPECT_EQ(image.size(), QSize(336, 88));
  EXPECT_EQ(image.format(), QImage::Format_RGB888);
  EXPECT_EQ(view.size(), image.size());
  image.save(QDir::temp().filePath("lir-timing-diagram.png"));

  EXPECT_EQ(At(image, 2, 2), QColor(Qt::white));
  EXPECT_EQ(At(image, 10, 50), QColor(Qt::black));    // frame
  EXPECT_EQ(At(image, 60, 55), kGreen);                // 1Т green, x 46..116
  EXPECT_EQ(At(image, 46, 55), QColor(Qt::black));    // bar outline
  EXPECT_EQ(At(image, 140, 55), kYellow);              // yellow, x 137..158
  EXPECT_EQ(At(image, 200, 55), kRed);                 // red, x 158..312
  EXPECT_EQ(At(image, 314, 51), kRed);                 // red with yellow: triangle at the top left
  EXPECT_EQ(At(image, 324, 58), kYellow);              // yellow at the bottom right
  EXPECT_EQ(At(image, 60, 73), kRed);                  // 2П red, x 46..151
  EXPECT_EQ(At(image, 200, 73), kGreen);               // advance green and green, x 151..298
  EXPECT_EQ(At(image, 200, 65), QColor(Qt::white));   // between the rows' bars

  // Green blinking of 1Т, x 116..137: white with green hatch lines.
  int white = 0, green = 0;
  for (int x = 117; x < 137; ++x) {
    for (int y = 51; y < 60; ++y) {
      white += At(image, x, y) == QColor(Qt::white);
      green += At(image, x, y) == kGreen;
    }
  }
  EXPECT_GT(white, 20);
  EXPECT_GT(green, 20);

  // Some text in the label column and over the tick at 10 s.
  int dark = 0;
  for (int x = 12; x < 45; ++x) {
    for (int y = 43; y < 60; ++y) dark += At(image, x, y).lightness() < 128;
  }
  EXPECT_GT(dark, 5);
  dark = 0;
  for (int x = 106; x < 127; ++x) {
    for (int y = 12; y < 24; ++y) dark += At(image, x, y).lightness() < 128;
  }
  EXPECT_GT(dark, 3);

  // The widget shows the picture.
  EXPECT_EQ(view.grab().toImage().convertToFormat(QImage::Format_RGB888), image);
}

TEST_F(TimingDiagramViewTest, CopiesThePictureToTheClipboard) {
  TimingDiagramView view;
  view.setProject(&project);
  view.setCycle(0);
  QApplication::clipboard()->clear();
  ASSERT_TRUE(view.copyToClipboard());
  const QImage copied = QApplication::clipboard()->image();
  EXPECT_EQ(copied.size(), QSize(336, 88));
  EXPECT_EQ(copied.pixelColor(60, 55), kGreen);

  view.clearCycle();
  EXPECT_FALSE(view.hasDiagram());
  EXPECT_FALSE(view.copyToClipboard());
}

TEST_F(TimingDiagramViewTest, ShowsOnlyWhatThereIsToShow) {
  TimingDiagramView view;
  std::vector<bool> available;
  QObject::connect(&view, &TimingDiagramView::diagramAvailable, [&](bool on) { available.push_back(on); });
  view.setCycle(0);
  EXPECT_FALSE(view.hasDiagram());  // no project yet
  view.setProject(&project);
  EXPECT_TRUE(view.hasDiagram());
  // An index outside the list: the minimal cycle, 5·7 + 6·7 + 1·7 + 4·7 wide plus 56.
  view.setCycle(3);
  EXPECT_EQ(view.image().width(), 7 * (1 + 6 + 1 + 4) + 56);

  // A duration change shows after refresh.
  project.Phases().WorkPhases().Item(0)->SetDuration(0, 15);
  view.setCycle(0);
  EXPECT_EQ(view.image().width(), 7 * 45 + 56);

  lir::TProject empty;
  view.setProject(&empty);
  EXPECT_FALSE(view.hasDiagram());
  EXPECT_EQ(view.size(), QSize(0, 0));
  EXPECT_EQ(available, (std::vector<bool>{true, false}));
}

TEST_F(TimingDiagramViewTest, AProgramOrAFactoryOfTemporaryPrograms) {
  TimingDiagramView view;
  view.setProject(&project);
  lir::TPhase& f2 = *project.Phases().WorkPhases().Item(1);
  lir::TProgram kept("Утро");
  kept.AppendPhase(f2, 8);
  view.setProgram(&kept);
  EXPECT_EQ(view.image().width(), 7 * 8 + 56);

  // Built again at every refresh: a later edit shows.
  int built = 0;
  view.setProgramFactory([&] {
    ++built;
    auto program = std::make_unique<lir::TProgram>("ТВП1");
    program->AppendPhase(f2, f2.MinDuration());
    return program;
  });
  EXPECT_EQ(view.image().width(), 7 * 1 + 56);
  f2.SetMinDuration(9);
  view.refresh();
  EXPECT_EQ(view.image().width(), 7 * 9 + 56);
  EXPECT_EQ(built, 2);

  view.setProgramFactory([] { return std::unique_ptr<lir::TProgram>(); });
  EXPECT_FALSE(view.hasDiagram());
}

}  // namespace
