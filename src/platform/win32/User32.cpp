// The seam's user32 calls, forwarded unchanged.
#include "platform/Platform.h"
#include "platform/win32/Win32Handles.h"

namespace platform {
namespace {

// EnumWindows calls back with the platform's calling convention; the seam's callback has the
// compiler's own, so a trampoline carries it through the application value.
struct EnumWindowsRequest {
  EnumWindowsCallback callback;
  std::intptr_t appValue;
};

BOOL CALLBACK EnumWindowsTrampoline(HWND window, LPARAM request) {
  const auto* forwarded = reinterpret_cast<const EnumWindowsRequest*>(request);
  return forwarded->callback(AsSeam(window), forwarded->appValue);
}

}  // namespace

std::int32_t MessageBoxA(Handle owner, const char* text, const char* caption, std::uint32_t type) {
  return ::MessageBoxA(AsNative<HWND>(owner), text, caption, type);
}

Bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) { return ::ExitWindowsEx(flags, reason); }

Bool EnumWindows(EnumWindowsCallback callback, std::intptr_t appValue) {
  EnumWindowsRequest request = {callback, appValue};
  return ::EnumWindows(EnumWindowsTrampoline, reinterpret_cast<LPARAM>(&request));
}

Bool IsWindowVisible(Handle window) { return ::IsWindowVisible(AsNative<HWND>(window)); }

std::uint32_t GetWindowThreadProcessId(Handle window, std::uint32_t* processId) {
  return ::GetWindowThreadProcessId(AsNative<HWND>(window), reinterpret_cast<DWORD*>(processId));
}

Handle GetFocus() { return AsSeam(::GetFocus()); }
Handle SetFocus(Handle window) { return AsSeam(::SetFocus(AsNative<HWND>(window))); }
Bool IsWindow(Handle window) { return ::IsWindow(AsNative<HWND>(window)); }
Bool IsWindowEnabled(Handle window) { return ::IsWindowEnabled(AsNative<HWND>(window)); }
Bool EnableWindow(Handle window, Bool enable) { return ::EnableWindow(AsNative<HWND>(window), enable); }

}  // namespace platform
