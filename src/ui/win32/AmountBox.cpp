#include "ui/win32/AmountBox.h"

#include <string>

#include "ui/AmountInput.h"
#include "ui/win32/WindowAccess.h"

namespace {

constexpr int kSpinWidth = 18;
constexpr UINT_PTR kAmountSubclassId = 1;

// The spin sits at the box's right edge with the box's top and height, directly below it in
// the z-order.
void PlaceSpin(HWND box, HWND spin) {
  RECT place;
  GetWindowRect(box, &place);
  MapWindowPoints(nullptr, GetParent(box), reinterpret_cast<POINT*>(&place), 2);
  SetWindowPos(spin, box, place.right, place.top, kSpinWidth, place.bottom - place.top, SWP_NOACTIVATE);
}

// ShowWindow tells the box through WM_SHOWWINDOW (alone, while the parent is hidden), SetWindowPos
// through the flags of WM_WINDOWPOSCHANGED; the spin follows either.
void FollowMove(HWND box, HWND spin, const WINDOWPOS& change) {
  PlaceSpin(box, spin);
  if (change.flags & SWP_SHOWWINDOW) ShowWindow(spin, SW_SHOWNA);
  if (change.flags & SWP_HIDEWINDOW) ShowWindow(spin, SW_HIDE);
}

void FollowShow(HWND spin, WPARAM shown, LPARAM reason) {
  if (reason == 0) ShowWindow(spin, shown ? SW_SHOWNA : SW_HIDE);  // not the parent's showing
}

LRESULT CALLBACK AmountBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR spin) {
  switch (message) {
    case WM_CHAR:
      if (!AcceptsAmountChar(static_cast<unsigned int>(wParam))) return 0;  // dropped silently
      break;
    case WM_WINDOWPOSCHANGED:
      FollowMove(box, reinterpret_cast<HWND>(spin), *reinterpret_cast<const WINDOWPOS*>(lParam));
      break;
    case WM_SHOWWINDOW:
      FollowShow(reinterpret_cast<HWND>(spin), wParam, lParam);
      break;
    case WM_ENABLE:
      EnableWindow(reinterpret_cast<HWND>(spin), static_cast<BOOL>(wParam));
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(box, AmountBoxProc, kAmountSubclassId);
      break;
  }
  return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

bool AttachAmountBox(HWND box) {
  HWND spin = CreateWindowExA(WS_EX_STATICEDGE, UPDOWN_CLASSA, nullptr, WS_CHILD, 0, 0, 0, 0, GetParent(box),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSpinWindowId)),
                              reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(box, GWLP_HINSTANCE)), nullptr);
  if (!spin) return false;
  SendMessageA(spin, UDM_SETRANGE, 0, MAKELPARAM(kSpinUpper, kSpinLower));
  SetWindowLongPtrA(spin, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box));
  EnableWindow(spin, IsWindowEnabled(box));
  PlaceSpin(box, spin);
  if (GetWindowLongPtrA(box, GWL_STYLE) & WS_VISIBLE) ShowWindow(spin, SW_SHOWNA);
  return SetWindowSubclass(box, AmountBoxProc, kAmountSubclassId, reinterpret_cast<DWORD_PTR>(spin)) != FALSE;
}

void NormaliseAmountBox(HWND box) {
  const std::string text = WindowText(box);
  const std::string normal = NormaliseAmount(text);
  if (normal == text) return;
  DWORD selectionStart = 0;
  SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart), 0);
  SetWindowTextA(box, normal.c_str());
  SendMessageA(box, EM_SETSEL, selectionStart, static_cast<LPARAM>(selectionStart));
  SendMessageA(box, EM_SCROLLCARET, 0, 0);
}

LRESULT OnSpinDelta(const NMUPDOWN& change) {
  HWND spin = change.hdr.hwndFrom;
  HWND box = reinterpret_cast<HWND>(GetWindowLongPtrA(spin, GWLP_USERDATA));
  if (!box || !IsWindowEnabled(box) || !IsWindowVisible(box)) return 0;
  INT lower = 0;
  INT upper = 0;
  SendMessageA(spin, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
  const std::string value = std::to_string(SpinAmount(WindowText(box), change.iDelta, lower, upper));
  SetWindowTextA(box, value.c_str());
  SendMessageA(box, EM_SETSEL, 0, -1);
  SendMessageA(box, EM_SCROLLCARET, 0, 0);
  SetFocus(box);
  return 0;
}
