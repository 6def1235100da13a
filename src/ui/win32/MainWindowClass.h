#pragma once
// The main window's class and its creation with the window table's settings.
#include "ui/win32/Win32.h"

bool RegisterMainWindowClass(HINSTANCE instance);

// Creates the main window hidden, centred, at its outer size, with its font and icons.
HWND CreateMainWindow(HINSTANCE instance);

// The control that gets the keyboard focus when nothing else has it: the visible, enabled
// tab-stop control with the lowest tab order, the last in template order on a tie.
HWND DefaultFocusControl(HWND mainWindow);
