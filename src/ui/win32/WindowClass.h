#pragma once
// The program's own window classes. None has a background brush: each window paints its own.
#include "ui/win32/Win32.h"

struct OwnWindowClass {
  const char* name;
  WNDPROC procedure;
  UINT style;
  LPCSTR cursor;        // a system cursor; null for none (windows that are never shown)
  int windowExtraBytes;
};

inline constexpr UINT kRedrawOnResize = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;

// Registers the class once per process; true when it is registered now or was already.
bool RegisterOwnWindowClass(HINSTANCE instance, const OwnWindowClass& ownClass);
