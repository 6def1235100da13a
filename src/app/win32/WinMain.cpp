// The process's entry point.
#include "app/Lifecycle.h"
#include "app/win32/ProgramMain.h"

#include "ui/win32/Win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::int32_t exitCode = ProgramMain();
  RunShutdownSequence();
  return exitCode;
}
