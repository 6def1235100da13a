#pragma once
// The controls' events and the handlers bound to them.
#include "ui/win32/WindowAccess.h"

enum class ControlEvent { ListItemSelected, Clicked, Periodic };

// A drop-down list raises its list-item-selected event through this message, posted to the main
// window with the list's ControlId as wParam, so that the handler runs after the list has closed
// and sees the new selection.
constexpr UINT kListItemSelectedMessage = WM_APP + 1;

// Calls the handler bound to this control's event, if any. Dropped while the window is built.
void RaiseEvent(HWND mainWindow, ControlId control, ControlEvent event);
