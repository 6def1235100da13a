#include "driver/TopLevelWindows.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "driver/Target.h"

namespace driver {

namespace {

BOOL CALLBACK Collect(HWND window, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

// Every process's file name by its id, from one snapshot.
std::vector<PROCESSENTRY32> Processes() {
  std::vector<PROCESSENTRY32> processes;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
    processes.push_back(entry);
  CloseHandle(snapshot);
  return processes;
}

std::string ExeNameOf(const std::vector<PROCESSENTRY32>& processes, DWORD pid) {
  for (const PROCESSENTRY32& process : processes)
    if (process.th32ProcessID == pid) return process.szExeFile;
  return std::string();
}

unsigned long long Number(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }

}  // namespace

void PrintTopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
  const std::vector<PROCESSENTRY32> processes = Processes();
  for (HWND window : windows) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    // GetWindowTextA reads a top-level caption without waiting on the window's thread.
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    std::printf("win hwnd=0x%llx pid=%lu visible=%d owner=0x%llx name=%s title=%s\n", Number(window), pid,
                IsWindowVisible(window) ? 1 : 0, Number(GetWindow(window, GW_OWNER)),
                Hex(ExeNameOf(processes, pid)).c_str(), Hex(title).c_str());
  }
}

}  // namespace driver
