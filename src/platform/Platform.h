#pragma once
// The seam: everything the logic asks of Windows, in Windows' own words and with the arguments
// the program passes. The real side (platform/win32) forwards each call unchanged; the unit tests
// link a recording fake instead.
#include <cstdint>

#include "platform/Records.h"

namespace platform {

using EnumWindowsCallback = Bool (*)(Handle window, std::intptr_t appValue);

// user32
std::int32_t MessageBoxA(Handle owner, const char* text, const char* caption, std::uint32_t type);
Bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason);
Bool EnumWindows(EnumWindowsCallback callback, std::intptr_t appValue);
Bool IsWindowVisible(Handle window);
std::uint32_t GetWindowThreadProcessId(Handle window, std::uint32_t* processId);
Handle GetFocus();
Handle SetFocus(Handle window);
Bool IsWindow(Handle window);
Bool IsWindowEnabled(Handle window);
Bool EnableWindow(Handle window, Bool enable);

// kernel32
std::uint32_t GetVersion();
Bool GetVersionExA(OsVersionInfoA* info);
Handle GetCurrentProcess();
Bool CloseHandle(Handle object);
Bool CreateProcessA(const char* applicationName, char* commandLine, void* processAttributes,
                    void* threadAttributes, Bool inheritHandles, std::uint32_t creationFlags,
                    void* environment, const char* currentDirectory, StartupInfoA* startupInfo,
                    ProcessInformation* processInformation);
std::uint32_t WaitForInputIdle(Handle process, std::uint32_t milliseconds);
std::uint32_t GetFileAttributesA(const char* fileName);
Handle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId);
Bool Process32First(Handle snapshot, ProcessEntry32* entry);
Bool Process32Next(Handle snapshot, ProcessEntry32* entry);
Handle OpenProcess(std::uint32_t desiredAccess, Bool inheritHandle, std::uint32_t processId);
Bool TerminateProcess(Handle process, std::uint32_t exitCode);
[[noreturn]] void ExitProcess(std::uint32_t exitCode);

// advapi32
Bool OpenProcessToken(Handle process, std::uint32_t desiredAccess, Handle* token);
Bool LookupPrivilegeValueA(const char* systemName, const char* name, Luid* luid);
Bool AdjustTokenPrivileges(Handle token, Bool disableAllPrivileges, TokenPrivileges* newState,
                           std::uint32_t bufferLength, TokenPrivileges* previousState,
                           std::uint32_t* returnLength);
std::int32_t RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options,
                           std::uint32_t desired, Handle* result);
std::int32_t RegQueryValueA(Handle key, const char* subKey, char* data, std::int32_t* size);
std::int32_t RegCloseKey(Handle key);

// shell32
std::intptr_t ShellExecuteA(Handle owner, const char* verb, const char* file,
                            const char* parameters, const char* directory, std::int32_t show);
std::uint32_t WinExec(const char* commandLine, std::uint32_t show);

// comdlg32
Bool GetOpenFileNameA(OpenFileNameA* request);

}  // namespace platform
