// LoadMainWindow: one walk over WindowTemplate creates, places and sets up every control.
#include "ui/win32/MainWindow.h"

#include <commctrl.h>

#include "ui/WindowCreated.h"
#include "ui/win32/AmountBox.h"
#include "ui/win32/FrameBox.h"
#include "ui/win32/LabelWindow.h"
#include "ui/win32/MainWindowClass.h"
#include "ui/win32/TimerWindow.h"
#include "ui/win32/WindowAccess.h"

#include "ui/win32/Hyperlink.h"

namespace {

// A drop-down list is created as high as its dropped list; the closed box keeps its own height.
constexpr int kDroppedListHeight = 160;

struct KindWindow {
  const char* className;  // null: the kind has no window
  DWORD style;
  DWORD exStyle;
};

KindWindow WindowOfKind(const ControlTemplate& row) {
  switch (row.kind) {
    case ControlKind::Label:
      return {kLabelClassName, 0, 0};
    case ControlKind::EditBox:
      return {"EDIT", static_cast<DWORD>(ES_AUTOHSCROLL | (row.edit.centred ? ES_CENTER : ES_LEFT)), WS_EX_CLIENTEDGE};
    case ControlKind::Hyperlink:
      return {kHyperlinkClassName, 0, 0};
    case ControlKind::FileDialog:
      return {nullptr, 0, 0};
    case ControlKind::StatusBar:
      // Clipped by its siblings: the hyperlink lies over the bar's free right-hand end.
      return {STATUSCLASSNAMEA, CCS_BOTTOM | SBARS_TOOLTIPS | WS_CLIPSIBLINGS, 0};
    case ControlKind::GroupBox:
      // A control parent, so that Tab reaches the controls inside it.
      return {"BUTTON", BS_GROUPBOX | BS_LEFT, WS_EX_CONTROLPARENT};
    case ControlKind::DropDownList:
      return {"COMBOBOX", CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | WS_VSCROLL, 0};
    case ControlKind::PushButton:
      return {"BUTTON", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0};
    case ControlKind::Timer:
      return {kTimerClassName, 0, 0};
  }
  return {nullptr, 0, 0};
}

// Created hidden as a child of the main window; the frame box's controls then move into it and
// keep their coordinates, which are relative to the frame box.
HWND CreateControl(HWND window, const ControlTemplate& row, const KindWindow& kind, HINSTANCE instance) {
  const DWORD style = WS_CHILD | kind.style | (row.tabStop ? WS_TABSTOP : 0) | (row.disabled ? WS_DISABLED : 0);
  const int height = row.kind == ControlKind::DropDownList ? kDroppedListHeight : row.height;
  HWND control = CreateWindowExA(kind.exStyle, kind.className, row.text, style, row.left, row.top, row.width, height,
                                 window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlWindowId(row.id))),
                                 instance, nullptr);
  if (control && row.parent == ControlParent::FrameBox)
    SetParent(control, ControlWindow(window, ControlId::分组框1));
  return control;
}

void AddItems(HWND list, const char* const* items) {
  for (; items && *items; ++items) SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(*items));
  const LRESULT itemHeight = SendMessageA(list, CB_GETITEMHEIGHT, 0, 0);
  SendMessageA(list, CB_SETITEMHEIGHT, 0, itemHeight + 1);
}

void SetUpStatusBar(HWND statusBar) {
  int rightEdges[] = {kStatusPartEdge};
  SendMessageA(statusBar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(rightEdges));
  SendMessageA(statusBar, CCM_SETBKCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_BTNFACE)));
  SendMessageA(statusBar, SB_SIMPLE, FALSE, 0);
  SendMessageA(statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(""));
}

// The kind's settings beyond its window style. False when a part of the control can't be made.
bool SetUpControl(MainWindowState& state, const ControlTemplate& row, HWND control) {
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  switch (row.kind) {
    case ControlKind::EditBox:
      SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(row.edit.lengthLimit), 0);
      state.editBrushes[static_cast<int>(row.id)] = CreateSolidBrush(row.edit.backgroundColour);
      return !row.edit.integerInput || AttachAmountBox(control);
    case ControlKind::DropDownList:
      AddItems(control, row.items);
      return true;
    case ControlKind::StatusBar:
      SetUpStatusBar(control);
      return true;
    case ControlKind::GroupBox:
      return AttachFrameBox(control);
    default:
      return true;
  }
}

bool BuildControls(HWND window, HINSTANCE instance) {
  MainWindowState* state = StateOf(window);
  for (const ControlTemplate& row : WindowTemplate) {
    const KindWindow kind = WindowOfKind(row);
    if (!kind.className) continue;
    HWND control = CreateControl(window, row, kind, instance);
    if (!control || !SetUpControl(*state, row, control)) return false;
  }
  return true;
}

// Template order is the z-order within each parent, top first.
void ArrangeAndShowControls(HWND window) {
  HWND above[] = {HWND_TOP, HWND_TOP};  // by ControlParent
  for (const ControlTemplate& row : WindowTemplate) {
    HWND control = ControlWindow(window, row.id);
    if (!control) continue;
    HWND& previous = above[static_cast<int>(row.parent)];
    SetWindowPos(control, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = control;
    if (row.visible) ShowWindow(control, SW_SHOWNA);
  }
}

void RegisterClasses(HINSTANCE instance) {
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  // A class registered by an earlier load stays registered; creation tells whether it exists.
  RegisterMainWindowClass(instance);
  RegisterLabelClass(instance);
  RegisterTimerClass(instance);
  RegisterHyperlinkClass(instance);
}

}  // namespace

bool LoadMainWindow() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterClasses(instance);
  HWND window = CreateMainWindow(instance);
  if (!window) return false;
  if (!BuildControls(window, instance)) {
    DestroyWindow(window);
    return false;
  }
  ArrangeAndShowControls(window);
  StateOf(window)->eventsEnabled = true;
  WindowCreated();  // the window is still hidden
  if (FindMainWindow() != window) return false;
  ShowWindow(window, SW_SHOW);
  return true;
}
