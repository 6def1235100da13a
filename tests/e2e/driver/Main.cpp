// e2e_driver: runs inside the program's Wine prefix and reads or drives its window for the
// end-to-end tests. Each argument is one command, "name" or "name=arg,arg", run in order:
//
//   wait[=ms]            wait for the visible main window (default 10000 ms)
//   dump                 the window, every control, the spin control, z-orders, focus,
//                        status bar and message box
//   status | focus | msgbox | procs     one of those readings
//   windows              every top-level window, in EnumWindows order
//   read=ID              one control
//   waitstatus[=ms]      wait until the status text changes (a tick came), then read it
//   watch=ms             read the status bar for ms, printing each change with its time
//   click=ID             BM_CLICK on a button
//   pick=ID,INDEX        a user's pick in a drop-down list (CB_SETCURSEL + CBN_SELENDOK)
//   setsel=ID,INDEX      CB_SETCURSEL only, which notifies nothing
//   settext=ID,HEX       WM_SETTEXT with GBK bytes given in hex
//   editsel=ID,FROM,TO   EM_SETSEL
//   tick=ID[,N]          N WM_TIMER messages (timer id 1000) to a timer window
//   spin=up|down         a mouse click on one arrow of the up-down control
//   waitmsgbox[=ms]      wait for the message box
//   closemsgbox          press the message box's OK button and wait until it is gone
//   close                WM_CLOSE to the main window
//   waitgone[=ms]        wait until the main window no longer exists
//   sleep=ms
//   fileicon=HEXPATH     the icon images in a program file (path as hex GBK bytes)
//   tips                 the tooltip windows and their tools
//   dialog | waitdialog[=ms] | waitnodialog[=ms]    the open-file dialog
//   droplist             the dropped list of a drop-down list
//
// Output: one line per reading, "kind key=value ...", texts as hex GBK bytes ("-" = empty).
// Exit code 2 when the main window (or a message box that was waited for) is not there.
// The template's headers come first: they name constants that <windows.h> defines as macros.
#include "ui/WindowTemplate.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver/Popups.h"
#include "driver/Readers.h"
#include "driver/Target.h"
#include "driver/TopLevelWindows.h"

using namespace driver;

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

int Arg(const std::vector<std::string>& args, size_t i, int fallback) {
  return i < args.size() && !args[i].empty() ? std::atoi(args[i].c_str()) : fallback;
}

int Fail(const char* what) {
  std::printf("error=%s\n", what);
  std::fflush(stdout);
  return 2;
}

void Dump(HWND main) {
  PrintMainWindow(main);
  for (int i = 0; i < kControlCount; ++i) {
    if (WindowTemplate[i].kind == ControlKind::FileDialog) continue;  // no window of its own
    PrintControl(main, std::to_string(i).c_str(), ControlWindowId(WindowTemplate[i].id));
  }
  PrintControl(main, "spin", kSpinWindowId);
  PrintZOrder("window", main);
  PrintZOrder("frame", FindChild(main, ControlWindowId(ControlId::分组框1)));
  PrintFocus(main);
  PrintStatusBar(FindChild(main, ControlWindowId(ControlId::状态条1)));
  PrintMessageBox(main);
}

// Queues a message and returns once the program has handled it (or opened a modal box).
void Deliver(HWND main, HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
  SendNotifyMessageA(target, message, wParam, lParam);
  Sync(main);
}

void ClickSpin(HWND main, bool up) {
  HWND spin = FindChild(main, kSpinWindowId);
  RECT r;
  GetClientRect(spin, &r);
  const LPARAM at = MAKELPARAM(r.right / 2, up ? r.bottom / 4 : r.bottom * 3 / 4);
  PostMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(spin, WM_LBUTTONUP, 0, at);
  Sync(main);
}

bool WaitFor(DWORD timeoutMs, bool (*done)()) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

template <typename Done>
bool WaitUntil(DWORD timeoutMs, Done done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  HWND main = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::string command = argv[i];
    const size_t equals = command.find('=');
    const std::string name = command.substr(0, equals);
    const std::vector<std::string> args =
        equals == std::string::npos ? std::vector<std::string>() : Split(command.substr(equals + 1), ',');

    if (name == "sleep") {
      Sleep(Arg(args, 0, 0));
    } else if (name == "fileicon") {
      PrintFileIcon(Unhex(args.empty() ? "-" : args[0]));
    } else if (name == "procs") {
      PrintProcesses();
    } else if (name == "windows") {
      PrintTopLevelWindows();
    } else if (name == "waitgone") {
      if (!WaitFor(Arg(args, 0, 10000), [] { return FindMainWindow() == nullptr; })) return Fail("stillthere");
      std::printf("window=gone\n");
    } else if (name == "wait") {
      main = WaitForMainWindow(Arg(args, 0, 10000));
      if (!main) return Fail("nowindow");
      std::printf("window=found\n");
    } else {
      if (!main) main = FindMainWindow();
      if (!main) return Fail("nowindow");
      HWND control = args.empty() ? nullptr : FindChild(main, Arg(args, 0, 0));
      if (name == "dump") {
        Dump(main);
      } else if (name == "status") {
        PrintStatusBar(FindChild(main, ControlWindowId(ControlId::状态条1)));
      } else if (name == "waitstatus") {
        HWND statusBar = FindChild(main, ControlWindowId(ControlId::状态条1));
        const std::string before = StatusText(statusBar);
        const DWORD start = GetTickCount();
        while (StatusText(statusBar) == before && GetTickCount() - start < static_cast<DWORD>(Arg(args, 0, 3000)))
          Sleep(5);
        PrintStatusBar(statusBar);
      } else if (name == "watch") {
        WatchStatus(FindChild(main, ControlWindowId(ControlId::状态条1)), Arg(args, 0, 0));
      } else if (name == "focus") {
        PrintFocus(main);
      } else if (name == "msgbox") {
        PrintMessageBox(main);
      } else if (name == "waitmsgbox") {
        if (!WaitFor(Arg(args, 0, 5000), [] { return FindMessageBox() != nullptr; })) return Fail("nomsgbox");
        PrintMessageBox(main);
      } else if (name == "closemsgbox") {
        HWND box = FindMessageBox();
        if (!box) return Fail("nomsgbox");
        SendNotifyMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        if (!WaitFor(5000, [] { return FindMessageBox() == nullptr; })) return Fail("msgboxstays");
        Sync(main);
      } else if (name == "waitenabled") {
        // A task-modal box enables the program's windows again only after its own window is gone.
        if (!WaitUntil(Arg(args, 0, 5000), [main] { return IsWindowEnabled(main) != FALSE; })) return Fail("stilldisabled");
      } else if (name == "tips") {
        PrintTooltips(main);
      } else if (name == "dialog" || name == "waitdialog") {
        if (name == "waitdialog" && !WaitUntil(Arg(args, 0, 5000), [main] { return FindFileDialog(main) != nullptr; }))
          return Fail("nodialog");
        PrintFileDialog(main);
      } else if (name == "waitnodialog") {
        if (!WaitUntil(Arg(args, 0, 5000), [main] { return FindFileDialog(main) == nullptr; })) return Fail("dialogstays");
        Sync(main);
      } else if (name == "droplist") {
        PrintDroppedList(main);
      } else if (name == "close") {
        PostMessageA(main, WM_CLOSE, 0, 0);
      } else if (name == "spin") {
        ClickSpin(main, args.empty() || args[0] != "down");
      } else if (!control) {
        return Fail("nocontrol");
      } else if (name == "read") {
        PrintControl(main, args[0].c_str(), Arg(args, 0, 0));
      } else if (name == "click") {
        Deliver(main, control, BM_CLICK, 0, 0);
      } else if (name == "setsel") {
        SendMessageA(control, CB_SETCURSEL, Arg(args, 1, 0), 0);
      } else if (name == "pick") {
        SendMessageA(control, CB_SETCURSEL, Arg(args, 1, 0), 0);
        Deliver(main, GetParent(control), WM_COMMAND, MAKEWPARAM(Arg(args, 0, 0), CBN_SELENDOK),
                reinterpret_cast<LPARAM>(control));
      } else if (name == "settext") {
        const std::string text = Unhex(args.size() > 1 ? args[1] : "-");
        SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
      } else if (name == "editsel") {
        SendMessageA(control, EM_SETSEL, Arg(args, 1, 0), Arg(args, 2, -1));
      } else if (name == "tick") {
        for (int n = Arg(args, 1, 1); n > 0; --n) {
          DWORD_PTR ignored = 0;
          SendMessageTimeoutA(control, WM_TIMER, kTimerId, 0, SMTO_NORMAL, 5000, &ignored);
        }
      } else {
        return Fail("unknowncommand");
      }
    }
    std::fflush(stdout);
  }
  return 0;
}
