#include "driver/Target.h"

#include "app/Texts.h"

namespace driver {

HWND FindMainWindow() { return FindWindowA(nullptr, texts::kWindowTitle); }

HWND WaitForMainWindow(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND main = FindMainWindow();
    if (main && IsWindowVisible(main)) return main;
    if (GetTickCount() - start >= timeoutMs) return nullptr;
    Sleep(50);
  }
}

namespace {
struct ChildSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ChildSearch*>(param);
  if (GetDlgCtrlID(window) != search->id) return TRUE;
  search->found = window;
  return FALSE;
}

struct BoxSearch {
  HWND found;
};

BOOL CALLBACK MatchMessageBox(HWND window, LPARAM param) {
  char caption[64] = {};
  char className[16] = {};
  GetWindowTextA(window, caption, sizeof caption);
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(caption, texts::kMessageCaption) != 0 || lstrcmpA(className, "#32770") != 0 ||
      !IsWindowVisible(window))
    return TRUE;
  reinterpret_cast<BoxSearch*>(param)->found = window;
  return FALSE;
}
}  // namespace

HWND FindChild(HWND root, int id) {
  ChildSearch search = {id, nullptr};
  EnumChildWindows(root, MatchId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

int IdOf(HWND window) {
  return (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) ? GetDlgCtrlID(window) : 0;
}

HWND FindMessageBox() {
  BoxSearch search = {nullptr};
  EnumWindows(MatchMessageBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void Sync(HWND main) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

std::string Hex(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out.empty() ? "-" : out;
}

std::string Unhex(const std::string& hex) {
  std::string out;
  if (hex == "-") return out;
  auto nibble = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    out += static_cast<char>(nibble(hex[i]) << 4 | nibble(hex[i + 1]));
  return out;
}

}  // namespace driver
