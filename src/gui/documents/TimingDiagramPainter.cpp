#include "documents/TimingDiagramPainter.h"

#include <QPainter>
#include <QPolygon>

namespace lir::gui {

namespace {

using lir::TBarStyle;
using lir::TDiagramBox;

QColor ToColor(lir::TRgb rgb) { return QColor(rgb.R, rgb.G, rgb.B); }

QRect TextRect(const TDiagramBox& box) { return QRect(box.Left, box.Top, box.Width, box.Height); }

void DrawText(QPainter& painter, const lir::TDiagramText& text) {
  QFont font(QString::fromLatin1(lir::TDiagramGeometry::kFontFamily));
  font.setPointSize(text.PointSize);
  painter.setFont(font);
  painter.drawText(TextRect(text.Box), Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip,
                   QString::fromStdString(text.Text));
}

// The outline covers Left..Left+Width and Top..Top+Height.
void OutlineBox(QPainter& painter, const TDiagramBox& box, const QBrush& brush) {
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(brush);
  painter.drawRect(box.Left, box.Top, box.Width, box.Height);
}

// White inside, then the hatch lines over it.
void HatchedBar(QPainter& painter, const TDiagramBox& box, const QColor& lines) {
  painter.fillRect(box.Left + 1, box.Top + 1, box.Width - 1, box.Height - 1, Qt::white);
  OutlineBox(painter, box, QBrush(lines, Qt::DiagCrossPattern));
}

void DrawBar(QPainter& painter, const lir::TDiagramBar& bar) {
  const TDiagramBox& box = bar.Box;
  switch (bar.Style) {
    case TBarStyle::Green:
      OutlineBox(painter, box, ToColor(lir::kDiagramGreen));
      break;
    case TBarStyle::GreenBlinking:
      HatchedBar(painter, box, ToColor(lir::kDiagramGreen));
      break;
    case TBarStyle::Yellow:
      OutlineBox(painter, box, ToColor(lir::kDiagramYellow));
      break;
    case TBarStyle::Red:
      OutlineBox(painter, box, ToColor(lir::kDiagramRed));
      break;
    case TBarStyle::YellowFlashing:
      HatchedBar(painter, box, ToColor(lir::kDiagramYellow));
      break;
    case TBarStyle::RedYellow: {
      OutlineBox(painter, box, ToColor(lir::kDiagramYellow));
      QPolygon triangle;
      for (const lir::TDiagramPoint& p : bar.Triangle) triangle << QPoint(p.X, p.Y);
      painter.setPen(Qt::NoPen);
      painter.setBrush(ToColor(lir::kDiagramRed));
      painter.drawPolygon(triangle);
      // The outline again over the triangle's edges.
      OutlineBox(painter, box, Qt::NoBrush);
      break;
    }
  }
}

}  // namespace

QImage PaintTimingDiagram(const lir::TTimingDiagram& diagram) {
  if (diagram.Empty()) return {};
  QImage image(diagram.Width, diagram.Height, QImage::Format_RGB888);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(Qt::black, 0));
  OutlineBox(painter, diagram.Frame, Qt::NoBrush);
  for (const lir::TDiagramLine& line : diagram.Lines) painter.drawLine(line.X1, line.Y1, line.X2, line.Y2);
  painter.setPen(Qt::black);
  for (const lir::TDiagramText& number : diagram.Numbers) DrawText(painter, number);
  for (const lir::TDiagramRow& row : diagram.Rows) {
    painter.setPen(Qt::black);
    DrawText(painter, row.Label);
    for (const lir::TDiagramBar& bar : row.Bars) DrawBar(painter, bar);
  }
  return image;
}

}  // namespace lir::gui
