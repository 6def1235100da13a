#pragma once
// Reading the program's own top-level pop-ups: its tooltip windows and their tools, the
// open-file dialog and the dropped list of a drop-down list. Same output form as Readers.h.
#include <windows.h>

namespace driver {

// Every tooltip window of the program: "tipwin hwnd= owner= visible= style= x= y= w= h= tools=";
// then, for each tooltip window without an owner, one "tip index= id= flags= hwnd= text=" line per
// tool (id: the child-window id of the window the tool watches).
void PrintTooltips(HWND main);

// The open-file dialog: a visible dialog of the program other than its message box.
HWND FindFileDialog(HWND main);
// "dialog found= title= owned= mainenabled= x= y= w= h=" (owned: its owner is the main window).
void PrintFileDialog(HWND main);

// The visible dropped list: "droplist found= cx= cy= w= itemh= count= top=" with cx, cy the
// screen place of its client area, so that item i lies at cy + (i - top) * itemh.
void PrintDroppedList(HWND main);

}  // namespace driver
