#include "app/win32/ProgramMain.h"

#include "app/Globals.h"
#include "app/Lifecycle.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/WindowAccess.h"

namespace {

// The folder that holds the executable: its full path up to, not including, the last backslash.
// The path is stepped character by character, since the second byte of a double-byte character
// may be 0x5C.
void EnterProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  char* lastBackslash = nullptr;
  for (char* at = path; *at; at = CharNextA(at))
    if (*at == '\\') lastBackslash = at;
  if (lastBackslash) *lastBackslash = '\0';
  SetCurrentDirectoryA(path);
}

void RunEventLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (PreTranslateWindowMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

std::int32_t ProgramMain() {
  EnterProgramFolder();
  CreateGlobals();
  RegisterReleaseStep(ReleaseGlobals);
  LoadMainWindow();  // if it fails there is no window, and the loop below is skipped
  loopStarted = true;
  if (FindMainWindow()) RunEventLoop();
  return 0;
}
