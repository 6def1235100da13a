// The seam's advapi32 calls, forwarded unchanged.
#include "platform/Platform.h"
#include "platform/win32/Win32Handles.h"

namespace platform {

Bool OpenProcessToken(Handle process, std::uint32_t desiredAccess, Handle* token) {
  return ::OpenProcessToken(AsNative<HANDLE>(process), desiredAccess, reinterpret_cast<HANDLE*>(token));
}

Bool LookupPrivilegeValueA(const char* systemName, const char* name, Luid* luid) {
  return ::LookupPrivilegeValueA(systemName, name, reinterpret_cast<LUID*>(luid));
}

Bool AdjustTokenPrivileges(Handle token, Bool disableAllPrivileges, TokenPrivileges* newState,
                           std::uint32_t bufferLength, TokenPrivileges* previousState,
                           std::uint32_t* returnLength) {
  return ::AdjustTokenPrivileges(AsNative<HANDLE>(token), disableAllPrivileges,
                                 reinterpret_cast<TOKEN_PRIVILEGES*>(newState), bufferLength,
                                 reinterpret_cast<TOKEN_PRIVILEGES*>(previousState),
                                 reinterpret_cast<DWORD*>(returnLength));
}

std::int32_t RegOpenKeyExA(Handle key, const char* subKey, std::uint32_t options, std::uint32_t desired,
                           Handle* result) {
  return ::RegOpenKeyExA(AsNative<HKEY>(key), subKey, options, desired, reinterpret_cast<HKEY*>(result));
}

std::int32_t RegQueryValueA(Handle key, const char* subKey, char* data, std::int32_t* size) {
  return ::RegQueryValueA(AsNative<HKEY>(key), subKey, data, reinterpret_cast<LONG*>(size));
}

std::int32_t RegCloseKey(Handle key) { return ::RegCloseKey(AsNative<HKEY>(key)); }

}  // namespace platform
