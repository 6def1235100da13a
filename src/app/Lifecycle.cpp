#include "app/Lifecycle.h"

#include "platform/Platform.h"

namespace {
ReleaseStep releaseStep = nullptr;
}  // namespace

void RegisterReleaseStep(ReleaseStep step) { releaseStep = step; }

void RunShutdownSequence() {
  // Cleared before it runs, so that it runs once even if a release step ends the program.
  if (ReleaseStep step = releaseStep) {
    releaseStep = nullptr;
    step();
  }
}

void ExitProgram(std::int32_t exitCode) {
  RunShutdownSequence();
  platform::ExitProcess(static_cast<std::uint32_t>(exitCode));
}
