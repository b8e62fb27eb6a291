#include "documents/TimingDiagramView.h"

#include <QApplication>
#include <QClipboard>
#include <QPaintEvent>
#include <QPainter>
#include <exception>

#include "documents/TimingDiagram.h"
#include "documents/TimingDiagramPainter.h"
#include "model/Cycle.h"
#include "model/Project.h"

namespace lir::gui {

TimingDiagramView::TimingDiagramView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(0, 0);
}

void TimingDiagramView::setProject(lir::TProject* project) {
  project_ = project;
  refresh();
}

void TimingDiagramView::setCycle(int cycle) {
  source_ = Source::Cycle;
  cycle_ = cycle;
  program_ = nullptr;
  factory_ = nullptr;
  refresh();
}

void TimingDiagramView::setProgram(const lir::TProgram* program) {
  source_ = program != nullptr ? Source::Program : Source::None;
  program_ = program;
  factory_ = nullptr;
  refresh();
}

void TimingDiagramView::setProgramFactory(ProgramFactory factory) {
  source_ = factory ? Source::Factory : Source::None;
  program_ = nullptr;
  factory_ = std::move(factory);
  refresh();
}

void TimingDiagramView::clearCycle() {
  source_ = Source::None;
  program_ = nullptr;
  factory_ = nullptr;
  refresh();
}

void TimingDiagramView::refresh() {
  if (refreshing_) return;
  refreshing_ = true;
  const bool before = hasDiagram();
  lir::TTimingDiagram diagram;
  if (project_ != nullptr) {
    try {
      if (source_ == Source::Cycle) diagram = lir::TimingDiagramOfCycle(*project_, cycle_);
      if (source_ == Source::Program) diagram = lir::TimingDiagramOf(*project_, *program_);
      if (source_ == Source::Factory) {
        if (const std::unique_ptr<lir::TProgram> program = factory_()) diagram = lir::TimingDiagramOf(*project_, *program);
      }
    } catch (const std::exception&) {
      // A phase state no signal stands for: nothing to draw.
      diagram = {};
    }
  }
  image_ = PaintTimingDiagram(diagram);
  setFixedSize(image_.size());
  update();
  refreshing_ = false;
  if (before != hasDiagram()) emit diagramAvailable(hasDiagram());
}

bool TimingDiagramView::copyToClipboard() const {
  if (!hasDiagram()) return false;
  QApplication::clipboard()->setImage(image_);
  return true;
}

QSize TimingDiagramView::sizeHint() const { return image_.size(); }

void TimingDiagramView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  if (image_.isNull()) {
    painter.fillRect(area, Qt::white);
    return;
  }
  painter.drawImage(area.topLeft(), image_, area);
}

}  // namespace lir::gui
