#pragma once
// Starting the chosen program.
#include <string>

// Starts a program from a command line, shown normally, and waits at most one second for it to
// be ready for input. A command line that names exactly one existing file starts that file (its
// path quoted), and a file that is not a program is opened as a double-click would open it.
// True when something was started or opened.
bool LaunchProgram(const std::string& commandLine);
