#include "documents/TimingDiagram.h"

#include <memory>

#include "model/Cycle.h"
#include "model/CycleList.h"
#include "model/Project.h"
#include "model/SignalStates.h"

namespace lir {

namespace {

using G = TDiagramGeometry;

TDiagramLine VerticalLine(int x, int top, int length) { return {x, top, x, top + length - 1}; }
TDiagramLine HorizontalLine(int left, int y, int length) { return {left, y, left + length - 1, y}; }

void AddTicks(TTimingDiagram& diagram) {
  for (int s = 0; s <= diagram.CycleLength; ++s) {
    const int x = G::kBarsLeft + G::kPixelsPerSecond * s;
    if (s % 10 == 0) {
      diagram.Lines.push_back(VerticalLine(x, 25, 17));
      diagram.Numbers.push_back({{x - 12, 14, 24, 9}, std::to_string(s), G::kNumberPointSize});
    } else if (s % 10 == 5) {
      diagram.Lines.push_back(VerticalLine(x, 29, 13));
    } else {
      diagram.Lines.push_back(VerticalLine(x, 32, 10));
    }
  }
}

void AddStepBoundaries(TTimingDiagram& diagram, const TProgramSteps& steps, int rowsHeight) {
  int x = G::kBarsLeft;
  bool afterPhase = false;
  for (const TProgramStep& step : steps.Steps) {
    const bool phaseStep = step.Number != TProgramStep::kTransitionNumber;
    if (phaseStep || afterPhase) {
      diagram.StepBoundaries.push_back(x);
      diagram.Lines.push_back(VerticalLine(x, G::kFrameTop, rowsHeight));
    }
    afterPhase = phaseStep;
    x += G::kPixelsPerSecond * step.Duration;
  }
}

TDiagramBar MakeBar(int x, int y, int width, int signal, TBarStyle style) {
  TDiagramBar bar;
  bar.Box = {x, y, width, G::kBarHeight};
  bar.Signal = signal;
  bar.Style = style;
  if (style == TBarStyle::RedYellow) bar.Triangle = {{{x, y}, {x + width, y}, {x, y + G::kBarHeight}}};
  return bar;
}

std::vector<TDiagramBar> RowBars(const TProgramSteps& steps, std::size_t row, int top) {
  std::vector<TDiagramBar> bars;
  const auto& list = steps.Steps;
  int x = G::kBarsLeft;
  int width = 0;
  int first = 0;
  int second = 0;
  int runSeconds = 0;
  for (std::size_t k = 0; k < list.size(); ++k) {
    const int signal = list[k].Signals.at(row);
    width += G::kPixelsPerSecond * list[k].Duration;
    runSeconds += list[k].Duration;
    const bool last = k + 1 == list.size();
    if (!last && SignalFamily(list[k + 1].Signals.at(row)) == SignalFamily(signal)) continue;
    if (const std::optional<TBarStyle> style = BarStyleOf(signal)) {
      TDiagramBar bar = MakeBar(x, top, width, signal, *style);
      bar.FirstStep = first;
      bar.LastStep = static_cast<int>(k);
      bar.StartSecond = second;
      bar.Seconds = runSeconds;
      bars.push_back(bar);
    }
    x += width;
    second += runSeconds;
    width = 0;
    runSeconds = 0;
    first = static_cast<int>(k) + 1;
  }
  return bars;
}

}  // namespace

std::optional<TBarStyle> BarStyleOf(int signal) {
  switch (signal) {
    case ssGreen:
    case ssExtraGreen:
    case ssAdvanceGreen:
      return TBarStyle::Green;
    case ssGreenBlinking:
      return TBarStyle::GreenBlinking;
    case ssYellow:
      return TBarStyle::Yellow;
    case ssAdvanceRed:
    case ssRed:
    case ssExtraRed:
    case ssAllRed:
      return TBarStyle::Red;
    case ssRedYellow:
      return TBarStyle::RedYellow;
    case ssYellowFlashing:
      return TBarStyle::YellowFlashing;
    default:
      return std::nullopt;
  }
}

int SignalFamily(int signal) {
  switch (signal) {
    case ssExtraGreen:
    case ssAdvanceGreen:
      return ssGreen;
    case ssAdvanceRed:
    case ssExtraRed:
      return ssRed;
    default:
      return signal;
  }
}

TTimingDiagram LayOutTimingDiagram(const TProgramSteps& steps, const std::vector<std::string>& labels,
                                   const std::string& name) {
  TTimingDiagram diagram;
  diagram.Name = name;
  diagram.CycleLength = 0;
  for (const TProgramStep& step : steps.Steps) diagram.CycleLength += step.Duration;
  const int rows = static_cast<int>(labels.size());
  const int rowsHeight = G::kRowHeight * rows;
  const int barsWidth = G::kPixelsPerSecond * diagram.CycleLength;
  const int width = barsWidth + (G::kBarsLeft - G::kMargin);  // frame width
  diagram.Width = width + 2 * G::kMargin;
  diagram.Height = G::kFrameTop + rowsHeight + G::kMargin;
  diagram.Frame = {G::kMargin, G::kFrameTop, width, rowsHeight};

  for (int i = 0; i < rows; ++i) {
    const int top = G::kFrameTop + G::kRowHeight * i;
    TDiagramRow row;
    row.Label = {{G::kMargin, top, G::kBarsLeft - G::kMargin, G::kRowHeight}, labels[i], G::kLabelPointSize};
    row.Bars = RowBars(steps, static_cast<std::size_t>(i), top + G::kBarOffset);
    diagram.Rows.push_back(std::move(row));
    if (i + 1 < rows) diagram.Lines.push_back(HorizontalLine(G::kMargin, top + G::kRowHeight, width));
  }
  if (rows > 0) diagram.Lines.push_back(VerticalLine(G::kBarsLeft, G::kFrameTop, rowsHeight));
  if (barsWidth > 0) diagram.Lines.push_back(HorizontalLine(G::kBarsLeft, G::kAxisY, barsWidth));
  AddTicks(diagram);
  AddStepBoundaries(diagram, steps, rowsHeight);
  return diagram;
}

TTimingDiagram TimingDiagramOf(const TProject& project, const TProgram& program) {
  std::vector<std::string> labels;
  for (int row = 0; row < project.GridRowCount(); ++row) labels.push_back(project.TrendName(*project.GridTrend(row)));
  return LayOutTimingDiagram(ProgramSteps(project, program), labels, program.Name());
}

TTimingDiagram TimingDiagramOfCycle(const TProject& project, int cycle) {
  const std::unique_ptr<TProgram> program = project.Cycles().ProgramFromCycle(cycle);
  return TimingDiagramOf(project, *program);
}

}  // namespace lir
