#include "app/win32/ProgramMain.h"

#include <cstring>
#include <string>

#include "app/Globals.h"
#include "app/Lifecycle.h"
#include "app/ProgramFolder.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/WindowAccess.h"

namespace {

bool IsLeadByteOfSystemCodePage(unsigned char byte) { return IsDBCSLeadByte(byte) != 0; }

// The working directory becomes the executable's own folder.
void EnterProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  // Read no further than the buffer: older systems leave a truncated path unterminated.
  const std::string folder = ProgramFolderOf(std::string(path, strnlen(path, sizeof path)), IsLeadByteOfSystemCodePage);
  SetCurrentDirectoryA(folder.c_str());
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
