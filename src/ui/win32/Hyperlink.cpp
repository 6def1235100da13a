#include "ui/win32/Hyperlink.h"

#include <string>

#include "app/Texts.h"
#include "ui/LinkOpening.h"
#include "ui/win32/WindowClass.h"

const char kHyperlinkClassName[] = "PlumweirHyperlink";

namespace {

constexpr COLORREF kNormalColour = RGB(0, 0, 255);
constexpr COLORREF kHoverColour = RGB(49, 106, 197);
constexpr COLORREF kVisitedColour = RGB(128, 0, 0);

// The link's two flags live in the window's own extra bytes, so every link window keeps its own.
constexpr int kFlagsOffset = 0;
constexpr LONG_PTR kHovering = 1;
constexpr LONG_PTR kVisited = 2;

bool HasFlag(HWND window, LONG_PTR flag) {
  return (GetWindowLongPtrA(window, kFlagsOffset) & flag) != 0;
}

void SetFlag(HWND window, LONG_PTR flag, bool on) {
  LONG_PTR flags = GetWindowLongPtrA(window, kFlagsOffset);
  SetWindowLongPtrA(window, kFlagsOffset, on ? (flags | flag) : (flags & ~flag));
}

COLORREF TextColour(HWND window) {
  if (HasFlag(window, kHovering)) return kHoverColour;
  if (HasFlag(window, kVisited)) return kVisitedColour;
  return kNormalColour;
}

// The caption, or the address when the caption is empty.
std::string ShownText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
  if (text.empty()) text = texts::kLinkAddress;
  return text;
}

void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (dc != nullptr && !IsRectEmpty(&paint.rcPaint)) {
    FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
    RECT client;
    GetClientRect(window, &client);
    std::string text = ShownText(window);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColour(window));
    DrawTextA(dc, text.c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
    SelectObject(dc, oldFont);
  }
  EndPaint(window, &paint);
}

// The link holds the mouse capture while hovered, so that it sees the move that leaves it.
void OnMouseMove(HWND window, LPARAM position) {
  if (!HasFlag(window, kHovering)) {
    SetFlag(window, kHovering, true);
    InvalidateRect(window, nullptr, FALSE);
    SetCapture(window);
    return;
  }
  POINT point = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
  RECT client;
  GetClientRect(window, &client);
  if (!PtInRect(&client, point)) {
    SetFlag(window, kHovering, false);
    ReleaseCapture();
    InvalidateRect(window, nullptr, FALSE);
  } else if (GetCapture() != window) {
    SetCapture(window);
  }
}

// Acts on the press, not the release. A failed open is not repainted at once: the link keeps its
// look until the next paint.
void OnLeftButtonDown(HWND window) {
  bool opened = OpenLinkAddress(texts::kLinkAddress);
  SetFlag(window, kVisited, opened);
  if (opened) InvalidateRect(window, nullptr, FALSE);
}

LRESULT CALLBACK HyperlinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(window, lParam);
      return 0;
    case WM_LBUTTONDOWN:
      OnLeftButtonDown(window);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

bool RegisterHyperlinkClass(HINSTANCE instance) {
  // The flags live in the window's extra bytes; the cursor is the system's pointing hand.
  return RegisterOwnWindowClass(instance, {kHyperlinkClassName, HyperlinkProc, kRedrawOnResize, IDC_HAND, sizeof(LONG_PTR)});
}
