#pragma once
// The timing diagram of the cycle that belongs to the page on screen. The
// picture is painted once per refresh and only copied on repaint; the widget
// takes the picture's size (put it into a scroll area).

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

namespace lir {
class TProgram;
class TProject;
}  // namespace lir

namespace lir::gui {

class TimingDiagramView : public QWidget {
  Q_OBJECT

 public:
  explicit TimingDiagramView(QWidget* parent = nullptr);

  // Not owned; null shows nothing.
  void setProject(lir::TProject* project);
  // A work cycle by index; an index outside the list shows the minimal work
  // cycle. Refreshes.
  void setCycle(int cycle);
  // A program the caller keeps alive while it is shown (call lists, programs
  // of the extended year plan). Refreshes.
  void setProgram(const lir::TProgram* program);
  // A temporary program built again at every refresh and dropped after
  // drawing (the call lists' cycles); a null answer shows nothing. Refreshes.
  using ProgramFactory = std::function<std::unique_ptr<lir::TProgram>()>;
  void setProgramFactory(ProgramFactory factory);
  // Nothing to show (pages without a cycle). Refreshes.
  void clearCycle();
  // Rebuilds the picture after an edit; ignored while already running.
  void refresh();

  // Whether there is a picture: a cycle to show and at least one trend.
  bool hasDiagram() const { return !image_.isNull(); }
  const QImage& image() const { return image_; }
  // Puts the picture on the clipboard; false when there is none.
  bool copyToClipboard() const;

  QSize sizeHint() const override;

 signals:
  // The box holding the view shows itself only while there is a diagram.
  void diagramAvailable(bool available);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  enum class Source { None, Cycle, Program, Factory };

  lir::TProject* project_ = nullptr;
  Source source_ = Source::None;
  int cycle_ = -1;
  const lir::TProgram* program_ = nullptr;
  ProgramFactory factory_;
  QImage image_;
  bool refreshing_ = false;
};

}  // namespace lir::gui
