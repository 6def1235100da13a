// The seam's records and constants are handed to Windows as they are, so each must match
// <windows.h> for the target being built: same size, same field offsets, same values.
#include <cstddef>

#include "platform/Records.h"

// The seam's constants share their names with the macros of <windows.h>: take their values
// before the header defines those macros, then compare.
#define PLATFORM_CONSTANTS(X)                                                                    \
  X(VER_PLATFORM_WIN32_NT)                                                                       \
  X(TOKEN_ADJUST_PRIVILEGES)                                                                     \
  X(TOKEN_QUERY)                                                                                 \
  X(SE_PRIVILEGE_ENABLED)                                                                        \
  X(EWX_SHUTDOWN)                                                                                \
  X(EWX_REBOOT)                                                                                  \
  X(EWX_FORCE)                                                                                   \
  X(STARTF_USESHOWWINDOW)                                                                        \
  X(SW_SHOW)                                                                                     \
  X(SW_SHOWNORMAL)                                                                               \
  X(TH32CS_SNAPALL)                                                                              \
  X(PROCESS_TERMINATE)                                                                           \
  X(MB_OK)                                                                                       \
  X(MB_TASKMODAL)                                                                                \
  X(OFN_OVERWRITEPROMPT)                                                                         \
  X(OFN_HIDEREADONLY)                                                                            \
  X(OFN_EXPLORER)                                                                                \
  X(OFN_ENABLESIZING)                                                                            \
  X(KEY_QUERY_VALUE)                                                                             \
  X(ERROR_SUCCESS)                                                                               \
  X(INVALID_FILE_ATTRIBUTES)                                                                     \
  X(FILE_ATTRIBUTE_DIRECTORY)

namespace seam_values {
#define TAKE_SEAM_VALUE(name) constexpr auto seam_##name = platform::name;
PLATFORM_CONSTANTS(TAKE_SEAM_VALUE)
#undef TAKE_SEAM_VALUE
constexpr auto hkeyClassesRoot = platform::HKEY_CLASSES_ROOT;
constexpr auto invalidHandleValue = platform::INVALID_HANDLE_VALUE;
constexpr auto maxPath = platform::kMaxPath;
}  // namespace seam_values

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <tlhelp32.h>

#define CHECK_SEAM_VALUE(name) static_assert(seam_values::seam_##name == (name), #name);
PLATFORM_CONSTANTS(CHECK_SEAM_VALUE)
#undef CHECK_SEAM_VALUE

// Both handle constants are pointer casts in <windows.h>, which a constant expression can't
// evaluate; these are their definitions there, in integer form.
static_assert(seam_values::hkeyClassesRoot == static_cast<ULONG_PTR>(static_cast<LONG>(0x80000000)),
              "HKEY_CLASSES_ROOT: (HKEY)(ULONG_PTR)(LONG)0x80000000");
static_assert(seam_values::invalidHandleValue == static_cast<ULONG_PTR>(static_cast<LONG_PTR>(-1)),
              "INVALID_HANDLE_VALUE: (HANDLE)(LONG_PTR)-1");
static_assert(seam_values::maxPath == MAX_PATH, "MAX_PATH");

static_assert(sizeof(platform::Handle) == sizeof(HANDLE), "handles");
static_assert(sizeof(platform::Bool) == sizeof(BOOL), "BOOL");
static_assert(sizeof(std::int32_t) == sizeof(LONG) && sizeof(std::uint32_t) == sizeof(DWORD), "LONG, DWORD");

#define SAME_RECORD(seam, windows) static_assert(sizeof(platform::seam) == sizeof(windows), #windows " size");
#define SAME_FIELD(seam, windows, field)                                                         \
  static_assert(offsetof(platform::seam, field) == offsetof(windows, field) &&                   \
                    sizeof(platform::seam::field) == sizeof(windows::field),                     \
                #windows "." #field);

SAME_RECORD(OsVersionInfoA, OSVERSIONINFOA)
SAME_FIELD(OsVersionInfoA, OSVERSIONINFOA, dwOSVersionInfoSize)
SAME_FIELD(OsVersionInfoA, OSVERSIONINFOA, dwMajorVersion)
SAME_FIELD(OsVersionInfoA, OSVERSIONINFOA, dwMinorVersion)
SAME_FIELD(OsVersionInfoA, OSVERSIONINFOA, dwBuildNumber)
SAME_FIELD(OsVersionInfoA, OSVERSIONINFOA, dwPlatformId)
SAME_FIELD(OsVersionInfoA, OSVERSIONINFOA, szCSDVersion)

SAME_RECORD(Luid, LUID)
SAME_FIELD(Luid, LUID, LowPart)
SAME_FIELD(Luid, LUID, HighPart)

SAME_RECORD(LuidAndAttributes, LUID_AND_ATTRIBUTES)
SAME_FIELD(LuidAndAttributes, LUID_AND_ATTRIBUTES, Luid)
SAME_FIELD(LuidAndAttributes, LUID_AND_ATTRIBUTES, Attributes)

SAME_RECORD(TokenPrivileges, TOKEN_PRIVILEGES)
SAME_FIELD(TokenPrivileges, TOKEN_PRIVILEGES, PrivilegeCount)
SAME_FIELD(TokenPrivileges, TOKEN_PRIVILEGES, Privileges)

SAME_RECORD(StartupInfoA, STARTUPINFOA)
SAME_FIELD(StartupInfoA, STARTUPINFOA, cb)
SAME_FIELD(StartupInfoA, STARTUPINFOA, lpReserved)
SAME_FIELD(StartupInfoA, STARTUPINFOA, lpDesktop)
SAME_FIELD(StartupInfoA, STARTUPINFOA, lpTitle)
SAME_FIELD(StartupInfoA, STARTUPINFOA, dwX)
SAME_FIELD(StartupInfoA, STARTUPINFOA, dwY)
SAME_FIELD(StartupInfoA, STARTUPINFOA, dwXSize)
SAME_FIELD(StartupInfoA, STARTUPINFOA, dwYSize)
SAME_FIELD(StartupInfoA, STARTUPINFOA, dwXCountChars)
SAME_FIELD(StartupInfoA, STARTUPINFOA, dwYCountChars)
SAME_FIELD(StartupInfoA, STARTUPINFOA, dwFillAttribute)
SAME_FIELD(StartupInfoA, STARTUPINFOA, dwFlags)
SAME_FIELD(StartupInfoA, STARTUPINFOA, wShowWindow)
SAME_FIELD(StartupInfoA, STARTUPINFOA, cbReserved2)
SAME_FIELD(StartupInfoA, STARTUPINFOA, lpReserved2)
SAME_FIELD(StartupInfoA, STARTUPINFOA, hStdInput)
SAME_FIELD(StartupInfoA, STARTUPINFOA, hStdOutput)
SAME_FIELD(StartupInfoA, STARTUPINFOA, hStdError)

SAME_RECORD(ProcessInformation, PROCESS_INFORMATION)
SAME_FIELD(ProcessInformation, PROCESS_INFORMATION, hProcess)
SAME_FIELD(ProcessInformation, PROCESS_INFORMATION, hThread)
SAME_FIELD(ProcessInformation, PROCESS_INFORMATION, dwProcessId)
SAME_FIELD(ProcessInformation, PROCESS_INFORMATION, dwThreadId)

SAME_RECORD(ProcessEntry32, PROCESSENTRY32)
SAME_FIELD(ProcessEntry32, PROCESSENTRY32, dwSize)
SAME_FIELD(ProcessEntry32, PROCESSENTRY32, cntUsage)
SAME_FIELD(ProcessEntry32, PROCESSENTRY32, th32ProcessID)
SAME_FIELD(ProcessEntry32, PROCESSENTRY32, th32DefaultHeapID)
SAME_FIELD(ProcessEntry32, PROCESSENTRY32, th32ModuleID)
SAME_FIELD(ProcessEntry32, PROCESSENTRY32, cntThreads)
SAME_FIELD(ProcessEntry32, PROCESSENTRY32, th32ParentProcessID)
SAME_FIELD(ProcessEntry32, PROCESSENTRY32, pcPriClassBase)
SAME_FIELD(ProcessEntry32, PROCESSENTRY32, dwFlags)
SAME_FIELD(ProcessEntry32, PROCESSENTRY32, szExeFile)

SAME_RECORD(OpenFileNameA, OPENFILENAMEA)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, lStructSize)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, hwndOwner)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, hInstance)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, lpstrFilter)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, lpstrCustomFilter)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, nMaxCustFilter)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, nFilterIndex)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, lpstrFile)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, nMaxFile)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, lpstrFileTitle)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, nMaxFileTitle)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, lpstrInitialDir)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, lpstrTitle)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, Flags)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, nFileOffset)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, nFileExtension)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, lpstrDefExt)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, lCustData)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, lpfnHook)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, lpTemplateName)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, pvReserved)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, dwReserved)
SAME_FIELD(OpenFileNameA, OPENFILENAMEA, FlagsEx)

#undef SAME_FIELD
#undef SAME_RECORD

// The sizes the 32-bit program hands to Windows, as the 32-bit system expects them.
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(PROCESSENTRY32) == 296, "PROCESSENTRY32 on 32-bit Windows");
static_assert(sizeof(STARTUPINFOA) == 68, "STARTUPINFOA on 32-bit Windows");
static_assert(sizeof(TOKEN_PRIVILEGES) == 16, "TOKEN_PRIVILEGES with one privilege");
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA");
// TTTOOLINFOA_V2_SIZE, the tool record up to and including lParam; the macro's own pointer
// arithmetic is not a constant expression.
static_assert(offsetof(TTTOOLINFOA, lParam) + sizeof(TTTOOLINFOA::lParam) == 44, "the 44-byte tool record");
#endif
