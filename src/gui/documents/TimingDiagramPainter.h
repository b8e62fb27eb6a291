#pragma once
// Paints a timing-diagram layout into a 24-bit picture.

#include <QImage>

#include "documents/TimingDiagram.h"

namespace lir::gui {

// White where nothing is drawn; a null image for an empty layout.
QImage PaintTimingDiagram(const lir::TTimingDiagram& diagram);

}  // namespace lir::gui
