#include "driver/Readers.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <cstdio>
#include <vector>

#include "driver/RemoteBuffer.h"
#include "driver/Target.h"

namespace driver {

namespace {

unsigned long long Handle(HWND window) { return reinterpret_cast<uintptr_t>(window); }

std::string ClassOf(HWND window) {
  char name[128] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// Wine 8 answers a cross-process CB_GETLBTEXT in the A form with UTF-16, so ask in the W form.
std::string ComboItem(HWND combo, int index) {
  LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) return std::string();
  std::vector<wchar_t> wide(length + 1);
  SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide.data()));
  char bytes[512] = {};
  WideCharToMultiByte(936, 0, wide.data(), -1, bytes, sizeof bytes, nullptr, nullptr);
  return bytes;
}

void PrintRect(HWND window, HWND parent) {
  RECT r;
  GetWindowRect(window, &r);
  std::printf(" sx=%ld sy=%ld", r.left, r.top);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  std::printf(" x=%ld y=%ld w=%ld h=%ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
}

}  // namespace

std::string WindowText(HWND window) {
  char text[1024] = {};
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

void PrintMainWindow(HWND main) {
  RECT outer, client;
  GetWindowRect(main, &outer);
  GetClientRect(main, &client);
  std::printf("main hwnd=0x%llx class=%s title=%s x=%ld y=%ld w=%ld h=%ld cw=%ld ch=%ld screenw=%d screenh=%d"
              " visible=%d enabled=%d style=0x%lx exstyle=0x%lx owner=0x%llx btnface=0x%06lx\n",
              Handle(main), ClassOf(main).c_str(), Hex(WindowText(main)).c_str(), outer.left,
              outer.top, outer.right - outer.left, outer.bottom - outer.top, client.right, client.bottom,
              GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), IsWindowVisible(main) ? 1 : 0,
              IsWindowEnabled(main) ? 1 : 0, static_cast<unsigned long>(GetWindowLongA(main, GWL_STYLE)),
              static_cast<unsigned long>(GetWindowLongA(main, GWL_EXSTYLE)),
              Handle(GetWindow(main, GW_OWNER)), static_cast<unsigned long>(GetSysColor(COLOR_BTNFACE)));
}

void PrintControl(HWND main, const char* label, int id) {
  HWND control = FindChild(main, id);
  std::printf("ctl %s id=%d", label, id);
  if (!control) {
    std::printf(" missing=1\n");
    return;
  }
  HWND parent = GetParent(control);
  const std::string className = ClassOf(control);
  std::printf(" class=%s parent=%d", className.c_str(), parent == main ? 0 : IdOf(parent));
  PrintRect(control, parent);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  std::printf(" visible=%d shown=%d enabled=%d style=0x%lx exstyle=0x%lx text=%s",
              IsWindowVisible(control) ? 1 : 0, (style & WS_VISIBLE) ? 1 : 0, IsWindowEnabled(control) ? 1 : 0,
              static_cast<unsigned long>(style), static_cast<unsigned long>(GetWindowLongA(control, GWL_EXSTYLE)),
              Hex(WindowText(control)).c_str());
  if (lstrcmpiA(className.c_str(), "ComboBox") == 0) {
    const int count = static_cast<int>(SendMessageW(control, CB_GETCOUNT, 0, 0));
    const int selection = static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
    std::printf(" sel=%d seltext=%s items=", selection, Hex(selection >= 0 ? ComboItem(control, selection) : "").c_str());
    for (int i = 0; i < count; ++i) std::printf("%s%s", i ? "," : "", Hex(ComboItem(control, i)).c_str());
    if (count == 0) std::printf("-");
  } else if (lstrcmpiA(className.c_str(), "Edit") == 0) {
    std::printf(" limit=%ld", static_cast<long>(SendMessageA(control, EM_GETLIMITTEXT, 0, 0)));
  } else if (lstrcmpiA(className.c_str(), UPDOWN_CLASSA) == 0) {
    const LRESULT range = SendMessageA(control, UDM_GETRANGE, 0, 0);
    std::printf(" lower=%d upper=%d", static_cast<short>(HIWORD(range)), static_cast<short>(LOWORD(range)));
  }
  std::printf("\n");
}

void PrintZOrder(const char* name, HWND parent) {
  std::printf("zorder %s ids=", name);
  bool first = true;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    std::printf("%s%d", first ? "" : ",", GetDlgCtrlID(child));
    first = false;
  }
  std::printf("%s\n", first ? "-" : "");
}

void PrintFocus(HWND main) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
  std::printf("focus id=%d class=%s active=%d\n", info.hwndFocus ? IdOf(info.hwndFocus) : -1,
              info.hwndFocus ? ClassOf(info.hwndFocus).c_str() : "-", info.hwndActive == main ? 1 : 0);
}

void PrintStatusBar(HWND statusBar) {
  if (!statusBar) {
    std::printf("status missing=1\n");
    return;
  }
  RemoteBuffer edges(statusBar, 64 * sizeof(int));
  const int parts = static_cast<int>(SendMessageA(statusBar, SB_GETPARTS, 64, edges.address()));
  std::vector<char> raw = edges.Read();
  std::printf("status parts=%d edges=", parts);
  for (int i = 0; i < parts && (i + 1) * sizeof(int) <= raw.size(); ++i)
    std::printf("%s%d", i ? "," : "", reinterpret_cast<const int*>(raw.data())[i]);
  const LRESULT lengthAndType = SendMessageA(statusBar, SB_GETTEXTLENGTHA, 0, 0);
  std::printf(" type=%d simple=%d text=%s\n", HIWORD(lengthAndType),
              static_cast<int>(SendMessageA(statusBar, SB_ISSIMPLE, 0, 0)), Hex(StatusText(statusBar)).c_str());
}

std::string StatusText(HWND statusBar) {
  // Room for any status text, not just the current length: a tick may lengthen the text
  // between a length query and the read.
  RemoteBuffer text(statusBar, 4096);
  SendMessageA(statusBar, SB_GETTEXTA, 0, text.address());
  std::vector<char> bytes = text.Read();
  bytes.push_back('\0');
  return bytes.data();
}

void WatchStatus(HWND statusBar, int durationMs) {
  const DWORD start = GetTickCount();
  std::string last = StatusText(statusBar);
  std::printf("change t=0 text=%s\n", Hex(last).c_str());
  while (GetTickCount() - start < static_cast<DWORD>(durationMs)) {
    Sleep(10);
    std::string now = StatusText(statusBar);
    if (now == last) continue;
    last = now;
    std::printf("change t=%lu text=%s\n", GetTickCount() - start, Hex(now).c_str());
  }
}

void PrintMessageBox(HWND main) {
  HWND box = FindMessageBox();
  if (!box) {
    std::printf("msgbox found=0\n");
    return;
  }
  RECT r;
  GetWindowRect(box, &r);
  std::printf("msgbox found=1 caption=%s text=%s owner=0x%llx mainenabled=%d x=%ld y=%ld w=%ld h=%ld buttons=",
              Hex(WindowText(box)).c_str(), Hex(WindowText(GetDlgItem(box, 0xFFFF))).c_str(),
              Handle(GetWindow(box, GW_OWNER)), main && IsWindowEnabled(main) ? 1 : 0, r.left, r.top,
              r.right - r.left, r.bottom - r.top);
  bool first = true;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (lstrcmpiA(ClassOf(child).c_str(), "Button") != 0 || !IsWindowVisible(child)) continue;
    std::printf("%s%d:%s", first ? "" : ",", GetDlgCtrlID(child), Hex(WindowText(child)).c_str());
    first = false;
  }
  HWND icon = GetDlgItem(box, 0x440);  // the message box's icon control
  std::printf("%s icon=%d\n", first ? "-" : "", icon && SendMessageA(icon, STM_GETICON, 0, 0) ? 1 : 0);
}

void PrintProcesses() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
    std::printf("proc pid=%lu name=%s\n", entry.th32ProcessID, Hex(entry.szExeFile).c_str());
  CloseHandle(snapshot);
}

}  // namespace driver

namespace driver {

void PrintFileIcon(const std::string& path) {
  HMODULE file = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HRSRC group = file ? FindResourceA(file, MAKEINTRESOURCEA(1), RT_GROUP_ICON) : nullptr;
  if (!group && file) {
    // The icon's resource name is the program's business: take the first icon group.
    EnumResourceNamesA(file, RT_GROUP_ICON,
                       [](HMODULE, LPCSTR, LPSTR name, LONG_PTR found) -> BOOL {
                         *reinterpret_cast<LPSTR*>(found) = name;
                         return FALSE;
                       },
                       reinterpret_cast<LONG_PTR>(&group));
    group = group ? FindResourceA(file, reinterpret_cast<LPCSTR>(group), RT_GROUP_ICON) : nullptr;
  }
  const BYTE* dir = group ? static_cast<const BYTE*>(LockResource(LoadResource(file, group))) : nullptr;
  if (!dir) {
    std::printf("fileicon found=0\n");
    return;
  }
  const int count = dir[4] | dir[5] << 8;
  std::printf("fileicon found=1 count=%d images=", count);
  for (int i = 0; i < count; ++i) {
    const BYTE* entry = dir + 6 + 14 * i;  // GRPICONDIRENTRY, packed
    const int width = entry[0] ? entry[0] : 256;
    const int height = entry[1] ? entry[1] : 256;
    int bits = entry[6] | entry[7] << 8;
    const int id = entry[12] | entry[13] << 8;
    HRSRC image = FindResourceA(file, MAKEINTRESOURCEA(id), RT_ICON);
    const BYTE* data = image ? static_cast<const BYTE*>(LockResource(LoadResource(file, image))) : nullptr;
    if (bits == 0 && data) {
      // PNG: bit depth times channels of the IHDR chunk; otherwise BITMAPINFOHEADER.biBitCount.
      if (data[0] == 0x89 && data[1] == 'P')
        bits = data[24] * (data[25] == 6 ? 4 : data[25] == 2 ? 3 : 1);
      else
        bits = data[14] | data[15] << 8;
    }
    std::printf("%s%dx%dx%d", i ? "," : "", width, height, bits);
  }
  std::printf("\n");
  FreeLibrary(file);
}

}  // namespace driver
