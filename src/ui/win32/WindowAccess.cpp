#include "ui/win32/WindowAccess.h"

const char kMainWindowClassName[] = "PlumweirMainWindow";

MainWindowState* StateOf(HWND mainWindow) {
  if (!mainWindow) return nullptr;
  char className[sizeof kMainWindowClassName + 1] = {};
  if (!GetClassNameA(mainWindow, className, sizeof className) || lstrcmpA(className, kMainWindowClassName) != 0)
    return nullptr;
  return reinterpret_cast<MainWindowState*>(GetWindowLongPtrA(mainWindow, GWLP_USERDATA));
}

namespace {
BOOL CALLBACK TakeMainWindow(HWND window, LPARAM found) {
  if (!StateOf(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}
}  // namespace

HWND FindMainWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), TakeMainWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND ControlWindow(HWND mainWindow, ControlId control) {
  if (!mainWindow) return nullptr;
  HWND parent = mainWindow;
  if (TemplateOf(control).parent == ControlParent::FrameBox)
    parent = GetDlgItem(mainWindow, ControlWindowId(ControlId::分组框1));
  return parent ? GetDlgItem(parent, ControlWindowId(control)) : nullptr;
}

std::optional<ControlId> ControlOf(HWND controlWindow) {
  const int index = GetDlgCtrlID(controlWindow) - ControlWindowId(static_cast<ControlId>(0));
  if (!controlWindow || index < 0 || index >= kControlCount) return std::nullopt;
  return static_cast<ControlId>(index);
}

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
  return text;
}
