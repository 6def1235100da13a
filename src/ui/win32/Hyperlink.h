#pragma once
// The hyperlink control: a child window of its own class that shows its caption in the link
// colours, follows the mouse, and opens the maker's address on a press of the left button.
#include "ui/win32/Win32.h"

extern const char kHyperlinkClassName[];

// Registers the class once per process; the loader then creates the control with the caption as
// its window text.
bool RegisterHyperlinkClass(HINSTANCE instance);
