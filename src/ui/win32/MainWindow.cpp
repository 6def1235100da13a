// The main window's class, its window procedure and its keyboard handling.
#include "ui/win32/MainWindowClass.h"

#include <commctrl.h>

#include "app/Globals.h"
#include "res/ResourceIds.h"
#include "ui/win32/AmountBox.h"
#include "ui/win32/Events.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/WindowAccess.h"
#include "ui/win32/WindowClass.h"

namespace {

constexpr DWORD kMainWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

void OnNcCreate(HWND window) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new MainWindowState));
}

void OnNcDestroy(HWND window) {
  MainWindowState* state = StateOf(window);
  SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  if (!state) return;
  for (HBRUSH brush : state->editBrushes)
    if (brush) DeleteObject(brush);
  if (state->bigIcon) DestroyIcon(state->bigIcon);
  if (state->smallIcon) DestroyIcon(state->smallIcon);
  delete state;
}

// The class has no background brush: the window paints its own button-face background.
LRESULT OnEraseBackground(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  return 1;
}

// The status bar docks itself at the bottom when told that its parent's size changed.
void OnSize(HWND window) {
  if (HWND statusBar = ControlWindow(window, ControlId::状态条1)) SendMessageA(statusBar, WM_SIZE, 0, 0);
}

// The focused control is noted when the window is deactivated and gets the focus back when it
// is activated again; failing that, the default control does.
void OnActivate(HWND window, WPARAM activation) {
  MainWindowState* state = StateOf(window);
  if (!state) return;
  if (LOWORD(activation) == WA_INACTIVE) {
    HWND focus = GetFocus();
    state->focusOnDeactivate = IsChild(window, focus) ? focus : nullptr;
    return;
  }
  if (HIWORD(activation)) return;  // activated while minimised: no control to focus
  HWND target = state->focusOnDeactivate;
  if (!target || !IsChild(window, target) || !IsWindowVisible(target) || !IsWindowEnabled(target))
    target = DefaultFocusControl(window);
  if (target) SetFocus(target);
}

void OnCommand(HWND window, WORD notification, HWND controlWindow) {
  const std::optional<ControlId> control = ControlOf(controlWindow);
  if (!control) return;  // Enter and Esc arrive as IDOK and IDCANCEL from no control
  const ControlKind kind = TemplateOf(*control).kind;
  if (kind == ControlKind::PushButton && notification == BN_CLICKED) {
    RaiseEvent(window, *control, ControlEvent::Clicked);
  } else if (kind == ControlKind::DropDownList && notification == CBN_SELENDOK) {
    PostMessageA(window, kListItemSelectedMessage, static_cast<WPARAM>(*control), 0);
  } else if (kind == ControlKind::EditBox && notification == EN_KILLFOCUS && TemplateOf(*control).edit.integerInput) {
    NormaliseAmountBox(controlWindow);
  }
}

void OnListItemSelected(HWND window, WPARAM control) {
  if (control < static_cast<WPARAM>(kControlCount))
    RaiseEvent(window, static_cast<ControlId>(control), ControlEvent::ListItemSelected);
}

LRESULT OnNotify(HWND window, const NMHDR& header, WPARAM wParam, LPARAM lParam) {
  if (header.idFrom == static_cast<UINT_PTR>(kSpinWindowId) && header.code == UDN_DELTAPOS)
    return OnSpinDelta(*reinterpret_cast<const NMUPDOWN*>(&header));
  return DefWindowProcA(window, WM_NOTIFY, wParam, lParam);
}

// Edit boxes take their template colours; every other control keeps the system's.
LRESULT OnCtlColorEdit(HWND window, HDC dc, HWND controlWindow) {
  const std::optional<ControlId> control = ControlOf(controlWindow);
  const MainWindowState* state = StateOf(window);
  if (!control || !state || TemplateOf(*control).kind != ControlKind::EditBox)
    return DefWindowProcA(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(controlWindow));
  const EditSettings& colours = TemplateOf(*control).edit;
  SetTextColor(dc, colours.textColour);
  SetBkColor(dc, colours.backgroundColour);
  return reinterpret_cast<LRESULT>(state->editBrushes[static_cast<int>(*control)]);
}

// The quit request ends the event loop; before the loop has started there is none to end.
void OnDestroy() {
  if (loopStarted) PostQuitMessage(0);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      OnNcCreate(window);
      break;
    case WM_ERASEBKGND:
      return OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_SIZE:
      OnSize(window);
      return 0;
    case WM_ACTIVATE:
      OnActivate(window, wParam);
      return 0;
    case WM_COMMAND:
      OnCommand(window, HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case kListItemSelectedMessage:
      OnListItemSelected(window, wParam);
      return 0;
    case WM_NOTIFY:
      return OnNotify(window, *reinterpret_cast<const NMHDR*>(lParam), wParam, lParam);
    case WM_CTLCOLOREDIT:
      return OnCtlColorEdit(window, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_QUERYENDSESSION:
      return TRUE;  // consent to log-off and shutdown, the program's own requests included
    case WM_CLOSE:
      DestroyWindow(window);  // no question asked; a running countdown is dropped
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_NCDESTROY:
      OnNcDestroy(window);
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void SetIcons(HWND window, HINSTANCE instance) {
  MainWindowState* state = StateOf(window);
  const auto load = [instance](int width, int height) {
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(kIconResourceId), IMAGE_ICON, width, height, 0));
  };
  state->bigIcon = load(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
  state->smallIcon = load(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(state->bigIcon));
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(state->smallIcon));
}

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
  return RegisterOwnWindowClass(instance, {kMainWindowClassName, MainWindowProc, kRedrawOnResize, IDC_ARROW, 0});
}

HWND CreateMainWindow(HINSTANCE instance) {
  const int width = kMainWindow.width;
  const int height = kMainWindow.height;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  HWND window = CreateWindowExA(0, kMainWindowClassName, kMainWindow.title, kMainWindowStyle, left, top, width,
                                height, nullptr, nullptr, instance, nullptr);
  if (!window) return nullptr;
  RECT outer;
  GetWindowRect(window, &outer);
  if (outer.right - outer.left != width || outer.bottom - outer.top != height)
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  SetIcons(window, instance);
  return window;
}

HWND DefaultFocusControl(HWND mainWindow) {
  HWND best = nullptr;
  std::int32_t bestOrder = 0;
  for (const ControlTemplate& row : WindowTemplate) {
    HWND control = row.tabStop ? ControlWindow(mainWindow, row.id) : nullptr;
    if (!control || !IsWindowVisible(control) || !IsWindowEnabled(control)) continue;
    if (!best || row.tabOrder <= bestOrder) {
      best = control;
      bestOrder = row.tabOrder;
    }
  }
  return best;
}

bool PreTranslateWindowMessage(MSG& message) {
  HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (!StateOf(root)) return false;
  // Alt+F4 closes the window whichever control has the focus: a drop-down list keeps every
  // system key to itself (Wine's does), so the key goes to the window instead.
  if (message.message == WM_SYSKEYDOWN && message.wParam == VK_F4) message.hwnd = root;
  return IsDialogMessageA(root, &message);
}
