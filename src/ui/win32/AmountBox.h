#pragma once
// The amount box: an edit box that takes integers only, normalises its text when it loses the
// keyboard focus, and has a spin control whose arrows step its value and wrap at either end.
#include "ui/win32/Win32.h"

#include <commctrl.h>

// Adds the key filter and the spin control (a child of the box's parent, id kSpinWindowId, that
// follows the box's place, visibility and enabled state). False if the spin can't be created.
bool AttachAmountBox(HWND box);

// EN_KILLFOCUS: the text read as an integer, "%d", "0" as the empty text.
void NormaliseAmountBox(HWND box);

// UDN_DELTAPOS of the spin control; the result answers the notification.
LRESULT OnSpinDelta(const NMUPDOWN& change);
