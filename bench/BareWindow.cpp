// The benchmark's baseline: the least a window program of the program's size does. One window,
// 416 x 133 pixels with the program's frame and title, centred; its message loop; nothing else.
// Built a second time with BARE_WINDOW_COMMON_CONTROLS, it also loads the common controls, as
// any window with a status bar must: the floor under the program's own cost.
#include <windows.h>
#ifdef BARE_WINDOW_COMMON_CONTROLS
#include <commctrl.h>
#endif

#include "app/Texts.h"

namespace {

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef BARE_WINDOW_COMMON_CONTROLS
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
#endif
  WNDCLASSA windowClass = {};
  windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = BareWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = "BareWindow";
  if (!RegisterClassA(&windowClass)) return 1;

  constexpr int kWidth = 416, kHeight = 133;
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, texts::kWindowTitle,
                                WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2, kWidth, kHeight,
                                nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOW);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
