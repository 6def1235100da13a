// The seam's shell calls (ShellExecuteA from shell32, WinExec from kernel32), forwarded unchanged.
#include "platform/Platform.h"
#include "platform/win32/Win32Handles.h"

#include <shellapi.h>

namespace platform {

std::intptr_t ShellExecuteA(Handle owner, const char* verb, const char* file, const char* parameters,
                            const char* directory, std::int32_t show) {
  return reinterpret_cast<std::intptr_t>(::ShellExecuteA(AsNative<HWND>(owner), verb, file, parameters, directory, show));
}

std::uint32_t WinExec(const char* commandLine, std::uint32_t show) { return ::WinExec(commandLine, show); }

}  // namespace platform
