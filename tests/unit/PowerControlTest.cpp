// Restart and shutdown requests: the exact calls on NT and on the 9x family, the privilege
// record, and a request that is made even when enabling the privilege fails.
#include <string>
#include <vector>

#include "actions/PowerControl.h"
#include "fakes/FakeSystem.h"

namespace {

using Calls = std::vector<std::string>;

constexpr std::uint32_t kNtVersion = 0x23F00206;     // bit 31 clear
constexpr std::uint32_t k9xVersion = 0xC0000A04;     // bit 31 set
constexpr std::uint32_t kWindows9xPlatformId = 1;   // VER_PLATFORM_WIN32_WINDOWS

std::string Num(platform::Handle value) { return std::to_string(value); }

// What enabling the shutdown privilege calls, for the token OpenProcessToken gives.
Calls PrivilegeStep(platform::Handle token) {
  return {"GetVersionExA(148)",
          "GetCurrentProcess()",
          "OpenProcessToken(" + Num(static_cast<platform::Handle>(-1)) + ", 40, 0)",
          "LookupPrivilegeValueA(\"\", \"SeShutdownPrivilege\")",
          "AdjustTokenPrivileges(" + Num(token) + ", 0, 16, 0)",
          "CloseHandle(" + Num(token) + ")"};
}

Calls Join(Calls first, const Calls& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

class PowerControlTest : public FakeSystemTest {};

TEST_F(PowerControlTest, CallSequenceForEachKindOnNtAnd9x) {
  const platform::Handle token = Fake().token;
  struct Case {
    const char* name;
    std::int32_t kind;
    std::uint32_t version;
    std::uint32_t platformId;
    Calls expected;
  };
  const Case cases[] = {
      {"restart on NT", kShutdownKindRestart, kNtVersion, platform::VER_PLATFORM_WIN32_NT,
       Join(Join({"GetVersion()"}, PrivilegeStep(token)), {"ExitWindowsEx(6, 65535)"})},
      {"shutdown on NT", kShutdownKindShutDown, kNtVersion, platform::VER_PLATFORM_WIN32_NT,
       Join(Join({"GetVersion()"}, PrivilegeStep(token)), {"ExitWindowsEx(5, 65535)"})},
      {"restart on 9x", kShutdownKindRestart, k9xVersion, kWindows9xPlatformId,
       {"GetVersion()", "ExitWindowsEx(6, 65535)"}},
      {"shutdown on 9x", kShutdownKindShutDown, k9xVersion, kWindows9xPlatformId,
       {"GetVersion()", "ExitWindowsEx(5, 65535)"}},
      // GetVersion and the platform identifier disagree: the identifier stops the privilege step.
      {"shutdown, NT by GetVersion only", kShutdownKindShutDown, kNtVersion, kWindows9xPlatformId,
       {"GetVersion()", "GetVersionExA(148)", "ExitWindowsEx(5, 65535)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetFake();
    fake.version = c.version;
    fake.platformId = c.platformId;
    ShutdownSystem(c.kind);
    EXPECT_EQ(fake.calls, c.expected);
  }
}

TEST_F(PowerControlTest, EnablePrivilegeDoesNothingOffNt) {
  fake.platformId = kWindows9xPlatformId;
  EXPECT_EQ(EnablePrivilege("SeShutdownPrivilege"), 0);
  EXPECT_EQ(fake.calls, Calls{"GetVersionExA(148)"});
  EXPECT_EQ(fake.versionRequest.dwOSVersionInfoSize, sizeof(platform::OsVersionInfoA));
}

TEST_F(PowerControlTest, PrivilegeRecordEnablesOneLookedUpPrivilegeAndPreviousStateStartsZeroed) {
  fake.luid = {0x1234, -2};
  EXPECT_EQ(EnablePrivilege("SeShutdownPrivilege"), 1);

  EXPECT_EQ(fake.newState.PrivilegeCount, 1u);
  EXPECT_EQ(fake.newState.Privileges[0].Luid.LowPart, 0x1234u);
  EXPECT_EQ(fake.newState.Privileges[0].Luid.HighPart, -2);
  EXPECT_EQ(fake.newState.Privileges[0].Attributes, platform::SE_PRIVILEGE_ENABLED);

  const platform::TokenPrivileges& previous = fake.previousStateAtCall;
  EXPECT_EQ(previous.PrivilegeCount, 0u);
  EXPECT_EQ(previous.Privileges[0].Luid.LowPart, 0u);
  EXPECT_EQ(previous.Privileges[0].Luid.HighPart, 0);
  EXPECT_EQ(previous.Privileges[0].Attributes, 0u);
  EXPECT_EQ(fake.adjustBufferLength, sizeof(platform::TokenPrivileges));
  EXPECT_EQ(fake.adjustBufferLength, 16u);
}

TEST_F(PowerControlTest, EachFailingPrivilegeCallStillReachesTheRequest) {
  const platform::Handle token = Fake().token;
  struct Case {
    const char* name;
    platform::Bool openToken, lookup, adjust;
    platform::Handle tokenUsed;     // a token that could not be opened stays 0
    std::uint32_t luidLowInRecord;  // a LUID that could not be looked up stays 0
    std::int32_t result;
  };
  const Case cases[] = {
      // Without a token AdjustTokenPrivileges fails as well, as it does on the real system.
      {"OpenProcessToken fails", 0, 1, 0, 0, 19, 0},
      {"LookupPrivilegeValueA fails", 1, 0, 1, token, 0, 1},
      {"AdjustTokenPrivileges fails", 1, 1, 0, token, 19, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetFake();
    fake.luid = {19, 0};
    fake.openProcessTokenResult = c.openToken;
    fake.lookupPrivilegeResult = c.lookup;
    fake.adjustResult = c.adjust;
    ShutdownSystem(kShutdownKindShutDown);
    EXPECT_EQ(fake.calls,
              Join(Join({"GetVersion()"}, PrivilegeStep(c.tokenUsed)), {"ExitWindowsEx(5, 65535)"}));
    EXPECT_EQ(fake.newState.Privileges[0].Luid.LowPart, c.luidLowInRecord);

    ResetFake();
    fake.openProcessTokenResult = c.openToken;
    fake.lookupPrivilegeResult = c.lookup;
    fake.adjustResult = c.adjust;
    EXPECT_EQ(EnablePrivilege("SeShutdownPrivilege"), c.result);
  }
}

}  // namespace
