#include "shell/SchemeForm.h"

namespace lir::gui {

TSchemeForm::TSchemeForm(QWidget* owner) : QWidget(owner, Qt::Tool) {
  setObjectName(QStringLiteral("SchemeForm"));
  setWindowTitle(QStringLiteral("Схема движения"));
  resize(640, 480);
}

}  // namespace lir::gui
