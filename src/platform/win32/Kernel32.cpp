// The seam's kernel32 calls, forwarded unchanged.
#include "platform/Platform.h"
#include "platform/win32/Win32Handles.h"

#include <tlhelp32.h>

namespace platform {

std::uint32_t GetVersion() { return ::GetVersion(); }

Bool GetVersionExA(OsVersionInfoA* info) {
  return ::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(info));
}

Handle GetCurrentProcess() { return AsSeam(::GetCurrentProcess()); }
Bool CloseHandle(Handle object) { return ::CloseHandle(AsNative<HANDLE>(object)); }

Bool CreateProcessA(const char* applicationName, char* commandLine, void* processAttributes,
                    void* threadAttributes, Bool inheritHandles, std::uint32_t creationFlags,
                    void* environment, const char* currentDirectory, StartupInfoA* startupInfo,
                    ProcessInformation* processInformation) {
  return ::CreateProcessA(applicationName, commandLine, static_cast<SECURITY_ATTRIBUTES*>(processAttributes),
                          static_cast<SECURITY_ATTRIBUTES*>(threadAttributes), inheritHandles, creationFlags,
                          environment, currentDirectory, reinterpret_cast<STARTUPINFOA*>(startupInfo),
                          reinterpret_cast<PROCESS_INFORMATION*>(processInformation));
}

std::uint32_t WaitForInputIdle(Handle process, std::uint32_t milliseconds) {
  return ::WaitForInputIdle(AsNative<HANDLE>(process), milliseconds);
}

std::uint32_t GetFileAttributesA(const char* fileName) { return ::GetFileAttributesA(fileName); }

Handle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) {
  return AsSeam(::CreateToolhelp32Snapshot(flags, processId));
}

Bool Process32First(Handle snapshot, ProcessEntry32* entry) {
  return ::Process32First(AsNative<HANDLE>(snapshot), reinterpret_cast<PROCESSENTRY32*>(entry));
}

Bool Process32Next(Handle snapshot, ProcessEntry32* entry) {
  return ::Process32Next(AsNative<HANDLE>(snapshot), reinterpret_cast<PROCESSENTRY32*>(entry));
}

Handle OpenProcess(std::uint32_t desiredAccess, Bool inheritHandle, std::uint32_t processId) {
  return AsSeam(::OpenProcess(desiredAccess, inheritHandle, processId));
}

Bool TerminateProcess(Handle process, std::uint32_t exitCode) {
  return ::TerminateProcess(AsNative<HANDLE>(process), exitCode);
}

void ExitProcess(std::uint32_t exitCode) { ::ExitProcess(exitCode); }

}  // namespace platform
