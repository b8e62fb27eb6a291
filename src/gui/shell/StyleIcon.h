#pragma once
// A standard icon of the style that is read only when it is first painted, and
// then in one size. Asking the style for the icon itself reads every size it
// has at once, which made the toolbar the slowest part of starting the window.

#include <QIcon>
#include <QStyle>

namespace lir::gui {

QIcon lazyStandardIcon(QStyle::StandardPixmap which);

}  // namespace lir::gui
