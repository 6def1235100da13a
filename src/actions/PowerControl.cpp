#include "actions/PowerControl.h"

#include "platform/Platform.h"

namespace {

constexpr char kShutdownPrivilege[] = "SeShutdownPrivilege";
constexpr std::uint32_t kAnyReason = 0xFFFF;

// The 9x family sets the top bit of GetVersion's result; it has no tokens to adjust.
bool IsNtSystem() { return (platform::GetVersion() & 0x80000000u) == 0; }

std::uint32_t ExitFlagsFor(std::int32_t shutdownKind) {
  const std::uint32_t kind =
      shutdownKind == kShutdownKindRestart ? platform::EWX_REBOOT : platform::EWX_SHUTDOWN;
  // Always forced: a program that hangs on to the session must not hold the request up.
  return kind | platform::EWX_FORCE;
}

}  // namespace

void ShutdownSystem(std::int32_t shutdownKind) {
  if (IsNtSystem()) EnablePrivilege(kShutdownPrivilege);
  platform::ExitWindowsEx(ExitFlagsFor(shutdownKind), kAnyReason);
}

std::int32_t EnablePrivilege(const char* privilegeName) {
  platform::OsVersionInfoA version{};
  version.dwOSVersionInfoSize = sizeof version;
  platform::GetVersionExA(&version);
  if (version.dwPlatformId != platform::VER_PLATFORM_WIN32_NT) return 0;

  // Each step goes on with what the one before produced: a token that could not be opened
  // stays 0 and the later calls simply fail.
  const platform::Handle process = platform::GetCurrentProcess();
  platform::Handle token = 0;
  platform::OpenProcessToken(process, platform::TOKEN_ADJUST_PRIVILEGES | platform::TOKEN_QUERY, &token);

  platform::Luid luid{};
  platform::LookupPrivilegeValueA("", privilegeName, &luid);  // "" is the local system

  platform::TokenPrivileges enabled{};
  enabled.PrivilegeCount = 1;
  enabled.Privileges[0].Luid = luid;
  enabled.Privileges[0].Attributes = platform::SE_PRIVILEGE_ENABLED;

  platform::TokenPrivileges previous{};
  std::uint32_t returnLength = 0;
  const platform::Bool result =
      platform::AdjustTokenPrivileges(token, 0, &enabled, sizeof previous, &previous, &returnLength);
  platform::CloseHandle(token);
  return result;
}
