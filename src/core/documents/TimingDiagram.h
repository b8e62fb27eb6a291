#pragma once
// The timing diagram of a work cycle as a picture layout: one row per grid
// trend, time running to the right at a fixed scale, one bar per run of equal
// signal. Only numbers and texts; the GUI paints it.
//
// Coordinates are pixels of the picture, x to the right and y down. A line
// covers both of its end points. An outlined box covers Left..Left+Width and
// Top..Top+Height, so neighbouring bars share their border column. A text box
// is the area Left..Left+Width-1, Top..Top+Height-1 the text is centred in.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/CycleSteps.h"

namespace lir {

class TProgram;
class TProject;

struct TDiagramGeometry {
  static constexpr int kPixelsPerSecond = 7;
  static constexpr int kRowHeight = 18;
  static constexpr int kMargin = 10;          // white border left and right of the frame
  static constexpr int kFrameTop = 42;        // top of the first row
  static constexpr int kBarsLeft = 46;        // second 0; labels lie left of it
  static constexpr int kAxisY = 32;
  static constexpr int kBarOffset = 8;        // bar top below its row top
  static constexpr int kBarHeight = 10;       // outline rows: kBarHeight + 1
  static constexpr int kLabelPointSize = 8;
  static constexpr int kNumberPointSize = 7;
  static constexpr const char* kFontFamily = "Verdana";
};

// How a bar is filled; a dark signal has no bar.
enum class TBarStyle : std::uint8_t {
  Green,           // green, additional green, advance green
  GreenBlinking,   // white, hatched with green diagonal cross lines
  Yellow,
  Red,             // advance red, red, additional red, all red
  RedYellow,       // yellow with a red triangle over the upper-left half
  YellowFlashing,  // white, hatched with yellow diagonal cross lines
};

struct TRgb {
  std::uint8_t R, G, B;
  bool operator==(const TRgb&) const = default;
};
inline constexpr TRgb kDiagramGreen{0, 179, 89};
inline constexpr TRgb kDiagramYellow{238, 238, 17};
inline constexpr TRgb kDiagramRed{245, 104, 84};

// The style of a signal state; none for dark (and for numbers that are no state).
std::optional<TBarStyle> BarStyleOf(int signal);
// Signals of one family make one bar: {0, 1, 8}, {4, 5, 6}, each other alone.
int SignalFamily(int signal);

struct TDiagramPoint {
  int X = 0, Y = 0;
  bool operator==(const TDiagramPoint&) const = default;
};

struct TDiagramLine {
  int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  bool operator==(const TDiagramLine&) const = default;
};

struct TDiagramBox {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const TDiagramBox&) const = default;
};

struct TDiagramText {
  TDiagramBox Box;
  std::string Text;
  int PointSize = 0;
};

struct TDiagramBar {
  TDiagramBox Box;  // outlined
  int Signal = 0;   // the state of the run's last step
  TBarStyle Style = TBarStyle::Red;
  int FirstStep = 0, LastStep = 0;
  int StartSecond = 0, Seconds = 0;
  // The red triangle of a red-with-yellow bar: top-left, top-right, lower-left.
  std::array<TDiagramPoint, 3> Triangle{};
};

struct TDiagramRow {
  TDiagramText Label;
  std::vector<TDiagramBar> Bars;  // left to right, dark runs left out
};

struct TTimingDiagram {
  std::string Name;  // the cycle's
  int CycleLength = 0;  // seconds
  int Width = 0, Height = 0;  // of the whole picture, white where nothing is drawn
  TDiagramBox Frame;
  std::vector<TDiagramRow> Rows;
  // Row separators, the label separator, the time axis, ticks and step
  // boundaries, all black.
  std::vector<TDiagramLine> Lines;
  std::vector<TDiagramText> Numbers;  // seconds at every tenth tick
  std::vector<int> StepBoundaries;    // x of each step boundary line

  // A diagram is shown only for a project with at least one trend.
  bool Empty() const { return Rows.empty(); }
};

// The layout for steps whose signals hold one entry per label.
TTimingDiagram LayOutTimingDiagram(const TProgramSteps& steps, const std::vector<std::string>& labels,
                                   const std::string& name = {});
// The program's steps with the project's grid trends as rows. Throws what
// ProgramSteps throws.
TTimingDiagram TimingDiagramOf(const TProject& project, const TProgram& program);
// The work phases with their durations in the cycle; the minimal work cycle
// ("Минимальный рабочий цикл") for an index outside the list.
TTimingDiagram TimingDiagramOfCycle(const TProject& project, int cycle);

}  // namespace lir
