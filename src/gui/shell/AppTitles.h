#pragma once

#include <QString>

namespace lir::gui {

// The caption of every message box of the main-controller kinds.
inline QString appTitle() { return QStringLiteral("Конфигуратор контроллеров ЛИР"); }

// The window title of the main-controller kinds.
inline QString mainControllerTitleWord() { return QStringLiteral("Конфигуратор ЛИР"); }

}  // namespace lir::gui
