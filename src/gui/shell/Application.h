#pragma once

namespace lir::gui {

// Runs the configurator: creates the application object and the main window,
// and runs the event loop until the window closes. Answers the exit code.
int runApplication(int argc, char* argv[]);

}  // namespace lir::gui
