#include "actions/ProcessLookup.h"

#include <cstring>

#include "app/CodePage.h"
#include "app/Globals.h"
#include "platform/Platform.h"

namespace {

platform::Bool CollectEachWindow(platform::Handle window, std::intptr_t /*appValue*/) {
  CollectWindow(window);
  return 1;  // go on: every top-level window is wanted
}

// The record's name up to its terminating zero, and never past the field.
std::string ExeNameOf(const platform::ProcessEntry32& record) {
  const char* name = record.szExeFile;
  const void* end = std::memchr(name, '\0', sizeof record.szExeFile);
  return std::string(name, end ? static_cast<const char*>(end) : name + sizeof record.szExeFile);
}

}  // namespace

std::string LowerCaseName(const std::string& name) {
  std::string lower = name;
  for (std::size_t i = 0; i < lower.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(lower[i]);
    if (IsLeadByte(byte)) {
      // The trail byte may look like an ASCII letter; it belongs to the double-byte character.
      ++i;
    } else if (byte >= 'A' && byte <= 'Z') {
      lower[i] = static_cast<char>(byte + ('a' - 'A'));
    }
  }
  return lower;
}

std::intptr_t FindWindowByProcess(const std::string& exeName) {
  if (exeName.empty()) return 0;
  std::vector<ProcessEntry> processes;
  ListProcesses(processes);
  std::vector<WindowEntry> windows;
  ListVisibleWindows(windows);

  const std::string wanted = LowerCaseName(exeName);
  for (const WindowEntry& window : windows)
    for (const ProcessEntry& process : processes)
      if (process.processId == window.processId && LowerCaseName(process.exeName) == wanted)
        return static_cast<std::intptr_t>(window.windowHandle);
  return -1;
}

std::int32_t ListProcesses(std::vector<ProcessEntry>& processes) {
  std::vector<ProcessEntry> found;
  const platform::Handle snapshot = platform::CreateToolhelp32Snapshot(platform::TH32CS_SNAPALL, 0);
  if (snapshot != platform::INVALID_HANDLE_VALUE && snapshot != 0) {
    platform::ProcessEntry32 record{};
    record.dwSize = sizeof record;
    for (platform::Bool more = platform::Process32First(snapshot, &record); more;
         more = platform::Process32Next(snapshot, &record)) {
      if (record.th32ProcessID == 0) continue;  // the idle process has no program behind it
      found.push_back({record.th32ProcessID, ExeNameOf(record)});
    }
    platform::CloseHandle(snapshot);
  }
  processes.swap(found);
  return static_cast<std::int32_t>(processes.size());
}

std::int32_t ListVisibleWindows(std::vector<WindowEntry>& windows) {
  platform::EnumWindows(CollectEachWindow, 0);
  windows = windowList;
  // Left empty, so that the next enumeration starts from nothing.
  windowList.clear();
  return static_cast<std::int32_t>(windows.size());
}

void CollectWindow(platform::Handle windowHandle) {
  if (!platform::IsWindowVisible(windowHandle)) return;
  std::uint32_t processId = 0;
  platform::GetWindowThreadProcessId(windowHandle, &processId);
  windowList.push_back({windowHandle, processId});
}

std::int32_t GetWindowProcessId(std::intptr_t windowHandle) {
  std::uint32_t processId = 0;
  platform::GetWindowThreadProcessId(static_cast<platform::Handle>(windowHandle), &processId);
  return processId != 0 ? static_cast<std::int32_t>(processId) : -1;
}

bool KillProcess(std::int32_t processId) {
  const platform::Handle process =
      platform::OpenProcess(platform::PROCESS_TERMINATE, 0, static_cast<std::uint32_t>(processId));
  if (!process) return false;
  const platform::Bool terminated = platform::TerminateProcess(process, 0);
  platform::CloseHandle(process);
  return terminated == 1;
}
