#pragma once
// The program from its start to the end of its event loop.
#include <cstdint>

// Sets the working directory, creates the global state, loads the main window and runs the
// event loop until the quit request. Always 0; the caller then runs the shutdown sequence.
std::int32_t ProgramMain();
