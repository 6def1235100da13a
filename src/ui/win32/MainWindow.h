#pragma once
// The program's one window: loading it from the window template, and the keyboard handling the
// event loop gives it before a message is dispatched.
#include "ui/win32/Win32.h"

// Builds the window from WindowTemplate, raises its created event and shows it. False when the
// window or one of its controls could not be created (nothing is left behind then).
bool LoadMainWindow();

// Dialog-style keyboard handling for the main window's messages: Tab and Shift+Tab move the focus
// among the tab-stop controls, Space clicks a focused button; Enter and Esc do nothing, there
// being no default or cancel button. True when the message has been handled and is not to be
// dispatched again.
bool PreTranslateWindowMessage(MSG& message);
