#pragma once
// The ways the program ends. Both run the shutdown sequence once: the registered release step,
// then whatever the platform layer acquired at start-up.
#include <cstdint>

using ReleaseStep = void (*)();

void RegisterReleaseStep(ReleaseStep step);
void RegisterPlatformRelease(ReleaseStep step);

// Runs the release step at most once per process, then the platform's release.
void RunShutdownSequence();

// Runs the shutdown sequence and ends the process with exitCode; never returns.
[[noreturn]] void ExitProgram(std::int32_t exitCode);
