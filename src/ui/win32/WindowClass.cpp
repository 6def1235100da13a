#include "ui/win32/WindowClass.h"

bool RegisterOwnWindowClass(HINSTANCE instance, const OwnWindowClass& ownClass) {
  WNDCLASSA existing;
  if (GetClassInfoA(instance, ownClass.name, &existing)) return true;
  WNDCLASSA windowClass = {};
  windowClass.style = ownClass.style;
  windowClass.lpfnWndProc = ownClass.procedure;
  windowClass.cbWndExtra = ownClass.windowExtraBytes;
  windowClass.hInstance = instance;
  if (ownClass.cursor) {
    windowClass.hCursor = LoadCursorA(nullptr, ownClass.cursor);
    // Systems too old to have the pointing hand get the arrow.
    if (!windowClass.hCursor) windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  }
  windowClass.lpszClassName = ownClass.name;
  return RegisterClassA(&windowClass) != 0;
}
