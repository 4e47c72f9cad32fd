// The program's start-up sequence: create the main window, run the message
// loop, end the process.
#pragma once

#include "platform/application.h"

// Runs the program with the main window that `createMainForm` builds, and
// returns the process's exit code: 0 after the main window has closed, 1
// after an error escaped start-up. Such an error has been shown in the
// "Application Error" box by then, and no main window was ever shown.
int RunStartupSequence(int& argc, char** argv, const TMainFormFactory& createMainForm);
