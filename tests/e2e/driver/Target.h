#pragma once
// Finding the program's windows from another process inside the same Wine prefix.
#include <windows.h>

#include <string>

namespace driver {

// The main window by its title, or null.
HWND FindMainWindow();

// Polls for the visible main window for up to timeoutMs; null if it never came.
HWND WaitForMainWindow(DWORD timeoutMs);

// The descendant of root with this child-window id, or null.
HWND FindChild(HWND root, int id);

// The child-window id of a window, or 0 for a top-level one.
int IdOf(HWND window);

// The first visible message box with the program's caption, or null.
HWND FindMessageBox();

// Runs after a message was queued with SendNotifyMessage: returns once the program's thread has
// handled it, or has entered a modal loop because of it.
void Sync(HWND main);

// Text helpers for the output: GBK bytes as hex, so that the harness compares bytes.
std::string Hex(const std::string& bytes);
std::string Unhex(const std::string& hex);

}  // namespace driver
