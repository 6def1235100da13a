// The property interface over the real controls.
#include "ui/Controls.h"

#include "ui/ControlRules.h"
#include "ui/win32/TimerWindow.h"
#include "ui/win32/WindowAccess.h"

#include <commctrl.h>

namespace {

HWND WindowOf(ControlId control) { return ControlWindow(FindMainWindow(), control); }

void SelectItem(HWND list, std::int32_t index) {
  const auto itemCount = static_cast<std::int32_t>(SendMessageA(list, CB_GETCOUNT, 0, 0));
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(ClampSelection(index, itemCount)), 0);
}

// A control that is disabled while it has the keyboard focus would leave the window with no
// focus at all, and Tab with nowhere to start from (the OK button disables itself when clicked):
// the focus moves on to the next tab-stop control, as in a dialog.
void SetDisabled(HWND window, bool disabled) {
  HWND focus = GetFocus();
  const bool hadFocus = disabled && focus && (focus == window || IsChild(window, focus));
  EnableWindow(window, !disabled);
  if (!hadFocus) return;
  if (HWND next = GetNextDlgTabItem(FindMainWindow(), window, FALSE); next && next != window) SetFocus(next);
}

}  // namespace

std::string ReadProperty(ControlId control, ControlProperty property) {
  if (property == ControlProperty::FileName) {
    const MainWindowState* state = StateOf(FindMainWindow());
    return state && control == ControlId::通用对话框2 ? state->fileName : std::string();
  }
  HWND window = WindowOf(control);
  return window && property == ControlProperty::Text ? WindowText(window) : std::string();
}

void WriteProperty(ControlId control, ControlProperty property, const std::string& text) {
  if (property == ControlProperty::FileName) {
    if (MainWindowState* state = StateOf(FindMainWindow()); state && control == ControlId::通用对话框2)
      state->fileName = text;
    return;
  }
  if (HWND window = WindowOf(control); window && property == ControlProperty::Text)
    SetWindowTextA(window, text.c_str());
}

void WriteProperty(ControlId control, ControlProperty property, std::int32_t value) {
  HWND window = WindowOf(control);
  if (!window) return;
  const ControlKind kind = TemplateOf(control).kind;
  if (property == ControlProperty::CurrentSelection && kind == ControlKind::DropDownList) SelectItem(window, value);
  if (property == ControlProperty::Period && kind == ControlKind::Timer) SetTimerPeriod(window, value);
}

// The window keeps its own shown and enabled state, which is the control's stored state.
void WriteProperty(ControlId control, ControlProperty property, bool value) {
  HWND window = WindowOf(control);
  if (!window) return;
  if (property == ControlProperty::Visible) ShowWindow(window, value ? SW_SHOW : SW_HIDE);
  if (property == ControlProperty::Disabled) SetDisabled(window, value);
}

void SetStatusText(std::int32_t part, const std::string& text) {
  HWND statusBar = WindowOf(ControlId::状态条1);
  if (!statusBar) return;
  const auto partCount = static_cast<std::int32_t>(SendMessageA(statusBar, SB_GETPARTS, 0, 0));
  if (part < 0 || part >= partCount) return;
  constexpr int kDrawingStyle = 0;  // sunken
  SendMessageA(statusBar, SB_SETTEXTA, static_cast<WPARAM>(part | kDrawingStyle), reinterpret_cast<LPARAM>(text.c_str()));
}

platform::Handle ControlHandle(ControlId control) { return reinterpret_cast<platform::Handle>(WindowOf(control)); }

platform::Handle MainWindowHandle() { return reinterpret_cast<platform::Handle>(FindMainWindow()); }
