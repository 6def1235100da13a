#pragma once
// Reading what a user sees in another process's windows. Each reader prints one line of
// space-separated key=value pairs; texts are GBK bytes in hex ("-" for the empty text).
#include <windows.h>

#include <string>

namespace driver {

std::string WindowText(HWND window);  // WM_GETTEXT, which Wine marshals across processes

void PrintMainWindow(HWND main);
// label: the control's place in the template, or a name for windows that have none.
void PrintControl(HWND main, const char* label, int id);
void PrintZOrder(const char* name, HWND parent);
void PrintFocus(HWND main);
void PrintStatusBar(HWND statusBar);
std::string StatusText(HWND statusBar);  // part 0
// Polls part 0 for durationMs and prints "change t=<ms since start> text=<hex>" at each change.
void WatchStatus(HWND statusBar, int durationMs);
void PrintMessageBox(HWND main);
void PrintProcesses();
// The icon group in a program file's resources: "WxHxBITS" per image.
void PrintFileIcon(const std::string& path);

}  // namespace driver
