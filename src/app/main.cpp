#include "shell/Application.h"

int main(int argc, char* argv[]) { return lir::gui::runApplication(argc, argv); }
