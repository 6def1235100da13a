#include "ui/win32/FrameBox.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kFrameSubclassId = 1;

// A group box paints only its frame and caption, and the main window clips its children, so
// nothing else would paint the inside: it gets the window's button-face background.
LRESULT OnEraseBackground(HWND frameBox, HDC dc) {
  RECT client;
  GetClientRect(frameBox, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  return 1;
}

LRESULT CALLBACK FrameBoxProc(HWND frameBox, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
      return SendMessageA(GetParent(frameBox), message, wParam, lParam);
    case WM_ERASEBKGND:
      return OnEraseBackground(frameBox, reinterpret_cast<HDC>(wParam));
    case WM_NCDESTROY:
      RemoveWindowSubclass(frameBox, FrameBoxProc, kFrameSubclassId);
      break;
  }
  return DefSubclassProc(frameBox, message, wParam, lParam);
}

}  // namespace

bool AttachFrameBox(HWND frameBox) {
  return SetWindowSubclass(frameBox, FrameBoxProc, kFrameSubclassId, 0) != FALSE;
}
