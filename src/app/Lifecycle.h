#pragma once
// The ways the program ends. Both run the shutdown sequence: the registered release step, once.
#include <cstdint>

using ReleaseStep = void (*)();

void RegisterReleaseStep(ReleaseStep step);

// Runs the release step at most once per process.
void RunShutdownSequence();

// Runs the shutdown sequence and ends the process with exitCode; never returns.
[[noreturn]] void ExitProgram(std::int32_t exitCode);
