#pragma once
// How the Win32 side finds its windows: the main window of this thread, its per-window state,
// and each control's window by the template's child-window ids.
#include <optional>
#include <string>

#include "ui/Controls.h"
#include "ui/WindowTemplate.h"

#include "ui/win32/Win32.h"

// What the main window keeps for as long as it exists, hung on the window (GWLP_USERDATA).
struct MainWindowState {
  bool eventsEnabled = false;  // false while the window is being built: events are dropped
  HWND focusOnDeactivate = nullptr;
  std::string fileName;                       // the file dialog's FileName
  HBRUSH editBrushes[kControlCount] = {};     // each edit box's background colour
  HICON bigIcon = nullptr;
  HICON smallIcon = nullptr;
};

extern const char kMainWindowClassName[];

// The state of the main window, or null for any other window (or once it is being destroyed).
MainWindowState* StateOf(HWND mainWindow);

// This thread's main window, or null when it does not exist. The property interface names no
// window, and a second copy of the program has a window of its own, so the window is looked up
// among the calling thread's windows instead of being kept in a global.
HWND FindMainWindow();

// A control's window: a child of the main window or of the frame box, by its child-window id.
// Null for the file dialog, which has no window, and when the main window is gone.
HWND ControlWindow(HWND mainWindow, ControlId control);

// The control a child window stands for, by its child-window id.
std::optional<ControlId> ControlOf(HWND controlWindow);

// The window's text as a fresh copy.
std::string WindowText(HWND window);
