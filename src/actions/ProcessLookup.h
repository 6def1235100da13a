#pragma once
// Finding the process behind a program's visible window, and terminating it.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Records.h"

struct ProcessEntry {
  std::uint32_t processId;
  std::string exeName;
};

struct WindowEntry {
  platform::Handle windowHandle;
  std::uint32_t processId;
};

// ASCII letters folded to lower case; double-byte characters left exactly as they are.
std::string LowerCaseName(const std::string& name);

// The first visible top-level window whose process has the file name exeName (letters folded);
// -1 when none qualifies, 0 for an empty name (then nothing is listed).
std::intptr_t FindWindowByProcess(const std::string& exeName);

std::int32_t ListProcesses(std::vector<ProcessEntry>& processes);
std::int32_t ListVisibleWindows(std::vector<WindowEntry>& windows);
void CollectWindow(platform::Handle windowHandle);

// The process id of a window's process, or -1.
std::int32_t GetWindowProcessId(std::intptr_t windowHandle);

// Terminates a process with exit code 0; true when TerminateProcess succeeded.
bool KillProcess(std::int32_t processId);
