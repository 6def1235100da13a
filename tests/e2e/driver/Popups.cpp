#include "driver/Popups.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/Texts.h"
#include "driver/Readers.h"
#include "driver/RemoteBuffer.h"
#include "driver/Target.h"

namespace driver {

namespace {

unsigned long long Handle(HWND window) { return reinterpret_cast<uintptr_t>(window); }

bool HasClass(HWND window, const char* name) {
  char found[64] = {};
  GetClassNameA(window, found, sizeof found);
  return lstrcmpiA(found, name) == 0;
}

// The top-level windows of the main window's process, in z-order.
std::vector<HWND> TopLevelWindowsOf(HWND main) {
  struct Search {
    DWORD pid;
    std::vector<HWND> found;
  } search = {0, {}};
  GetWindowThreadProcessId(main, &search.pid);
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid == s->pid) s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void PrintPlace(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  std::printf(" x=%ld y=%ld w=%ld h=%ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// The tools are read with TTM_ENUMTOOLSA, whose record and text buffer must lie in the program.
void PrintTools(HWND tooltip, int count) {
  constexpr SIZE_T kTextSize = 512;
  RemoteBuffer remote(tooltip, sizeof(TTTOOLINFOA) + kTextSize);
  for (int i = 0; i < count; ++i) {
    TTTOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.lpszText = reinterpret_cast<LPSTR>(remote.address() + sizeof tool);
    remote.Write(&tool, sizeof tool);
    const bool got = SendMessageA(tooltip, TTM_ENUMTOOLSA, i, remote.address()) != 0;
    std::vector<char> bytes = remote.Read();
    if (!got || bytes.size() < sizeof tool + kTextSize) {
      std::printf("tip index=%d missing=1\n", i);
      continue;
    }
    std::memcpy(&tool, bytes.data(), sizeof tool);
    bytes.back() = '\0';
    const std::string text(bytes.data() + sizeof tool);
    HWND watched = reinterpret_cast<HWND>(tool.uId);
    std::printf("tip index=%d id=%d flags=0x%x hwnd=0x%llx text=%s\n", i,
                (tool.uFlags & TTF_IDISHWND) && IsWindow(watched) ? GetDlgCtrlID(watched) : -1, tool.uFlags,
                Handle(tool.hwnd), Hex(text).c_str());
  }
}

// The control whose tip is showing (or would show), -1 for none.
int CurrentToolId(HWND tooltip) {
  RemoteBuffer remote(tooltip, sizeof(TTTOOLINFOA));
  TTTOOLINFOA tool = {};
  tool.cbSize = sizeof tool;  // lpszText null: the text is not copied
  remote.Write(&tool, sizeof tool);
  if (!SendMessageA(tooltip, TTM_GETCURRENTTOOLA, 0, remote.address())) return -1;
  std::vector<char> bytes = remote.Read();
  if (bytes.size() < sizeof tool) return -1;
  std::memcpy(&tool, bytes.data(), sizeof tool);
  HWND watched = reinterpret_cast<HWND>(tool.uId);
  return IsWindow(watched) ? GetDlgCtrlID(watched) : -1;
}

}  // namespace

void PrintTooltips(HWND main) {
  for (HWND window : TopLevelWindowsOf(main)) {
    if (!HasClass(window, TOOLTIPS_CLASSA)) continue;
    HWND owner = GetWindow(window, GW_OWNER);
    const int count = static_cast<int>(SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0));
    std::printf("tipwin hwnd=0x%llx owner=0x%llx visible=%d style=0x%lx", Handle(window), Handle(owner),
                IsWindowVisible(window) ? 1 : 0, static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)));
    PrintPlace(window);
    std::printf(" tools=%d", count);
    if (owner) {
      std::printf("\n");
      continue;
    }
    std::printf(" current=%d\n", CurrentToolId(window));
    PrintTools(window, count);
  }
}

HWND FindFileDialog(HWND main) {
  for (HWND window : TopLevelWindowsOf(main))
    if (HasClass(window, "#32770") && IsWindowVisible(window) && WindowText(window) != texts::kMessageCaption)
      return window;
  return nullptr;
}

void PrintFileDialog(HWND main) {
  HWND dialog = FindFileDialog(main);
  if (!dialog) {
    std::printf("dialog found=0\n");
    return;
  }
  std::printf("dialog found=1 title=%s owned=%d mainenabled=%d", Hex(WindowText(dialog)).c_str(),
              GetWindow(dialog, GW_OWNER) == main ? 1 : 0, IsWindowEnabled(main) ? 1 : 0);
  PrintPlace(dialog);
  std::printf("\n");
}

void PrintDroppedList(HWND main) {
  for (HWND window : TopLevelWindowsOf(main)) {
    if (!HasClass(window, "ComboLBox") || !IsWindowVisible(window)) continue;
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    RECT client;
    GetClientRect(window, &client);
    std::printf("droplist found=1 cx=%ld cy=%ld w=%ld itemh=%d count=%d top=%d\n", origin.x, origin.y, client.right,
                static_cast<int>(SendMessageA(window, LB_GETITEMHEIGHT, 0, 0)),
                static_cast<int>(SendMessageA(window, LB_GETCOUNT, 0, 0)),
                static_cast<int>(SendMessageA(window, LB_GETTOPINDEX, 0, 0)));
    return;
  }
  std::printf("droplist found=0\n");
}

}  // namespace driver
