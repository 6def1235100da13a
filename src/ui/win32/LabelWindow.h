#pragma once
// The labels: child windows of their own class that paint their text themselves, on the button
// face colour, left-aligned and vertically centred on one line.
#include "ui/win32/Win32.h"

extern const char kLabelClassName[];

bool RegisterLabelClass(HINSTANCE instance);
