#pragma once
// Starting the chosen program.
#include <string>

// Starts a program from a command line, shown normally, and waits at most one second for it to
// be ready for input. True when the process was created.
bool LaunchProgram(const std::string& commandLine);
