#include "ui/win32/LabelWindow.h"

#include "ui/win32/WindowAccess.h"
#include "ui/win32/WindowClass.h"

const char kLabelClassName[] = "PlumweirLabel";

namespace {

void OnPaint(HWND label) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(label, &paint);
  RECT client;
  GetClientRect(label, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  const std::string text = WindowText(label);
  HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, text.c_str(), -1, &client, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
  SelectObject(dc, oldFont);
  EndPaint(label, &paint);
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint(label);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole label
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(label, message, wParam, lParam);
      InvalidateRect(label, nullptr, FALSE);
      return result;
    }
  }
  return DefWindowProcA(label, message, wParam, lParam);
}

}  // namespace

bool RegisterLabelClass(HINSTANCE instance) {
  return RegisterOwnWindowClass(instance, {kLabelClassName, LabelProc, kRedrawOnResize, IDC_ARROW, 0});
}
