#pragma once
// The top-level windows of the prefix, as a program looking for another program's window sees
// them.
namespace driver {

// Every top-level window in EnumWindows order, one line each: "win hwnd=... pid=... visible=...
// owner=... name=<its process's file name> title=<its caption>".
void PrintTopLevelWindows();

}  // namespace driver
