#pragma once
// Records that cross the seam, laid out exactly as the Win32 headers lay them out for the
// target being built (pointer-sized fields follow the target). The real side checks every
// size and offset against <windows.h> at compile time and passes them through unchanged.
#include <cstdint>

namespace platform {

using Handle = std::uintptr_t;  // HANDLE, HWND, HKEY, HINSTANCE as plain integers
using Bool = std::int32_t;      // BOOL

constexpr std::uint32_t kMaxPath = 260;

struct OsVersionInfoA {  // OSVERSIONINFOA
  std::uint32_t dwOSVersionInfoSize;
  std::uint32_t dwMajorVersion;
  std::uint32_t dwMinorVersion;
  std::uint32_t dwBuildNumber;
  std::uint32_t dwPlatformId;
  char szCSDVersion[128];
};

struct Luid {  // LUID
  std::uint32_t LowPart;
  std::int32_t HighPart;
};

struct LuidAndAttributes {  // LUID_AND_ATTRIBUTES
  platform::Luid Luid;
  std::uint32_t Attributes;
};

struct TokenPrivileges {  // TOKEN_PRIVILEGES with room for one privilege
  std::uint32_t PrivilegeCount;
  LuidAndAttributes Privileges[1];
};

struct StartupInfoA {  // STARTUPINFOA
  std::uint32_t cb;
  char* lpReserved;
  char* lpDesktop;
  char* lpTitle;
  std::uint32_t dwX;
  std::uint32_t dwY;
  std::uint32_t dwXSize;
  std::uint32_t dwYSize;
  std::uint32_t dwXCountChars;
  std::uint32_t dwYCountChars;
  std::uint32_t dwFillAttribute;
  std::uint32_t dwFlags;
  std::uint16_t wShowWindow;
  std::uint16_t cbReserved2;
  std::uint8_t* lpReserved2;
  Handle hStdInput;
  Handle hStdOutput;
  Handle hStdError;
};

struct ProcessInformation {  // PROCESS_INFORMATION
  Handle hProcess;
  Handle hThread;
  std::uint32_t dwProcessId;
  std::uint32_t dwThreadId;
};

struct ProcessEntry32 {  // PROCESSENTRY32 (the ANSI one)
  std::uint32_t dwSize;
  std::uint32_t cntUsage;
  std::uint32_t th32ProcessID;
  std::uintptr_t th32DefaultHeapID;
  std::uint32_t th32ModuleID;
  std::uint32_t cntThreads;
  std::uint32_t th32ParentProcessID;
  std::int32_t pcPriClassBase;
  std::uint32_t dwFlags;
  char szExeFile[kMaxPath];
};

struct OpenFileNameA {  // OPENFILENAMEA
  std::uint32_t lStructSize;
  Handle hwndOwner;
  Handle hInstance;
  const char* lpstrFilter;
  char* lpstrCustomFilter;
  std::uint32_t nMaxCustFilter;
  std::uint32_t nFilterIndex;
  char* lpstrFile;
  std::uint32_t nMaxFile;
  char* lpstrFileTitle;
  std::uint32_t nMaxFileTitle;
  const char* lpstrInitialDir;
  const char* lpstrTitle;
  std::uint32_t Flags;
  std::uint16_t nFileOffset;
  std::uint16_t nFileExtension;
  const char* lpstrDefExt;
  std::intptr_t lCustData;
  void* lpfnHook;
  const char* lpTemplateName;
  void* pvReserved;
  std::uint32_t dwReserved;
  std::uint32_t FlagsEx;
};

// Values the logic passes, spelled as the platform spells them.
constexpr std::uint32_t VER_PLATFORM_WIN32_NT = 2;
constexpr std::uint32_t TOKEN_ADJUST_PRIVILEGES = 0x20;
constexpr std::uint32_t TOKEN_QUERY = 0x8;
constexpr std::uint32_t SE_PRIVILEGE_ENABLED = 2;
constexpr std::uint32_t EWX_SHUTDOWN = 1;
constexpr std::uint32_t EWX_REBOOT = 2;
constexpr std::uint32_t EWX_FORCE = 4;
constexpr std::uint32_t STARTF_USESHOWWINDOW = 1;
constexpr std::int32_t SW_SHOW = 5;
constexpr std::uint16_t SW_SHOWNORMAL = 1;
constexpr std::uint32_t TH32CS_SNAPALL = 15;
constexpr std::uint32_t PROCESS_TERMINATE = 1;
constexpr std::uint32_t MB_OK = 0;
constexpr std::uint32_t MB_TASKMODAL = 0x2000;
constexpr std::uint32_t OFN_OVERWRITEPROMPT = 0x2;
constexpr std::uint32_t OFN_HIDEREADONLY = 0x4;
constexpr std::uint32_t OFN_EXPLORER = 0x80000;
constexpr std::uint32_t OFN_ENABLESIZING = 0x800000;
constexpr std::uint32_t KEY_QUERY_VALUE = 1;
constexpr std::int32_t ERROR_SUCCESS = 0;
// Sign-extended on 64-bit targets, as <winreg.h> defines it: (HKEY)(ULONG_PTR)(LONG)0x80000000.
constexpr Handle HKEY_CLASSES_ROOT = static_cast<Handle>(static_cast<std::intptr_t>(-0x7FFFFFFF - 1));
constexpr Handle INVALID_HANDLE_VALUE = ~static_cast<Handle>(0);
constexpr std::uint32_t INVALID_FILE_ATTRIBUTES = 0xFFFFFFFFu;
constexpr std::uint32_t FILE_ATTRIBUTE_DIRECTORY = 0x10;

}  // namespace platform
