// bench_driver: runs inside the benchmark's Wine prefix, launches the programs it compares and
// drives them. It reads one command per line from its standard input and answers each with one
// line, so that the benchmark script can read /proc between the steps:
//
//   launch PATH            start PATH, wait for its visible top-level window
//                          -> "launched slot=N pid=WINPID ms=TIME" (ms: CreateProcess to visible)
//   countdown SLOT AMOUNT  in the program: AMOUNT minutes into the amount box, then OK
//                          -> "countdown started=1" once the OK button has disabled itself
//   status SLOT            the program's status bar -> "status text=HEX" (GBK bytes, "-" if empty)
//   close SLOT             WM_CLOSE to the window, then wait for the process to end
//                          -> "closed exit=CODE"
//   quit
//
// A failure answers "error=WHAT". Timing uses the performance counter around CreateProcess, so
// the figure includes Wine's start of a new process, as a launch from the desktop would.
#include "ui/WindowTemplate.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr DWORD kWindowTimeoutMs = 20000;
constexpr int kSlots = 8;

struct Launched {
  PROCESS_INFORMATION process;
  HWND window;
};
Launched slots[kSlots];  // a slot is free while its window is null

void Answer(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vprintf(format, args);
  va_end(args);
  std::printf("\n");
  std::fflush(stdout);
}

double NowMs() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct WindowSearch {
  DWORD processId;
  HWND found;
};

// A visible, unowned top-level window with a caption: the program's main window, not its
// tooltip windows.
BOOL CALLBACK MatchMainWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window) || GetWindow(window, GW_OWNER) ||
      (GetWindowLongA(window, GWL_STYLE) & WS_CAPTION) != WS_CAPTION)
    return TRUE;
  search->found = window;
  return FALSE;
}

void Launch(const char* path) {
  int slot = 0;
  while (slot < kSlots && slots[slot].window) ++slot;
  if (slot == kSlots) return Answer("error=too-many");
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  char commandLine[MAX_PATH + 2];
  std::snprintf(commandLine, sizeof commandLine, "\"%s\"", path);

  const double start = NowMs();
  if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return Answer("error=createprocess-%lu", GetLastError());
  WindowSearch search = {process.dwProcessId, nullptr};
  for (;;) {
    EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) break;
    if (NowMs() - start > kWindowTimeoutMs || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
      TerminateProcess(process.hProcess, 1);
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
      return Answer("error=no-window");
    }
    Sleep(1);
  }
  const double elapsed = NowMs() - start;
  slots[slot] = {process, search.found};
  Answer("launched slot=%d pid=%lu ms=%.1f", slot, process.dwProcessId, elapsed);
}

Launched* Slot(int slot) {
  return slot >= 0 && slot < kSlots && slots[slot].window ? &slots[slot] : nullptr;
}

HWND FrameChild(HWND main, ControlId control) {
  HWND frame = GetDlgItem(main, ControlWindowId(ControlId::分组框1));
  return frame ? GetDlgItem(frame, ControlWindowId(control)) : nullptr;
}

// The amount, then a click on OK as a user's would be; the countdown has started once the OK
// button has disabled itself.
void Countdown(int slot, const char* amount) {
  Launched* launched = Slot(slot);
  if (!launched) return Answer("error=no-slot");
  HWND amountBox = FrameChild(launched->window, ControlId::编辑框1);
  HWND ok = FrameChild(launched->window, ControlId::按钮1);
  if (!amountBox || !ok) return Answer("error=no-controls");
  DWORD_PTR result = 0;
  SendMessageTimeoutA(amountBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(amount), SMTO_NORMAL, 5000, &result);
  SendMessageTimeoutA(ok, BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &result);
  const double start = NowMs();
  while (IsWindowEnabled(ok)) {
    if (NowMs() - start > 5000) return Answer("error=not-started");
    Sleep(10);
  }
  Answer("countdown started=1");
}

// The status bar answers WM_GETTEXT with its first part's text, which Wine carries across
// processes (SB_GETTEXT it does not).
void Status(int slot) {
  Launched* launched = Slot(slot);
  if (!launched) return Answer("error=no-slot");
  HWND statusBar = GetDlgItem(launched->window, ControlWindowId(ControlId::状态条1));
  char text[256] = {};
  DWORD_PTR result = 0;
  if (statusBar)
    SendMessageTimeoutA(statusBar, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, &result);
  char hex[2 * sizeof text + 2] = "-";
  for (int i = 0; text[i]; ++i) std::snprintf(hex + 2 * i, 3, "%02X", static_cast<unsigned char>(text[i]));
  Answer("status text=%s", hex);
}

void Close(int slot) {
  Launched* launched = Slot(slot);
  if (!launched) return Answer("error=no-slot");
  PostMessageA(launched->window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(launched->process.hProcess, 10000) != WAIT_OBJECT_0)
    TerminateProcess(launched->process.hProcess, 1);
  DWORD exitCode = 0;
  GetExitCodeProcess(launched->process.hProcess, &exitCode);
  CloseHandle(launched->process.hThread);
  CloseHandle(launched->process.hProcess);
  launched->window = nullptr;
  Answer("closed exit=%lu", exitCode);
}

}  // namespace

int main() {
  char line[MAX_PATH + 64];
  while (std::fgets(line, sizeof line, stdin)) {
    line[std::strcspn(line, "\r\n")] = '\0';
    char* argument = std::strchr(line, ' ');
    if (argument) *argument++ = '\0';
    if (std::strcmp(line, "launch") == 0 && argument) {
      Launch(argument);
    } else if (std::strcmp(line, "countdown") == 0 && argument) {
      char* amount = std::strchr(argument, ' ');
      if (!amount) {
        Answer("error=usage");
        continue;
      }
      *amount++ = '\0';
      Countdown(std::atoi(argument), amount);
    } else if (std::strcmp(line, "status") == 0 && argument) {
      Status(std::atoi(argument));
    } else if (std::strcmp(line, "close") == 0 && argument) {
      Close(std::atoi(argument));
    } else if (std::strcmp(line, "quit") == 0) {
      break;
    } else {
      Answer("error=unknown-command");
    }
  }
  for (int slot = 0; slot < kSlots; ++slot)
    if (slots[slot].window) Close(slot);
  return 0;
}
