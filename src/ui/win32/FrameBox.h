#pragma once
// The frame box: a group box whose eight controls are its own child windows. Their notifications
// and colour requests reach the frame box, which hands them on to the main window.
#include "ui/win32/Win32.h"

bool AttachFrameBox(HWND frameBox);
