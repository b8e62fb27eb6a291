#pragma once
// The scheme window "Схема движения": a tool window beside the main window
// where the intersection is drawn. It stands empty until the scheme editor is
// built into it.

#include <QWidget>

namespace lir::gui {

class TSchemeForm : public QWidget {
  Q_OBJECT

 public:
  explicit TSchemeForm(QWidget* owner);

  // Forgets the scheme of the previous project.
  void clearScheme() {}
};

}  // namespace lir::gui
